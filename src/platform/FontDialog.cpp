#include "platform/FontDialog.h"

#include "texts/UserText.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPixmap>
#include <QPushButton>

namespace quorvan {

namespace {

// The dialog lists installed families in points: a designed face that stands
// for another one is shown as the face that really draws it.
QFont AsListed(const QFont& font)
{
    const QFontInfo drawn(font);
    QFont listed = font;
    if (!QFontDatabase::families().contains(font.family())) {
        listed.setFamily(drawn.family());
        listed.setStyleName(drawn.styleName());
    }
    listed.setPointSizeF(drawn.pointSizeF());
    return listed;
}

} // namespace

FontDialog::FontDialog(const ControlFont& initial, std::function<void(const ControlFont&)> apply,
                       QWidget* parent)
    : QFontDialog(parent), colour_(initial.Colour)
{
    setOption(QFontDialog::DontUseNativeDialog);
    setFont(QApplication::font()); // not the main window's
    setCurrentFont(AsListed(initial.Font));
    auto* buttons = findChild<QDialogButtonBox*>();
    colourButton_ = buttons->addButton(Say(MessageId::FontColourButton), QDialogButtonBox::ActionRole);
    apply_ = buttons->addButton(QDialogButtonBox::Apply);
    SetColour(colour_);
    connect(colourButton_, &QPushButton::clicked, this, [this] { ChooseColour(); });
    connect(apply_, &QPushButton::clicked, this, [this, apply = std::move(apply)] { apply(Shown()); });
}

ControlFont FontDialog::Shown() const
{
    return {currentFont(), colour_};
}

void FontDialog::SetColour(const QColor& colour)
{
    colour_ = colour;
    QPixmap swatch(12, 12);
    swatch.fill(colour_);
    colourButton_->setIcon(swatch);
}

void FontDialog::ChooseColour()
{
    const QColor chosen = QColorDialog::getColor(colour_, this, Say(MessageId::FontColourTitle));
    if (chosen.isValid())
        SetColour(chosen);
}

} // namespace quorvan
