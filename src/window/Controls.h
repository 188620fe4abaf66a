#pragma once
// The kinds of control the main window is made of, where Qt's own widgets
// behave differently from what the window needs.

#include "platform/Platform.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>

namespace quorvan {

// The colours the window is designed with, whatever the desktop's scheme:
// the style's own light colours, silver behind the controls. The text of a
// control with a font of its own takes that font's colour, on these
// backgrounds: white in edit boxes, the button face behind captions.
const QPalette& DesignedPalette();

ControlFont ControlFontOf(const QWidget* control);
void SetControlFont(QWidget* control, const ControlFont& font);

// Sets the text of a static text, label, button or edit box.
void SetControlText(QWidget* control, const QString& text);

// Makes Enter and Return press `button` while it has the focus, as Space does.
void PressOnEnter(QAbstractButton* button);

// Static text and labels: size themselves to their text whenever it is set.
class StaticText : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    void setCaption(const QString& text);

protected:
    void changeEvent(QEvent* event) override;
};

// A single-line edit box of one row of the lottery, whose height follows its
// font. A text set while the box has no focus shows from its beginning.
class EditBox : public QLineEdit {
    Q_OBJECT
public:
    // The designed first boxes are those of row 1.
    explicit EditBox(int row = 1, QWidget* parent = nullptr);

    // The row the box belongs to.
    int row() const { return row_; }

    // Places the box; the height given is replaced by the height of its font.
    void setBounds(int left, int top, int width, int height);
    int fontHeight() const;

signals:
    // A click with the left button inside the box, or Enter while it has the focus.
    void clicked(int row);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    int row_;
};

// A picture that answers a click.
class Picture : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    // Does what a click does.
    void click() { emit clicked(); }

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace quorvan
