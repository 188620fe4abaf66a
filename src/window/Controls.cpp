#include "window/Controls.h"

#include "ladder/Geometry.h"
#include "window/WindowDesign.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>
#include <QStyle>

#include <stdexcept>

namespace quorvan {

namespace {

// An edit box is its font's height plus its border and inner margins.
constexpr int EditBoxChrome = 8;

bool IsEnter(const QKeyEvent* event)
{
    return (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()
           && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// Presses the button it watches when Enter or Return goes down on it.
class EnterPresser : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || !IsEnter(static_cast<QKeyEvent*>(event)))
            return false;
        static_cast<QAbstractButton*>(watched)->click();
        return true;
    }
};

} // namespace

const QPalette& DesignedPalette()
{
    static const QPalette designed = [] {
        QPalette palette = QApplication::style()->standardPalette();
        QApplication::style()->polish(palette); // the style's greyed text
        palette.setColor(QPalette::Window, WindowColour);
        return palette;
    }();
    return designed;
}

ControlFont ControlFontOf(const QWidget* control)
{
    return {control->font(), control->palette().color(QPalette::WindowText)};
}

void SetControlFont(QWidget* control, const ControlFont& font)
{
    if (control->font() != font.Font || control->font().resolveMask() != font.Font.resolveMask())
        control->setFont(font.Font);
    // Everything but the text as designed, not as the desktop's scheme has it.
    QPalette palette = DesignedPalette();
    // Disabled controls keep the style's greyed text.
    for (const auto group : {QPalette::Active, QPalette::Inactive})
        for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(group, role, font.Colour);
    if (palette != control->palette() || palette.resolveMask() != control->palette().resolveMask())
        control->setPalette(palette);
}

void SetControlText(QWidget* control, const QString& text)
{
    if (auto* staticText = dynamic_cast<StaticText*>(control))
        staticText->setCaption(text);
    else if (auto* button = dynamic_cast<QAbstractButton*>(control))
        button->setText(text);
    else if (auto* edit = dynamic_cast<QLineEdit*>(control))
        edit->setText(text);
    else
        throw std::logic_error("Control " + control->objectName().toStdString() + " has no text");
}

void PressOnEnter(QAbstractButton* button)
{
    button->installEventFilter(new EnterPresser(button));
}

void StaticText::setCaption(const QString& text)
{
    setText(text);
    adjustSize();
}

void StaticText::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        adjustSize();
}

EditBox::EditBox(int row, QWidget* parent) : QLineEdit(parent), row_(row)
{
    // A name, never longer: what the lists and draw records hold, and little
    // enough memory for a full window of them.
    setMaxLength(LongestName);
    // A text the program puts into a box (a list, a shuffle, a result) shows
    // its beginning, as a name is read; Qt would leave the end in view. The
    // user types only into the window's focus box, which keeps Qt's
    // behaviour, whether or not the desktop calls the window active (keys
    // reach a window that is not, on X without a window manager).
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (window()->focusWidget() != this)
            setCursorPosition(0);
    });
}

int EditBox::fontHeight() const
{
    return QFontInfo(font()).pixelSize() + EditBoxChrome;
}

void EditBox::setBounds(int left, int top, int width, int /*height*/)
{
    setGeometry(left, top, width, fontHeight());
}

void EditBox::mouseReleaseEvent(QMouseEvent* event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked(row_);
}

void EditBox::keyPressEvent(QKeyEvent* event)
{
    QLineEdit::keyPressEvent(event);
    if (IsEnter(event))
        emit clicked(row_);
}

void EditBox::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        resize(width(), fontHeight());
}

void Picture::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace quorvan

#include "moc_Controls.cpp"
