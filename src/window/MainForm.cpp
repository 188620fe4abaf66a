#include "MainForm.h"

#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>
#include <QShowEvent>
#include <QVBoxLayout>

#include <algorithm>
#include <exception>
#include <stdexcept>

namespace quorvan {

MainForm::MainForm(Platform& platform) : State(platform), platform_(platform)
{
    scroll_ = new QScrollArea(this);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    scroll_->setWidgetResizable(false);
    // The scrolled area is no stop of its own: Tab moves between the controls.
    scroll_->setFocusPolicy(Qt::NoFocus);
    client_ = new QWidget;
    client_->setObjectName(QStringLiteral("ClientArea"));
    client_->setAutoFillBackground(true);
    scroll_->setWidget(client_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll_);
}

void MainForm::AddComponent(QWidget* control, const QString& name, Kind kind)
{
    control->setObjectName(name);
    components_.insert(name.toLower(), control);
    if (kind == Kind::Windowed)
        tabs_.Append(control);
}

QWidget* MainForm::FindComponent(const QString& name) const
{
    return components_.value(name.toLower(), nullptr);
}

EditBox* MainForm::FindEditBox(const QString& name) const
{
    return dynamic_cast<EditBox*>(FindComponent(name));
}

EditBox& MainForm::EditBoxNamed(const QString& name) const
{
    EditBox* box = FindEditBox(name);
    if (!box)
        throw std::logic_error("The window has no box named " + name.toStdString());
    return *box;
}

void MainForm::FreeComponent(const QString& name)
{
    QWidget* control = components_.take(name.toLower());
    if (!control)
        return;
    tabs_.Remove(control);
    delete control;
}

EditBox* MainForm::CreateEditBox(const QString& name, int left, int top, int width, int height)
{
    auto* box = new EditBox;
    box->hide();
    box->setParent(client_);
    box->SetBounds(left, top, width, height);
    AddComponent(box, name, Kind::Windowed);
    box->clear();
    return box;
}

bool MainForm::Japanese()
{
    return platform_.UserDefaultLCID() == LocaleJapanese;
}

QString MainForm::Localized(const QString& japanese, const QString& english)
{
    return Japanese() ? japanese : english;
}

void MainForm::SetBusyCursor() { platform_.SetMouseCursor(MouseCursor::Hourglass); }
void MainForm::SetDefaultCursor() { platform_.SetMouseCursor(MouseCursor::Default); }

QSize MainForm::OuterSize() const
{
    return frameGeometry().size();
}

void MainForm::SetOuterSize(int width, int height)
{
    outerSize_ = QSize(width, height);
    const QSize frame = frameGeometry().size() - geometry().size();
    resize(width - frame.width(), height - frame.height());
}

void MainForm::SetOuterWidth(int width)
{
    SetOuterSize(width, OuterSize().height());
}

void MainForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (shown_ || event->spontaneous())
        return;
    shown_ = true;
    // The frame is known only now: make the outer size the designed one and centre it.
    if (outerSize_.isValid())
        SetOuterSize(outerSize_.width(), outerSize_.height());
    if (const QScreen* screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    // The window opens with the keyboard on the first control of its tab sequence.
    tabs_.Apply();
    if (QWidget* first = tabs_.FirstStop())
        first->setFocus(Qt::TabFocusReason);
}

void MainForm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    RefreshScrollExtent();
}

void MainForm::RefreshScrollExtent()
{
    int bottom = 0;
    for (const QWidget* child : client_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isHidden())
            bottom = std::max(bottom, child->geometry().bottom() + 1);
    }
    const QSize viewport = scroll_->maximumViewportSize();
    const bool scrolls = bottom > viewport.height();
    const int scrollBar = scrolls ? scroll_->verticalScrollBar()->sizeHint().width() : 0;
    client_->resize(viewport.width() - scrollBar, std::max(bottom, viewport.height()));
}

void MainForm::ClearLadderImage()
{
    LadderBitmap& bitmap = Bitmap();
    bitmap.FillRect(0, 0, bitmap.Width(), bitmap.Height());
}

void MainForm::RunCommand(const std::function<void()>& handler)
{
    QString failure;
    try {
        handler();
    } catch (const std::exception& error) {
        failure = QString::fromUtf8(error.what());
    } catch (...) {
        failure = QStringLiteral("The command ended with an unknown error.");
    }
    try {
        FinishCommand();
    } catch (const std::exception& error) {
        if (failure.isEmpty())
            failure = QString::fromUtf8(error.what());
    }
    if (!failure.isEmpty())
        platform_.ShowErrorMessage(failure);
}

void MainForm::FinishCommand()
{
    SetDefaultCursor();
    tabs_.Apply();
    RefreshScrollExtent();
    Image1->update();
}

} // namespace quorvan
