#include "MainWindow.h"

#include "Checked.h"
#include "Geometry.h"
#include "ProgramIcon.h"
#include "ScreenFit.h"
#include "Texts.h"
#include "WindowDesign.h"

#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>
#include <QShowEvent>
#include <QVBoxLayout>

#include <algorithm>
#include <exception>
#include <stdexcept>

namespace quorvan {

namespace {

// Boxes created at run time: 20 pixels tall as placed (their font decides),
// row n level with member line n.
constexpr int BoxHeight = 20;
constexpr int MemberTabBase = 1; // member box of row n takes tab value n + 1
constexpr int HitTabBase = 51;   // hit box of row n takes tab value n + 51
constexpr int ResultLeft = 703;
constexpr int ResultWidth = 100;

// Box names: the column's prefix and the row number.
QString BoxName(Column column, int32_t row)
{
    const char* prefix = column == Column::Members ? "edit1_" : column == Column::Hits ? "edit2_" : "edit3_";
    return QLatin1String(prefix) + QString::number(row);
}

ControlFont FontOf(const DesignedFont& design)
{
    QFont font(QString::fromUtf8(design.Face));
    font.setPixelSize(design.Pixels);
    font.setBold(design.Bold);
    return {font, QColor(design.Colour)};
}

// The message of the error being handled. The program's own errors come in
// both languages; any other says in English what went wrong.
Words CaughtFailure()
{
    try {
        throw;
    } catch (const UserError& error) {
        return error.Message();
    } catch (const std::exception& error) {
        return Say(MessageId::UnexpectedError).arg(Verbatim(QString::fromUtf8(error.what())));
    } catch (...) {
        return Say(MessageId::UnknownError);
    }
}

} // namespace

MainWindow::MainWindow(Platform& platform) : random(platform), platform_(platform)
{
    menuBar_ = new QMenuBar(this);
    menuBar_->setObjectName(QStringLiteral("MenuBar"));
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
    statusBar_ = new QStatusBar(this);
    statusBar_->setObjectName(QStringLiteral("StatusBar"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    layout->setMenuBar(menuBar_);
    layout->addWidget(scroll_);
    layout->addWidget(statusBar_);

    build();
}

void MainWindow::build()
{
    setObjectName(QLatin1String(WindowName));
    setWindowTitle(QLatin1String(WindowCaption));
    setWindowIcon(ProgramIcon());
    client_->setPalette(DesignedPalette());
    // The designed area has the designed font; the bars keep the desktop's.
    client_->setFont(FontOf(WindowFont).Font);
    setOuterSize(DesignedWidth, DesignedHeight);
    model.BoxFont = {FontOf({FontDialogFace, FontDialogPixels}).Font, DesignedPalette().color(QPalette::WindowText)};

    controls_.reserve(static_cast<qsizetype>(DesignedControls.size()) + 3 * MostMembers);
    for (const DesignedControl& design : DesignedControls) {
        QWidget* control = design.Create(*this);
        control->setParent(client_);
        control->setGeometry(design.Bounds);
        if (design.Font.Face)
            SetControlFont(control, FontOf(design.Font));
        addControl(control, QString::fromUtf8(design.Name), !design.Graphic());
        if (design.Text)
            SetControlText(control, QString::fromUtf8(design.Text));
        if (auto* button = qobject_cast<QPushButton*>(control)) {
            button->setAutoDefault(false);
            PressOnEnter(button);
        }
    }

    // What the table does not say.
    settingsFrame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    settingsFrame->setAttribute(Qt::WA_TransparentForMouseEvents);
    guideLink->setPixmap(ProgramIcon().pixmap(guideLink->size()));
    guideLink->adjustSize();
    guideLink->setToolTip(localized(texts::GuideJapanese, texts::GuideEnglish));
    guideLink->setCursor(Qt::PointingHandCursor);
    countSpinner->setRange(2, MostMembers);
    countSpinner->requestPosition(2);
    titleLabel->setAutoFillBackground(true);
    QPalette title = titleLabel->palette();
    title.setColor(QPalette::Window, Qt::black);
    titleLabel->setPalette(title);
    crossLinesBox->setChecked(true);
    rows_[static_cast<size_t>(Column::Members)] = {nullptr, firstMemberBox};
    rows_[static_cast<size_t>(Column::Hits)] = {nullptr, firstHitBox};
    connect(firstHitBox, &EditBox::clicked, this, &MainWindow::hitBoxClicked);
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
}

// The names a screen reader gives what has no caption of its own; buttons,
// check box and labels are named by their captions.
void MainWindow::nameControls()
{
    // Worked out once: ［HIT-ALL］ names 480 boxes at a time.
    boxNames_ = {localized(Say(MessageId::MemberBoxName)), localized(Say(MessageId::HitBoxName)),
                 localized(Say(MessageId::ResultBoxName))};
    nameBox(firstMemberBox, Column::Members, 1);
    nameBox(firstHitBox, Column::Hits, 1);
    countSpinner->setAccessibleName(localized(Say(MessageId::CountSpinnerName)));
    ladderImage->setAccessibleName(localized(Say(MessageId::LadderName)));
    guideLink->setAccessibleName(localized(Say(MessageId::GuideLinkName)));
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

EditBox* MainWindow::createBox(Column column, int32_t row, const ControlFont& font, int firstTop, int left, int width)
{
    // Level with the row's member line, one pitch a row below the first row.
    const int top = CheckedAdd(firstTop, CheckedMul(RowPitch, CheckedSub(row, 1)));
    auto* box = new EditBox(row);
    // The font first: the box then takes nothing more from the window it joins.
    SetControlFont(box, font);
    box->hide();
    box->setParent(client_);
    box->setBounds(left, top, width, BoxHeight);
    addControl(box, BoxName(column, row), true);
    nameBox(box, column, row);
    QList<EditBox*>& boxes = rows_[static_cast<size_t>(column)];
    if (boxes.size() <= row)
        boxes.resize(row + 1);
    boxes[row] = box;
    return box; // empty: a new edit box has no text of its own

}

void MainWindow::createRow(int32_t row, const QString& memberText)
{
    const ControlFont font = ControlFontOf(firstMemberBox);
    freeBox(Column::Members, row);
    EditBox* member = createBox(Column::Members, row, font, firstMemberBox->y(), firstMemberBox->x(),
                                firstMemberBox->width());
    tabs_.SetTabValue(member, CheckedAdd(row, MemberTabBase));
    member->setText(memberText);
    member->show();

    freeBox(Column::Hits, row);
    EditBox* hit = createBox(Column::Hits, row, font, firstHitBox->y(), firstHitBox->x(), firstHitBox->width());
    tabs_.SetTabValue(hit, CheckedAdd(row, HitTabBase));
    connect(hit, &EditBox::clicked, this, &MainWindow::hitBoxClicked);
    hit->show();
}

EditBox& MainWindow::createResultBox(int32_t row)
{
    EditBox* result =
        createBox(Column::Results, row, ControlFontOf(firstMemberBox), firstHitBox->y(), ResultLeft, ResultWidth);
    result->show();
    return *result;
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
        countSpinner,         setUpButton,       loadMembersButton, crossLinesBox,
        buildButton,          shuffleMembersButton, shuffleHitsButton, loadHitsButton,
        hitAllButton,         saveTextButton,    saveWorkbookButton,
    };
    return controls[static_cast<size_t>(control)];
}

void MainWindow::showStatus(const QString& text)
{
    statusBar_->showMessage(text);
}

void MainWindow::showCount(int32_t count)
{
    countDisplay->setCaption(QString::number(count));
    countDisplay->repaint();
}

void MainWindow::showLoadedCounts()
{
    const auto text = [](const std::optional<int32_t>& count) {
        return count ? QString::number(*count) : QString();
    };
    membersLoadedLabel->setCaption(text(model.MembersLoaded));
    hitsLoadedLabel->setCaption(text(model.HitsLoaded));
}

void MainWindow::showShuffleCount(Column column)
{
    const bool members = column == Column::Members;
    const int32_t shuffles = members ? model.MemberShuffleCount : model.HitShuffleCount;
    const QString caption = localized(texts::ShuffleJapanese, texts::ShuffleEnglish);
    (members ? shuffleMembersButton : shuffleHitsButton)
        ->setText(shuffles == 0 ? caption : QStringLiteral("%1(%2)").arg(caption).arg(shuffles));
}

void MainWindow::addStatusControl(QWidget* control)
{
    // Reached from the keyboard through its menu entry: the tab sequence
    // stays the designed one.
    control->setFocusPolicy(Qt::NoFocus);
    statusBar_->addPermanentWidget(control);
}

QString MainWindow::statusText() const
{
    return statusBar_->currentMessage();
}

void MainWindow::showTracedHit(int32_t row, int32_t member)
{
    clearTracedHit();
    const EditBox* reached = findBox(Column::Members, member);
    const QString memberText = reached ? reached->text() : QString();
    const QString words =
        localized(memberText.isEmpty()
                      ? Say(MessageId::HitReachedEmptyMember).arg(Verbatim(row), Verbatim(member))
                      : Say(MessageId::HitReachedMember).arg(Verbatim(row), Verbatim(memberText), Verbatim(member)));
    hitBox(row).setAccessibleDescription(words);
    describedHit_ = row;
    showStatus(words);
}

void MainWindow::clearTracedHit()
{
    if (EditBox* described = findBox(Column::Hits, describedHit_))
        described->setAccessibleDescription({});
    describedHit_ = 0;
    showStatus({});
}

void MainWindow::clearLadder()
{
    LadderBitmap& ladder = bitmap();
    ladder.FillRect(0, 0, ladder.Width(), ladder.Height());
}

void MainWindow::showLadderLines(int32_t lines)
{
    ladderImage->resize(ladderImage->width(), CheckedMul(CheckedAdd(lines, 1), RowPitch));
}

bool MainWindow::japanese()
{
    return platform_.UserLocaleId() == LocaleJapanese;
}

QString MainWindow::localized(const QString& japanese, const QString& english)
{
    return this->japanese() ? japanese : english;
}

QString MainWindow::localized(const Words& words)
{
    return words.In(japanese());
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
    const int menus = menuBar_->heightForWidth(width);
    return (menus < 0 ? menuBar_->sizeHint().height() : menus) + statusBar_->sizeHint().height();
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

void MainWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
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
    QWidget::resizeEvent(event);
    refreshScrollExtent();
}

void MainWindow::refreshScrollExtent()
{
    QSize content;
    for (const QWidget* child : client_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
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

void MainWindow::runCommand(const std::function<void()>& command)
{
    std::optional<Words> failure;
    try {
        command();
    } catch (...) {
        failure = CaughtFailure();
    }
    try {
        finishCommand();
    } catch (...) {
        if (!failure)
            failure = CaughtFailure();
    }
    if (failure)
        platform_.ShowErrorMessage(localized(*failure));
}

void MainWindow::finishCommand()
{
    setDefaultCursor();
    tabs_.Apply();
    refreshScrollExtent();
    ladderImage->update();
}

} // namespace quorvan
