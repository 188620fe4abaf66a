#pragma once
// The font dialog: Qt's own, never the desktop's native one, with an Apply
// button and a choice of colour added to it.

#include "platform/Platform.h"

#include <QFontDialog>

class QPushButton;

namespace quorvan {

class FontDialog : public QFontDialog {
public:
    FontDialog(const ControlFont& initial, std::function<void(const ControlFont&)> apply,
               QWidget* parent = nullptr);

    // The face, size, style and effects shown, with the colour chosen.
    ControlFont Shown() const;

    QPushButton* ApplyButton() const { return apply_; }
    QPushButton* ColourButton() const { return colourButton_; }

    // Sets the colour as the colour button would.
    void SetColour(const QColor& colour);

private:
    void ChooseColour();
    QColor colour_;
    QPushButton* apply_ = nullptr;
    QPushButton* colourButton_ = nullptr;
};

} // namespace quorvan
