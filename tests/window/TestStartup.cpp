#include "WindowFixture.h"

#include <QFontInfo>

using namespace quorvan;
using testing::WindowFixture;

namespace {

struct Designed {
    const char* name;
    QRect bounds; // width and height 0 where the control sizes itself to its text
    const char* face;
    int pixels;
    QColor colour;
    bool bold;
    bool enabled;
};

const QColor Black(0, 0, 0), Blue(0, 0, 255), Red(255, 0, 0), Yellow(255, 255, 0);

const Designed DesignedControls[] = {
    {"Label3", {578, 3, 0, 0}, "ＭＳ Ｐゴシック", 12, Black, false, true},
    {"Label1", {8, 96, 0, 0}, "ＭＳ 明朝", 16, Black, true, true},
    {"Label2", {680, 96, 0, 0}, "ＭＳ 明朝", 16, Black, true, true},
    {"BitBtn1", {175, 9, 64, 40}, "ＭＳ Ｐゴシック", 12, Blue, true, true},
    {"CT", {134, 20, 0, 0}, "Terminal", 19, Red, true, true},
    {"StaticText1", {8, 8, 0, 0}, "ＭＳ Ｐゴシック", 13, Blue, false, true},
    {"StaticText2", {248, 13, 0, 0}, "ＭＳ Ｐゴシック", 19, Yellow, true, true},
    {"SText", {141, 83, 0, 0}, "ＭＳ Ｐ明朝", 13, Red, false, true},
    {"Edit1_1", {7, 111, 121, 21}, "ＭＳ Ｐ明朝", 13, Black, false, true},
    {"Edit2_1", {578, 111, 121, 21}, "ＭＳ Ｐ明朝", 13, Black, false, true},
    {"BitBtn2", {269, 43, 169, 33}, "ＭＳ ゴシック", 16, Blue, true, false},
    {"BitBtn3", {466, 48, 53, 25}, "ＭＳ Ｐゴシック", 12, Red, false, true},
    {"StaticText3", {66, 95, 0, 0}, "ＭＳ Ｐゴシック", 13, Black, true, true},
    {"StaticText4", {580, 95, 0, 0}, "ＭＳ Ｐゴシック", 13, Black, true, true},
    {"BitBtn4", {466, 5, 64, 25}, "ＭＳ Ｐゴシック", 13, Red, true, true},
    {"CheckBox1", {8, 27, 85, 17}, "ＭＳ Ｐゴシック", 13, Black, false, true},
    {"Button1", {538, 33, 82, 22}, "ＭＳ Ｐゴシック", 12, Black, true, false},
    {"Button2", {632, 21, 65, 16}, "ＭＳ Ｐゴシック", 12, Black, false, false},
    {"Button3", {8, 65, 40, 25}, "ＭＳ Ｐゴシック", 12, Black, false, true},
    {"Button4", {59, 65, 70, 25}, "ＭＳ Ｐゴシック", 12, Black, false, false},
    {"Button5", {628, 65, 70, 25}, "ＭＳ Ｐゴシック", 12, Black, false, false},
    {"Button6", {577, 64, 40, 25}, "ＭＳ Ｐゴシック", 12, Black, false, false},
    {"Button7", {632, 37, 65, 18}, "ＭＳ Ｐゴシック", 12, Black, false, false},
    {"Button8", {632, 2, 65, 18}, "ＭＳ Ｐゴシック", 12, Black, false, true},
    {"Button9", {184, 55, 41, 25}, "ＭＳ Ｐゴシック", 12, Black, false, true},
};

QString TextOf(QWidget* control)
{
    if (auto* label = qobject_cast<QLabel*>(control))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        return button->text();
    return qobject_cast<QLineEdit*>(control)->text();
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void windowAsDesigned()
    {
        WindowFixture window(1041);
        TFMAIN& form = *window.form;
        QCOMPARE(form.objectName(), QStringLiteral("FMAIN"));
        QCOMPARE(form.windowTitle(), QStringLiteral("Quorvan V2.2"));
        QCOMPARE(QApplication::applicationName(), QStringLiteral("Quorvan"));
        QCOMPARE(form.OuterSize(), QSize(735, 549));
        QCOMPARE(form.Client()->palette().color(QPalette::Window), QColor(192, 192, 192));
        QVERIFY(!form.windowIcon().isNull());

        for (const Designed& designed : DesignedControls) {
            const QString name = QString::fromUtf8(designed.name);
            QWidget* control = form.FindComponent(name.toLower());
            QVERIFY2(control, designed.name);
            QCOMPARE(control->objectName(), name);
            QCOMPARE(control->pos(), designed.bounds.topLeft());
            if (designed.bounds.width() > 0)
                QCOMPARE(control->size(), designed.bounds.size());
            QCOMPARE(control->font().family(), QString::fromUtf8(designed.face));
            QCOMPARE(control->font().pixelSize(), designed.pixels);
            QCOMPARE(control->font().bold(), designed.bold);
            QCOMPARE(control->palette().color(QPalette::Active, QPalette::WindowText), designed.colour);
            QCOMPARE(control->isEnabled(), designed.enabled);
        }
        QCOMPARE(form.UpDown1->geometry(), QRect(99, 8, 29, 44));
        QCOMPARE(form.Image2->geometry(), QRect(426, 0, 32, 32));
        QCOMPARE(form.Bevel2->geometry(), QRect(0, 5, 239, 48));
        QCOMPARE(form.Image1->geometry(), QRect(134, 102, 440, 60));
        QVERIFY(form.CheckBox1->isChecked());
        QCOMPARE(form.StaticText2->palette().color(QPalette::Window), QColor(0, 0, 0));
    }

    void designedFacesResolveToInstalledFonts()
    {
        WindowFixture window;
        QCOMPARE(QFontInfo(window.form->Edit1_1->font()).family(), QStringLiteral("IPAPMincho"));
        QCOMPARE(QFontInfo(window.form->BitBtn2->font()).family(), QStringLiteral("IPAGothic"));
        QCOMPARE(QFontInfo(window.form->Label1->font()).family(), QStringLiteral("IPAMincho"));
        QCOMPARE(QFontInfo(window.form->Button3->font()).family(), QStringLiteral("IPAPGothic"));
        QVERIFY(QFontInfo(window.form->CT->font()).fixedPitch());
    }

    void japaneseTexts()
    {
        WindowFixture window(1041);
        TFMAIN& form = *window.form;
        QCOMPARE(form.SText->text(),
                 QStringLiteral("■→設定数を指定してから、設定実行ボタンを押下してください"));
        const std::pair<QWidget*, QString> texts[] = {
            {form.StaticText2, "Quorvan"},      {form.StaticText1, "設定"},
            {form.BitBtn1, "設定実行"},         {form.BitBtn2, "★～Vessapo～★"},
            {form.Button3, "読込"},             {form.Button6, "読込"},
            {form.Button4, "ｼｬｯﾌﾙ"},            {form.Button5, "ｼｬｯﾌﾙ"},
            {form.Label3, "結果出力"},          {form.BitBtn3, "RESET"},
            {form.BitBtn4, "EXIT"},             {form.StaticText3, "Member"},
            {form.StaticText4, "Hit"},          {form.CheckBox1, "Cross Lines"},
            {form.Button1, "［HIT-ALL］"},      {form.Button2, "Text"},
            {form.Button7, "Excel"},            {form.Button8, "Clipboard"},
            {form.Button9, "Font"},             {form.Edit1_1, ""},
            {form.Edit2_1, ""},                 {form.Label1, ""},
        };
        for (const auto& [control, text] : texts)
            QCOMPARE(TextOf(control), text);
    }

    void englishTextsAndSizes_data()
    {
        QTest::addColumn<int>("locale");
        QTest::newRow("US English") << 1033;
        QTest::newRow("Simplified Chinese") << 2052;
        QTest::newRow("German") << 1031;
    }

    void englishTextsAndSizes()
    {
        QFETCH(int, locale);
        WindowFixture window(locale);
        TFMAIN& form = *window.form;
        QCOMPARE(form.SText->text(),
                 QStringLiteral("Please press the set execution button after specifying a set number"));
        const std::tuple<QWidget*, QString, int> texts[] = {
            {form.StaticText2, "Quorvan", 19},     {form.StaticText1, "Setting", 12},
            {form.BitBtn1, "Execution", 12},       {form.BitBtn2, "*- Vessapo -*", 16},
            {form.Button3, "File", 12},            {form.Button6, "File", 12},
            {form.Button4, "Shuffle", 12},         {form.Button5, "Shuffle", 12},
            {form.Label3, "Result output", 12},
        };
        for (const auto& [control, text, pixels] : texts) {
            QCOMPARE(TextOf(control), text);
            QCOMPARE(control->font().pixelSize(), pixels);
        }
        // A static text sizes itself to its new text.
        QVERIFY(form.Label3->width() > 48);
    }

    void startingState()
    {
        WindowFixture window;
        TFMAIN& form = *window.form;
        QCOMPARE(form.UpDown1->Position(), 2);
        QCOMPARE(form.CT->text(), QStringLiteral("2"));
        QCOMPARE(form.State.RowCount, 0);
        QCOMPARE(form.State.LadderBuilt, 0);
        QCOMPARE(form.State.LitHit, 0);
        QCOMPARE(form.State.ResultColumnShown, 0);
        QCOMPARE(form.Bitmap().Width(), 440);
        QCOMPARE(form.Bitmap().Height(), 10620);
        QCOMPARE(form.Bitmap().PenWidth(), 2);
        QCOMPARE(form.Bitmap().Image().pixel(10, 20), qRgb(255, 255, 255));
        QVERIFY(!form.FindComponent("edit1_2"));
        QCOMPARE(window.platform.Cursor, MouseCursor::Default);
    }

    void spinnerKeepsCountInStep()
    {
        WindowFixture window;
        TFMAIN& form = *window.form;
        QStringList events;
        const auto record = [&](const char* name, std::function<void()>& event) {
            event = [&, name, inner = event] {
                events.append(QStringLiteral("%1:%2").arg(QString::fromLatin1(name)).arg(form.UpDown1->Position()));
                inner();
            };
        };
        record("down", form.UpDown1->OnMouseDown);
        record("changing", form.UpDown1->OnChanging);
        record("click", form.UpDown1->OnClick);

        QTest::mouseClick(form.UpDown1, Qt::LeftButton, {}, QPoint(14, 5));
        QCOMPARE(events, QStringList({"down:2", "changing:2", "click:3"}));
        QCOMPARE(form.CT->text(), QStringLiteral("3"));

        QTest::mouseClick(form.UpDown1, Qt::LeftButton, {}, QPoint(14, 38));
        QCOMPARE(form.CT->text(), QStringLiteral("2"));
        QTest::mouseClick(form.UpDown1, Qt::LeftButton, {}, QPoint(14, 38));
        QCOMPARE(form.UpDown1->Position(), 2);
        QCOMPARE(form.CT->text(), QStringLiteral("2"));

        form.UpDown1->setFocus();
        QTest::keyClick(form.UpDown1, Qt::Key_Up);
        QCOMPARE(form.CT->text(), QStringLiteral("3"));
        window.ChooseCount(480);
        QTest::keyClick(form.UpDown1, Qt::Key_Up);
        QCOMPARE(form.UpDown1->Position(), 480);
        QCOMPARE(form.CT->text(), QStringLiteral("480"));
    }

    void designedTabSequence()
    {
        WindowFixture window;
        QCOMPARE(window.form->Tabs().Names(),
                 QStringList({"UpDown1", "BitBtn1", "Edit1_1", "CT", "StaticText1", "StaticText2",
                              "SText", "Edit2_1", "StaticText3", "StaticText4", "CheckBox1",
                              "BitBtn2", "Button1", "Button8", "Button2", "BitBtn3", "BitBtn4",
                              "Button3", "Button4", "Button5", "Button6", "Button7", "Button9"}));
    }

    // The window opens with the keyboard on the spinner, and Tab visits only the designed controls.
    void keyboardStartsOnTheSpinner()
    {
        WindowFixture window;
        QVERIFY(QTest::qWaitForWindowActive(window.form.get()));
        QCOMPARE(QApplication::focusWidget(), window.form->UpDown1);
        QTest::keyClick(window.form->UpDown1, Qt::Key_Up);
        QCOMPARE(window.form->CT->text(), QStringLiteral("3"));
        const QStringList designed = window.form->Tabs().Names();
        for (int press = 0; press <= designed.size(); ++press) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            const QString reached = QApplication::focusWidget()->objectName();
            QVERIFY2(designed.contains(reached), qPrintable(reached));
        }
    }

    void errorsEndTheCommandWithAMessage()
    {
        WindowFixture window;
        TFMAIN& form = *window.form;
        form.RunCommand([&] {
            form.SetBusyCursor();
            form.State.Grid.Cell(500, 0);
        });
        QCOMPARE(window.platform.Errors.size(), 1);
        QVERIFY(window.platform.Errors.first().contains("out of range"));
        QCOMPARE(window.platform.Cursor, MouseCursor::Default);

        // The window goes on working.
        window.Click(form.BitBtn1);
        QVERIFY(form.FindComponent("edit1_2"));
        QCOMPARE(window.platform.Errors.size(), 1);
    }
};

QTEST_MAIN(TestStartup)
#include "TestStartup.moc"
