#include "window/MainWindow.h"

#include "Version.h"
#include "ladder/Checked.h"
#include "ladder/Geometry.h"
#include "platform/Platform.h"
#include "texts/UserText.h"
#include "window/Controls.h"
#include "window/GuideWindow.h"
#include "window/LadderImage.h"
#include "window/PinnedHeader.h"
#include "window/ProgramIcon.h"
#include "window/ScreenFit.h"
#include "window/Spinner.h"
#include "window/Texts.h"
#include "window/WindowDesign.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShowEvent>
#include <QStatusBar>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <tuple>

namespace quorvan {

namespace {

// Boxes created at run time: 20 pixels tall as placed (their font decides),
// row n level with member line n.
constexpr int BoxHeight = 20;
constexpr int ResultLeft = 703;
constexpr int ResultWidth = 100;

// Box names: the column's prefix and the row number.
QString BoxName(Column column, int32_t row)
{
    const char* prefix = column == Column::Members ? "edit1_" : column == Column::Hits ? "edit2_" : "edit3_";
    return QLatin1String(prefix) + QString::number(row);
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

// The revealed hit and its winner stand out from the other rows.
void Highlight(EditBox* box, bool on)
{
    static const QColor Marked(255, 236, 140);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, on ? Marked : DesignedPalette().color(QPalette::Base));
    box->setPalette(palette);
}

// A designed face, asked for by the installed faces that stand for it (the
// application names them for the user's language). Asked for by its own name,
// which no font here has, the toolkit would first sort every installed font
// for a fallback, for each face and again for the fallbacks of the face it
// then takes: about a sixth of the start-up's instructions in Japanese.
// The faces are drawn unhinted, and so is every text of the designed area,
// whose font carries it to the faces the user chooses: the light hinting
// desktops ask for is done by FreeType's automatic hinter, which studies each
// face and each size before its first glyph, an eighth of the start-up's
// instructions, for a shift of at most a pixel's shade.
QFont DesignedFace(const char* face)
{
    QFont font(QString::fromUtf8(face));
    const QStringList standIns = QFont::substitutes(font.family());
    if (!standIns.isEmpty())
        font.setFamilies(standIns);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

ControlFont FontOf(const DesignedFont& design)
{
    QFont font = DesignedFace(design.Face);
    font.setPixelSize(design.Pixels);
    font.setBold(design.Bold);
    return {font, QColor(design.Colour)};
}

} // namespace

MainWindow::MainWindow(Platform& platform) : platform_(platform)
{
    menuBar()->setObjectName(QStringLiteral("MenuBar"));
    scroll_ = new QScrollArea(this);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    scroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    scroll_->setWidgetResizable(false);
    // The scrolled area is no stop of its own: Tab moves between the controls.
    scroll_->setFocusPolicy(Qt::NoFocus);
    client_ = new QWidget;
    client_->setObjectName(QStringLiteral("ClientArea"));
    client_->setAutoFillBackground(true);
    scroll_->setWidget(client_);
    setCentralWidget(scroll_);
    statusBar()->setObjectName(QStringLiteral("StatusBar"));

    build();
    buildStatusControls();
    focusWatch_ = connect(qApp, &QApplication::focusChanged, this, &MainWindow::keepFocusOffDestructive);
}

MainWindow::~MainWindow()
{
    // The controls leaving move the focus: no longer this window's business.
    disconnect(focusWatch_);
}

// A control switched off by its own command (Build, HIT-ALL, a list
// import) hands the keyboard on down the tab sequence, at once or when the
// window is active again after a dialog; it never lands on RESET or EXIT
// that way, where one more Enter would discard the lottery. A Tab from an
// enabled control, or a click, still reaches them.
void MainWindow::keepFocusOffDestructive(QWidget* old, QWidget* now)
{
    const auto destructive = [this](const QWidget* control) {
        return control == roles_.resetButton || control == roles_.exitButton;
    };
    if ((old && old->isEnabled()) || !destructive(now))
        return;
    for (QWidget* next = now->nextInFocusChain(); next != now; next = next->nextInFocusChain()) {
        if (!destructive(next) && next->window() == this && next->isVisible() && next->isEnabled()
            && (next->focusPolicy() & Qt::TabFocus)) {
            next->setFocus(Qt::OtherFocusReason); // as it was, not all of its text selected
            return;
        }
    }
}

void MainWindow::build()
{
    setObjectName(QLatin1String(WindowName));
    setWindowTitle(QStringLiteral("Quorvan V" QUORVAN_VERSION)); // the build's version
    setWindowIcon(ProgramIcon());
    client_->setPalette(DesignedPalette());
    // The designed area has the designed font; the bars keep the desktop's.
    client_->setFont(FontOf(WindowFont).Font);
    setOuterSize(DesignedWidth, DesignedHeight);

    controls_.reserve(static_cast<qsizetype>(DesignedControls.size()) + 3 * MostMembers);
    for (const DesignedControl& design : DesignedControls) {
        QWidget* control = design.Create(roles_);
        control->setParent(client_);
        control->setGeometry(design.Bounds);
        if (design.Font.Face)
            SetControlFont(control, FontOf(design.Font));
        addControl(control, QString::fromUtf8(design.Name), !design.Graphic());
        if (design.Text)
            SetControlText(control, QCoreApplication::translate("WindowDesign", design.Text));
        if (auto* button = qobject_cast<QPushButton*>(control)) {
            button->setAutoDefault(false);
            PressOnEnter(button);
        }
    }

    // Everything above the first row stays in view while the rows scroll.
    header_ = new PinnedHeader(*scroll_, *client_, roles_.firstMemberBox->y());
    for (const DesignedControl& design : DesignedControls) {
        QWidget* control = findControl(QString::fromUtf8(design.Name));
        if (control != roles_.ladderImage && design.Bounds.top() < header_->height())
            header_->take(control);
    }
    header_->leaveOpen(roles_.ladderImage->geometry().intersected(header_->geometry()));
    header_->raise();

    // What the table does not say.
    roles_.settingsFrame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    roles_.settingsFrame->setAttribute(Qt::WA_TransparentForMouseEvents);
    roles_.guideLink->setPixmap(ProgramIcon().pixmap(roles_.guideLink->size()));
    roles_.guideLink->adjustSize();
    roles_.guideLink->setToolTip(Say(MessageId::GuideLinkName));
    roles_.guideLink->setCursor(Qt::PointingHandCursor);
    roles_.countSpinner->setRange(2, MostMembers);
    roles_.countSpinner->requestPosition(2);
    roles_.titleLabel->setAutoFillBackground(true);
    QPalette title = roles_.titleLabel->palette();
    title.setColor(QPalette::Window, Qt::black);
    roles_.titleLabel->setPalette(title);
    roles_.crossLinesBox->setChecked(true);
    // Row 1's member and hit boxes are designed controls; the rows below, and
    // every result, go into the columns.
    const std::tuple<Column, QPoint, int, const char*> columns[] = {
        {Column::Members, roles_.firstMemberBox->geometry().topLeft() + QPoint(0, RowPitch), roles_.firstMemberBox->width(), "MemberRows"},
        {Column::Hits, roles_.firstHitBox->geometry().topLeft() + QPoint(0, RowPitch), roles_.firstHitBox->width(), "HitRows"},
        {Column::Results, QPoint(ResultLeft, roles_.firstHitBox->y()), ResultWidth, "ResultRows"},
    };
    for (const auto& [column, topLeft, width, name] : columns) {
        QWidget* rows = new QWidget(client_);
        rows->setObjectName(QLatin1String(name));
        rows->setGeometry(QRect(topLeft, QSize(width, 0)));
        rows->hide();
        rowColumns_[static_cast<size_t>(column)] = rows;
    }
    rows_[static_cast<size_t>(Column::Members)] = {nullptr, roles_.firstMemberBox};
    rows_[static_cast<size_t>(Column::Hits)] = {nullptr, roles_.firstHitBox};
    connect(roles_.firstHitBox, &EditBox::clicked, this, &MainWindow::hitBoxClicked);
    apply(Step::StartUp);
    nameControls();

    // The designed places in the tab sequence, given from the first place on.
    std::vector<const DesignedControl*> windowed;
    for (const DesignedControl& design : DesignedControls)
        if (!design.Graphic())
            windowed.push_back(&design);
    std::sort(windowed.begin(), windowed.end(), [](auto a, auto b) { return a->Tab < b->Tab; });
    for (const DesignedControl* design : windowed)
        tabs_.SetTabValue(findControl(QString::fromUtf8(design->Name)), design->Tab);
    fitCaptionsToScript();
}

// The names a screen reader gives what has no caption of its own; buttons,
// check box and labels are named by their captions.
void MainWindow::nameControls()
{
    // Worked out once: HIT-ALL names 480 boxes at a time.
    boxNames_ = {Say(MessageId::MemberBoxName), Say(MessageId::HitBoxName),
                 Say(MessageId::ResultBoxName)};
    nameBox(roles_.firstMemberBox, Column::Members, 1);
    nameBox(roles_.firstHitBox, Column::Hits, 1);
    roles_.countSpinner->setAccessibleName(Say(MessageId::CountSpinnerName));
    roles_.ladderImage->setAccessibleName(Say(MessageId::LadderName));
    roles_.guideLink->setAccessibleName(Say(MessageId::GuideLinkName));
}

void MainWindow::nameBox(EditBox* box, Column column, int32_t row)
{
    box->setAccessibleName(boxNames_[static_cast<size_t>(column)].arg(row));
}

void MainWindow::addControl(QWidget* control, const QString& name, bool windowed)
{
    control->setObjectName(name);
    controls_.insert(name.toLower(), control);
    if (windowed)
        tabs_.Append(control);
}

QWidget* MainWindow::findControl(const QString& name) const
{
    return controls_.value(name.toLower(), nullptr);
}

EditBox* MainWindow::findBox(Column column, int32_t row) const
{
    const QList<EditBox*>& boxes = rows_[static_cast<size_t>(column)];
    return row >= 0 && row < boxes.size() ? boxes[row] : nullptr;
}

EditBox& MainWindow::box(Column column, int32_t row) const
{
    EditBox* found = findBox(column, row);
    if (!found)
        throw std::logic_error("The window has no box named " + BoxName(column, row).toStdString());
    return *found;
}

void MainWindow::freeBox(Column column, int32_t row)
{
    EditBox* box = findBox(column, row);
    if (!box)
        return;
    rows_[static_cast<size_t>(column)][row] = nullptr;
    controls_.remove(box->objectName().toLower());
    tabs_.Remove(box);
    delete box;
}

EditBox* MainWindow::createBox(Column column, int32_t row)
{
    QWidget* rows = rowColumns_[static_cast<size_t>(column)];
    if (holds_ == 0)
        SetControlFont(rows, ControlFontOf(roles_.firstMemberBox));
    // Level with the row's member line, one pitch a row below the column's first row.
    const int firstRow = column == Column::Results ? 1 : 2;
    auto* box = new EditBox(row, rows); // with the column's font and colours
    box->setBounds(0, CheckedMul(rowPitch_, CheckedSub(row, firstRow)), rows->width(), BoxHeight);
    box->show(); // shown with its column
    addControl(box, BoxName(column, row), true);
    nameBox(box, column, row);
    QList<EditBox*>& boxes = rows_[static_cast<size_t>(column)];
    if (boxes.size() <= row)
        boxes.resize(row + 1);
    boxes[row] = box;
    if (holds_ == 0)
        fitRowColumns();
    return box; // empty: a new edit box has no text of its own
}

// A box kept for its row again: as a new one would be, empty, open to
// typing, with the column's font.
EditBox* MainWindow::reusedBox(Column column, int32_t row)
{
    EditBox* box = findBox(column, row);
    if (!box)
        return nullptr;
    if (box->testAttribute(Qt::WA_SetFont) || box->testAttribute(Qt::WA_SetPalette))
        SetControlFont(box, ControlFontOf(rowColumns_[static_cast<size_t>(column)]));
    box->clear();
    box->setReadOnly(false);
    if (!box->accessibleDescription().isEmpty())
        box->setAccessibleDescription({});
    return box;
}

void MainWindow::createRow(int32_t row, const QString& memberText)
{
    EditBox* member = reusedBox(Column::Members, row);
    if (!member) {
        member = createBox(Column::Members, row);
        // The keyboard goes down each column in row order, whatever the count:
        // each box right after the box of the row above it.
        tabs_.PlaceAfter(member, findBox(Column::Members, row - 1));
    }
    member->setText(memberText);

    if (!reusedBox(Column::Hits, row)) {
        EditBox* hit = createBox(Column::Hits, row);
        tabs_.PlaceAfter(hit, findBox(Column::Hits, row - 1));
        connect(hit, &EditBox::clicked, this, &MainWindow::hitBoxClicked);
    }
}

void MainWindow::clearFirstRow()
{
    roles_.firstMemberBox->clear();
    roles_.firstHitBox->clear();
}

void MainWindow::setListsReadOnly(bool readOnly)
{
    for (const Column column : {Column::Members, Column::Hits})
        for (EditBox* box : rows_[static_cast<size_t>(column)])
            if (box)
                box->setReadOnly(readOnly);
}

EditBox& MainWindow::createResultBox(int32_t row)
{
    EditBox* result = reusedBox(Column::Results, row);
    if (!result) {
        result = createBox(Column::Results, row);
        // After the last hit box, the results in row order.
        const QList<EditBox*>& hits = rows_[static_cast<size_t>(Column::Hits)];
        const auto lastHit = std::find_if(hits.rbegin(), hits.rend(), [](const EditBox* box) { return box != nullptr; });
        tabs_.PlaceAfter(result, row > 1 || lastHit == hits.rend() ? findBox(Column::Results, row - 1) : *lastHit);
    }
    // The traced result alone fills it: a key typed into it changes nothing.
    result->setReadOnly(true);
    return *result;
}

void MainWindow::fontRowColumns()
{
    const ControlFont font = ControlFontOf(roles_.firstMemberBox);
    for (QWidget* rows : rowColumns_)
        SetControlFont(rows, font);
}

void MainWindow::holdRows()
{
    if (holds_++ > 0)
        return;
    fontRowColumns();
    for (QWidget* rows : rowColumns_)
        rows->hide();
}

void MainWindow::releaseRows()
{
    if (--holds_ == 0)
        fitRowColumns();
}

void MainWindow::fitRowColumns()
{
    if (holds_ > 0)
        return;
    for (QWidget* rows : rowColumns_) {
        const QRect boxes = rows->childrenRect();
        rows->resize(rows->width(), boxes.isEmpty() ? 0 : boxes.bottom() + 1);
        rows->setVisible(!boxes.isEmpty());
    }
}

void MainWindow::apply(Step step)
{
    const Changes& changes = ChangesOf(step);
    for (int control = 0; control < SwitchedCount; ++control) {
        if (changes[control] != Change::Keep)
            switched(static_cast<Switched>(control))->setEnabled(changes[control] == Change::Enable);
    }
}

QWidget* MainWindow::switched(Switched control) const
{
    const std::array<QWidget*, SwitchedCount> controls = {
        roles_.countSpinner,         roles_.setUpButton,       roles_.loadMembersButton, roles_.crossLinesBox,
        roles_.buildButton,          roles_.shuffleMembersButton, roles_.shuffleHitsButton, roles_.loadHitsButton,
        roles_.hitAllButton,         roles_.saveTextButton,    roles_.saveWorkbookButton,
    };
    return controls[static_cast<size_t>(control)];
}

void MainWindow::showStatus(const QString& text)
{
    statusBar()->showMessage(text);
    // Told to a screen reader as it changes, as the sighted read it.
    statusBar()->setAccessibleName(text);
}

void MainWindow::putCommandButtonsLastInTabs()
{
    int tabValue = 1001;
    for (QWidget* button : {roles_.setUpButton, roles_.buildButton, roles_.hitAllButton, roles_.saveTextButton,
                            roles_.saveWorkbookButton, roles_.resetButton, roles_.exitButton})
        tabs_.SetTabValue(button, tabValue++);
}

void MainWindow::showCount(int32_t count)
{
    roles_.countDisplay->setCaption(QString::number(count));
    roles_.countDisplay->repaint();
}

void MainWindow::showLoadedCounts(std::optional<int32_t> members, std::optional<int32_t> hits)
{
    const auto text = [](const std::optional<int32_t>& count) {
        return count ? QString::number(*count) : QString();
    };
    roles_.membersLoadedLabel->setCaption(text(members));
    roles_.hitsLoadedLabel->setCaption(text(hits));
}

void MainWindow::showShuffleCount(Column column, int32_t shuffles)
{
    const bool members = column == Column::Members;
    const QString caption = texts::Shuffle();
    (members ? roles_.shuffleMembersButton : roles_.shuffleHitsButton)
        ->setText(shuffles == 0 ? caption : QStringLiteral("%1(%2)").arg(caption).arg(shuffles));
}

void MainWindow::showPrompt(const QString& text)
{
    roles_.messageLine->setCaption(text);
}

void MainWindow::fitCaptionsToScript()
{
    // The designed sizes are for captions in Chinese characters, kana and
    // hangul; captions in Latin letters take smaller ones.
    const QString language = platform_.Language();
    if (language == QLatin1String("ja") || language == QLatin1String("ko") || language.startsWith(QLatin1String("zh")))
        return;
    SetPointSize(roles_.titleLabel, 14);
    const std::pair<QWidget*, int> sizes[] = {
        {roles_.settingLabel, 9},      {roles_.setUpButton, 9},       {roles_.buildButton, 12},
        {roles_.loadMembersButton, 9}, {roles_.loadHitsButton, 9},    {roles_.shuffleMembersButton, 9},
        {roles_.shuffleHitsButton, 9}, {roles_.outputHeading, 9},
    };
    for (const auto& [control, points] : sizes)
        SetPointSize(control, points);
}

ControlFont MainWindow::fontDialogStart() const
{
    // The dialog starts from the designed name; it lists the face drawn for it.
    QFont font(QString::fromUtf8(FontDialogFace));
    font.setPixelSize(FontDialogPixels);
    font.setBold(false);
    return {font, DesignedPalette().color(QPalette::WindowText)};
}

void MainWindow::buildStatusControls()
{
    fairDrawBox_ = new QCheckBox(QCoreApplication::translate("MainWindow", "Fair draw"));
    fairDrawBox_->setObjectName(QStringLiteral("FairDrawBox"));
    listFindingsButton_ = new QPushButton(QCoreApplication::translate("MainWindow", "Findings…"));
    listFindingsButton_->setObjectName(QStringLiteral("ListFindingsButton"));
    fairDrawOffer_ = new QPushButton(Say(MessageId::FairDrawOffer));
    fairDrawOffer_->setObjectName(QStringLiteral("FairDrawOffer"));
    for (QWidget* control : {static_cast<QWidget*>(fairDrawOffer_), static_cast<QWidget*>(fairDrawBox_),
                             static_cast<QWidget*>(listFindingsButton_)}) {
        // Reached from the keyboard through its menu entry: the tab sequence
        // stays the designed one.
        control->setFocusPolicy(Qt::NoFocus);
        statusBar()->addPermanentWidget(control);
    }
    listFindingsButton_->hide();
    fairDrawOffer_->hide();
}

QString MainWindow::statusText() const
{
    return statusBar()->currentMessage();
}

void MainWindow::showTracedHit(int32_t row, int32_t member, const std::optional<Prize>& prize)
{
    clearTracedHit();
    EditBox* reached = findBox(Column::Members, member);
    const QString memberText = reached ? reached->text() : QString();
    QString words;
    if (prize) {
        const QString winner =
            memberText.isEmpty() ? Say(MessageId::MemberNumber).arg(QString::number(member)) : memberText;
        words = Say(MessageId::PrizeReveal).arg(PlaceWords(prize->Place),
                                                prize->Name, winner);
    } else {
        words = memberText.isEmpty()
                    ? Say(MessageId::HitReachedEmptyMember).arg(QString::number(row), QString::number(member))
                    : Say(MessageId::HitReachedMember).arg(QString::number(row), memberText, QString::number(member));
    }
    EditBox& hit = hitBox(row);
    hit.setAccessibleDescription(words);
    describedHit_ = row;
    Highlight(&hit, true);
    if (reached) {
        reached->setAccessibleDescription(words);
        Highlight(reached, true);
        highlightedMember_ = member;
    }
    showStatus(words);
}

void MainWindow::clearTracedHit()
{
    for (EditBox* box : {findBox(Column::Hits, describedHit_), findBox(Column::Members, highlightedMember_)}) {
        if (box) {
            box->setAccessibleDescription({});
            Highlight(box, false);
        }
    }
    describedHit_ = 0;
    highlightedMember_ = 0;
    showStatus({});
}

LadderBitmap& MainWindow::bitmap()
{
    return roles_.ladderImage->bitmap();
}

void MainWindow::clearLadder()
{
    LadderBitmap& ladder = bitmap();
    ladder.FillRect(0, 0, ladder.Width(), ladder.Height());
}

void MainWindow::showLadderLines(int32_t lines)
{
    ladderLines_ = lines;
    roles_.ladderImage->resize(roles_.ladderImage->width(), CheckedMul(CheckedAdd(lines, 1), rowPitch_));
}

void MainWindow::fitRowPitch()
{
    // A box is a pixel taller than its row, as designed: 21-pixel boxes 20 pixels apart.
    const int32_t pitch = std::max(
        {RowPitch, roles_.firstMemberBox->fontHeight() - 1, roles_.firstHitBox->fontHeight() - 1});
    if (pitch == rowPitch_)
        return;
    rowPitch_ = pitch;
    for (const auto& [column, first] : {std::pair(Column::Members, roles_.firstMemberBox),
                                        std::pair(Column::Hits, roles_.firstHitBox)}) {
        QWidget* rows = rowColumns_[static_cast<size_t>(column)];
        rows->move(rows->x(), first->y() + pitch);
    }
    for (const Column column : {Column::Members, Column::Hits, Column::Results}) {
        const int firstRow = column == Column::Results ? 1 : 2;
        const QList<EditBox*>& boxes = rows_[static_cast<size_t>(column)];
        for (int32_t row = firstRow; row < boxes.size(); ++row)
            if (EditBox* box = boxes[row])
                box->move(0, CheckedMul(pitch, CheckedSub(row, firstRow)));
    }
    roles_.ladderImage->setRowPitch(pitch);
    showLadderLines(ladderLines_);
}

void MainWindow::showGuide(const QUrl& page)
{
    if (!guide_)
        guide_ = new GuideWindow(this);
    guide_->showPage(page);
}

void MainWindow::setBusyCursor() { platform_.SetMouseCursor(MouseCursor::Hourglass); }
void MainWindow::setDefaultCursor() { platform_.SetMouseCursor(MouseCursor::Default); }

int MainWindow::barsHeight(int width) const
{
    // As the layout gives them their heights.
    const int menus = menuBar()->heightForWidth(width);
    return (menus < 0 ? menuBar()->sizeHint().height() : menus) + statusBar()->sizeHint().height();
}

QSize MainWindow::outerSize() const
{
    return frameGeometry().size() - QSize(0, barsHeight(width()));
}

void MainWindow::setOuterSize(int width, int height)
{
    outerSize_ = QSize(width, height);
    const QSize frame = frameGeometry().size() - geometry().size();
    const QSize inner(width - frame.width(), height - frame.height() + barsHeight(width - frame.width()));
    if (shown_)
        placeFrame(QRect(frameGeometry().topLeft(), inner + frame));
    else
        resize(inner);
}

void MainWindow::placeFrame(QRect frame)
{
    if (const QScreen* screen = this->screen())
        frame = FitInto(frame, screen->availableGeometry());
    resize(frame.size() - (frameGeometry().size() - geometry().size()));
    move(frame.topLeft());
}

void MainWindow::setOuterWidth(int width)
{
    setOuterSize(width, outerSize().height());
}

bool MainWindow::event(QEvent* event)
{
    // The status line keeps its news while the pointer passes over menu
    // entries: their status tips, all empty, would clear it.
    if (event->type() == QEvent::StatusTip)
        return true;
    return QMainWindow::event(event);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (closeCheck_ && !closeCheck_())
        event->ignore();
    else
        QMainWindow::closeEvent(event);
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (shown_ || event->spontaneous())
        return;
    shown_ = true;
    // The frame is known only now: make the outer size the designed one,
    // centred on the screen and within it.
    setOuterSize(outerSize_.width(), outerSize_.height());
    if (const QScreen* screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        placeFrame(frame);
    }
    // The window opens with the keyboard on the first control of its tab sequence.
    tabs_.Apply();
    if (QWidget* first = tabs_.FirstStop())
        first->setFocus(Qt::TabFocusReason);
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    refreshScrollExtent();
}

void MainWindow::refreshScrollExtent()
{
    QSize content;
    // The header's controls count where they were designed; the header itself, as wide as the client, not.
    QList<QWidget*> controls = client_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    controls.removeOne(header_);
    controls += header_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (const QWidget* child : controls) {
        if (!child->isHidden())
            content = content.expandedTo(QSize(child->geometry().right() + 1, child->geometry().bottom() + 1));
    }
    // Each scroll bar shows when the content is longer than the room the other leaves.
    const QSize viewport = scroll_->maximumViewportSize();
    const int verticalBar = scroll_->verticalScrollBar()->sizeHint().width();
    const int horizontalBar = scroll_->horizontalScrollBar()->sizeHint().height();
    bool across = content.width() > viewport.width();
    const bool down = content.height() > viewport.height() - (across ? horizontalBar : 0);
    across = across || (down && content.width() > viewport.width() - verticalBar);
    const QSize room(viewport.width() - (down ? verticalBar : 0), viewport.height() - (across ? horizontalBar : 0));
    client_->resize(content.expandedTo(room));
}

void MainWindow::afterCommand()
{
    setDefaultCursor();
    fitRowPitch(); // a font may have made the boxes taller
    fitRowColumns();
    tabs_.Apply();
    refreshScrollExtent();
    roles_.ladderImage->update();
}

} // namespace quorvan

#include "moc_MainWindow.cpp"
