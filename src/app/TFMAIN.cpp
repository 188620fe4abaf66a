#include "TFMAIN.h"

#include "BuildLadder.h"
#include "Geometry.h"
#include "HitHighlight.h"
#include "HitImport.h"
#include "MemberImport.h"
#include "Reset.h"
#include "ResultColumn.h"
#include "RowSetup.h"
#include "Shuffle.h"
#include "SpreadsheetResult.h"
#include "TextResult.h"
#include "Texts.h"
#include "WindowUtilities.h"

#include <QIcon>

#include <cmath>

namespace quorvan {

namespace {

const QString PGothic = QStringLiteral("ＭＳ Ｐゴシック");
const QString Gothic = QStringLiteral("ＭＳ ゴシック");
const QString Mincho = QStringLiteral("ＭＳ 明朝");
const QString PMincho = QStringLiteral("ＭＳ Ｐ明朝");
const QString Terminal = QStringLiteral("Terminal");

const QColor Black(0, 0, 0);
const QColor Blue(0, 0, 255);
const QColor Red(255, 0, 0);
const QColor Yellow(255, 255, 0);
const QColor Silver(192, 192, 192);

enum class Weight { Regular, Bold };

ControlFont DesignFont(const QString& face, int pixels, const QColor& colour, Weight weight)
{
    QFont font(face);
    font.setPixelSize(pixels);
    font.setBold(weight == Weight::Bold);
    return {font, colour};
}

// Points at 96 dots per inch, to the nearest pixel.
int PointsToPixels(int points)
{
    return static_cast<int>(std::lround(points * 96.0 / 72.0));
}

void SetPointSize(QWidget* control, int points)
{
    QFont font = control->font();
    font.setPixelSize(PointsToPixels(points));
    control->setFont(font);
}

template <class Control>
Control* Design(MainForm& form, Control* control, const QString& name, MainForm::Kind kind,
                QRect bounds, const ControlFont* font = nullptr)
{
    control->setParent(form.Client());
    control->setGeometry(bounds);
    if (font)
        SetControlFont(control, *font);
    form.AddComponent(control, name, kind);
    return control;
}

StaticText* DesignText(MainForm& form, const QString& name, MainForm::Kind kind, QRect bounds,
                       const QString& text, const ControlFont& font)
{
    auto* label = Design(form, new StaticText, name, kind, bounds, &font);
    label->SetCaption(text);
    return label;
}

QPushButton* DesignButton(MainForm& form, const QString& name, QRect bounds, const QString& text,
                          const ControlFont& font)
{
    auto* button = Design(form, new QPushButton, name, MainForm::Kind::Windowed, bounds, &font);
    button->setText(text);
    button->setAutoDefault(false);
    return button;
}

} // namespace

TFMAIN::TFMAIN(Platform& platform) : MainForm(platform)
{
    setObjectName(QStringLiteral("FMAIN"));
    setWindowTitle(QStringLiteral("Quorvan V2.2"));
    setWindowIcon(QIcon(QStringLiteral(":/quorvan/icon.png")));
    QPalette silver = Client()->palette();
    silver.setColor(QPalette::Window, Silver);
    Client()->setPalette(silver);
    setFont(DesignFont(Terminal, 16, Black, Weight::Regular).Font);
    SetOuterSize(735, 549);
    FontDialog1 = DesignFont(Terminal, 13, palette().color(QPalette::WindowText), Weight::Regular);

    CreateControls();
    BindEvents();
    RunCommand([this] { FormCreate(); });
}

void TFMAIN::CreateControls()
{
    using Kind = MainForm::Kind;
    const auto graphic = Kind::Graphic;
    const auto windowed = Kind::Windowed;

    // Graphic controls first, so every windowed control lies above them.
    Image1 = Design(*this, new LadderImage, QStringLiteral("Image1"), graphic, {134, 102, 440, 10620});
    Bevel2 = Design(*this, new QFrame, QStringLiteral("Bevel2"), graphic, {0, 5, 239, 48});
    Bevel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Bevel2->setAttribute(Qt::WA_TransparentForMouseEvents);
    Image2 = Design(*this, new Picture, QStringLiteral("Image2"), graphic, {426, 0, 32, 32});
    Image2->setPixmap(QPixmap(QStringLiteral(":/quorvan/icon.png")));
    Image2->adjustSize();
    Image2->setToolTip(Environment().GuideAddress());
    Image2->setCursor(Qt::PointingHandCursor);
    Label3 = DesignText(*this, QStringLiteral("Label3"), graphic, {578, 3, 48, 12},
                        QStringLiteral("結果出力"), DesignFont(PGothic, 12, Black, Weight::Regular));
    const ControlFont labelFont = DesignFont(Mincho, 16, Black, Weight::Bold);
    Label1 = DesignText(*this, QStringLiteral("Label1"), graphic, {8, 96, 9, 16}, {}, labelFont);
    Label2 = DesignText(*this, QStringLiteral("Label2"), graphic, {680, 96, 9, 16}, {}, labelFont);

    UpDown1 = Design(*this, new UpDown, QStringLiteral("UpDown1"), windowed, {99, 8, 29, 44});
    UpDown1->SetRange(2, 480);
    UpDown1->RequestPosition(2);
    BitBtn1 = DesignButton(*this, QStringLiteral("BitBtn1"), {175, 9, 64, 40},
                           QStringLiteral("設定実行"), DesignFont(PGothic, 12, Blue, Weight::Bold));
    CT = DesignText(*this, QStringLiteral("CT"), windowed, {134, 20, 13, 22}, QStringLiteral("1"),
                    DesignFont(Terminal, 19, Red, Weight::Bold));
    StaticText1 = DesignText(*this, QStringLiteral("StaticText1"), windowed, {8, 8, 30, 17},
                             QStringLiteral("設定"), DesignFont(PGothic, 13, Blue, Weight::Regular));
    StaticText2 = DesignText(*this, QStringLiteral("StaticText2"), windowed, {248, 13, 172, 23},
                             QStringLiteral("Quorvan"), DesignFont(PGothic, 19, Yellow, Weight::Bold));
    StaticText2->setAutoFillBackground(true);
    QPalette title = StaticText2->palette();
    title.setColor(QPalette::Window, Black);
    StaticText2->setPalette(title);
    SText = DesignText(*this, QStringLiteral("SText"), windowed, {141, 83, 30, 17}, QStringLiteral("□□"),
                       DesignFont(PMincho, 13, Red, Weight::Regular));

    const ControlFont boxFont = DesignFont(PMincho, 13, Black, Weight::Regular);
    Edit1_1 = Design(*this, new EditBox, QStringLiteral("Edit1_1"), windowed, {}, &boxFont);
    Edit1_1->SetBounds(7, 111, 121, 21);
    Edit2_1 = Design(*this, new EditBox, QStringLiteral("Edit2_1"), windowed, {}, &boxFont);
    Edit2_1->SetBounds(578, 111, 121, 21);

    BitBtn2 = DesignButton(*this, QStringLiteral("BitBtn2"), {269, 43, 169, 33},
                           QStringLiteral("★～Vessapo～★"), DesignFont(Gothic, 16, Blue, Weight::Bold));
    BitBtn3 = DesignButton(*this, QStringLiteral("BitBtn3"), {466, 48, 53, 25}, QStringLiteral("RESET"),
                           DesignFont(PGothic, 12, Red, Weight::Regular));
    const ControlFont headingFont = DesignFont(PGothic, 13, Black, Weight::Bold);
    StaticText3 = DesignText(*this, QStringLiteral("StaticText3"), windowed, {66, 95, 55, 17},
                             QStringLiteral("Member"), headingFont);
    StaticText4 = DesignText(*this, QStringLiteral("StaticText4"), windowed, {580, 95, 23, 17},
                             QStringLiteral("Hit"), headingFont);
    BitBtn4 = DesignButton(*this, QStringLiteral("BitBtn4"), {466, 5, 64, 25}, QStringLiteral("EXIT"),
                           DesignFont(PGothic, 13, Red, Weight::Bold));
    const ControlFont checkFont = DesignFont(PGothic, 13, Black, Weight::Regular);
    CheckBox1 = Design(*this, new QCheckBox, QStringLiteral("CheckBox1"), windowed, {8, 27, 85, 17},
                       &checkFont);
    CheckBox1->setText(QStringLiteral("Cross Lines"));
    CheckBox1->setChecked(true);

    const ControlFont plain = DesignFont(PGothic, 12, Black, Weight::Regular);
    Button1 = DesignButton(*this, QStringLiteral("Button1"), {538, 33, 82, 22}, QStringLiteral("［HIT-ALL］"),
                           DesignFont(PGothic, 12, Black, Weight::Bold));
    Button2 = DesignButton(*this, QStringLiteral("Button2"), {632, 21, 65, 16}, QStringLiteral("Text"), plain);
    Button3 = DesignButton(*this, QStringLiteral("Button3"), {8, 65, 40, 25}, QStringLiteral("読込"), plain);
    Button4 = DesignButton(*this, QStringLiteral("Button4"), {59, 65, 70, 25}, QStringLiteral("ｼｬｯﾌﾙ"), plain);
    Button5 = DesignButton(*this, QStringLiteral("Button5"), {628, 65, 70, 25}, QStringLiteral("ｼｬｯﾌﾙ"), plain);
    Button6 = DesignButton(*this, QStringLiteral("Button6"), {577, 64, 40, 25}, QStringLiteral("読込"), plain);
    Button7 = DesignButton(*this, QStringLiteral("Button7"), {632, 37, 65, 18}, QStringLiteral("Excel"), plain);
    Button8 = DesignButton(*this, QStringLiteral("Button8"), {632, 2, 65, 18}, QStringLiteral("Clipboard"), plain);
    Button9 = DesignButton(*this, QStringLiteral("Button9"), {184, 55, 41, 25}, QStringLiteral("Font"), plain);

    for (QPushButton* disabled : {BitBtn2, Button1, Button2, Button4, Button5, Button6, Button7})
        disabled->setEnabled(false);

    // The designed places in the tab sequence, given from the first place on.
    QWidget* const designedOrder[] = {
        UpDown1, BitBtn1, Edit1_1, CT, StaticText1, StaticText2, SText, Edit2_1,
        StaticText3, StaticText4, CheckBox1, BitBtn2, Button1, Button8, Button2, BitBtn3,
        BitBtn4, Button3, Button4, Button5, Button6, Button7, Button9,
    };
    int value = 0;
    for (QWidget* control : designedOrder)
        Tabs().SetTabValue(control, value++);
}

void TFMAIN::BindEvents()
{
    const auto command = [this](void (TFMAIN::*handler)()) {
        return [this, handler] { RunCommand([this, handler] { (this->*handler)(); }); };
    };
    UpDown1->OnMouseDown = command(&TFMAIN::UpDown1MouseDown);
    UpDown1->OnChanging = command(&TFMAIN::UpDown1Changing);
    UpDown1->OnClick = command(&TFMAIN::UpDown1Click);
    const std::pair<QPushButton*, void (TFMAIN::*)()> clicks[] = {
        {BitBtn1, &TFMAIN::BitBtn1Click}, {BitBtn2, &TFMAIN::BitBtn2Click}, {BitBtn3, &TFMAIN::BitBtn3Click},
        {BitBtn4, &TFMAIN::BitBtn4Click}, {Button1, &TFMAIN::Button1Click}, {Button2, &TFMAIN::Button2Click},
        {Button3, &TFMAIN::Button3Click}, {Button4, &TFMAIN::Button4Click}, {Button5, &TFMAIN::Button5Click},
        {Button6, &TFMAIN::Button6Click}, {Button7, &TFMAIN::Button7Click}, {Button8, &TFMAIN::Button8Click},
        {Button9, &TFMAIN::Button9Click},
    };
    for (const auto& [button, handler] : clicks)
        connect(button, &QPushButton::clicked, this, command(handler));
    Image2->OnClick = command(&TFMAIN::Image2Click);
    Edit2_1->OnClick = [this](EditBox* sender) { RunCommand([this, sender] { phit(sender); }); };
}

void TFMAIN::FormCreate()
{
    ClearLadderImage(); // creates the bitmap at the image's designed size
    Image1->resize(Image1->width(), (UpDown1->Position() + 1) * RowPitch);
    State.RowCount = 0;
    State.LadderBuilt = 0;
    State.LitHit = 0;
    State.ResultColumnShown = 0;

    // The spinner holds its lowest count; the display shows what it holds.
    UpDown1->RequestPosition(1);
    ShowCount();

    if (Japanese()) {
        SText->SetCaption(texts::StartPromptJapanese);
        StaticText2->SetCaption(QStringLiteral("Quorvan"));
    } else {
        SetEnglishTexts();
    }
    Bitmap().SetPenWidth(2);
}

void TFMAIN::SetEnglishTexts()
{
    SText->SetCaption(texts::StartPromptEnglish);
    StaticText2->SetCaption(QStringLiteral("Quorvan"));
    SetPointSize(StaticText2, 14);
    const std::pair<QWidget*, QString> captions[] = {
        {StaticText1, QStringLiteral("Setting")},   {BitBtn1, QStringLiteral("Execution")},
        {BitBtn2, QStringLiteral("*- Vessapo -*")}, {Button3, QStringLiteral("File")},
        {Button6, QStringLiteral("File")},          {Button4, QStringLiteral("Shuffle")},
        {Button5, QStringLiteral("Shuffle")},       {Label3, QStringLiteral("Result output")},
    };
    for (const auto& [control, caption] : captions) {
        SetControlText(control, caption);
        SetPointSize(control, control == BitBtn2 ? 12 : 9);
    }
}

void TFMAIN::ShowCount()
{
    CT->SetCaption(QString::number(UpDown1->Position()));
    CT->repaint();
}

void TFMAIN::UpDown1MouseDown() { ShowCount(); }
void TFMAIN::UpDown1Changing() { ShowCount(); }
void TFMAIN::UpDown1Click() { ShowCount(); }

void TFMAIN::BitBtn1Click() { RunRowSetup(*this); }
void TFMAIN::BitBtn2Click() { RunBuild(*this); }
void TFMAIN::BitBtn3Click() { RunReset(*this); }
void TFMAIN::Button1Click() { RunHitAll(*this); }
void TFMAIN::BitBtn4Click() { close(); }
void TFMAIN::Button2Click() { RunTextResult(*this); }
void TFMAIN::Button3Click() { RunMemberImport(*this); }
void TFMAIN::Button4Click() { RunShuffle(*this, ShuffleColumn::Members); }
void TFMAIN::Button5Click() { RunShuffle(*this, ShuffleColumn::Hits); }
void TFMAIN::Button6Click() { RunHitImport(*this); }
void TFMAIN::Button7Click() { RunSpreadsheetResult(*this); }

void TFMAIN::Button8Click() { RunWindowCapture(*this); }

void TFMAIN::Button9Click()
{
    RunFontDialog(*this, [this](const ControlFont& font) {
        RunCommand([this, &font] { FontDialog1Apply(font); });
    });
}

void TFMAIN::FontDialog1Apply(const ControlFont& font) { ApplyFontToRows(*this, font); }
void TFMAIN::Image2Click() { RunGuideLink(*this); }
void TFMAIN::phit(EditBox* sender) { RunHitHighlight(*this, *sender); }

} // namespace quorvan
