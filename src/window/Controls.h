#pragma once
// The kinds of control the main window is made of, where Qt's own widgets
// behave differently from what the window needs.

#include "Platform.h"

#include <QLabel>
#include <QLineEdit>

#include <functional>

namespace quorvan {

ControlFont ControlFontOf(const QWidget* control);
void SetControlFont(QWidget* control, const ControlFont& font);

// Sets the text of a static text, label, button or edit box.
void SetControlText(QWidget* control, const QString& text);

// Static text and labels: size themselves to their text whenever it is set.
class StaticText : public QLabel {
public:
    using QLabel::QLabel;
    void SetCaption(const QString& text);

protected:
    void changeEvent(QEvent* event) override;
};

// A single-line edit box whose height follows its font, with a click handler.
// A text set while the box has no focus shows from its beginning.
class EditBox : public QLineEdit {
public:
    using ClickHandler = std::function<void(EditBox*)>;

    explicit EditBox(QWidget* parent = nullptr);

    // Places the box; the height given is replaced by the height of its font.
    void SetBounds(int left, int top, int width, int height);
    int FontHeight() const;

    ClickHandler OnClick;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
};

// A picture that answers a click.
class Picture : public QLabel {
public:
    using QLabel::QLabel;
    std::function<void()> OnClick;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace quorvan
