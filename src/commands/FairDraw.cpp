// The fair draw switch, and a check box that shows and sets it.

#include "commands/Commands.h"

#include <QCheckBox>

namespace quorvan {

void Commands::onFairDrawToggled(bool on)
{
    if (model_.FairDraw == on)
        return;
    model_.FairDraw = on;
    emit fairDrawChanged(on);
}

QCheckBox* Commands::makeFairDrawBox(QWidget* parent)
{
    auto* box = new QCheckBox(window_.localized(QStringLiteral("公平抽選"), QStringLiteral("Fair draw")), parent);
    box->setObjectName(QStringLiteral("FairDrawBox"));
    box->setChecked(model_.FairDraw);
    connect(box, &QCheckBox::toggled, this,
            [this](bool on) { window_.runCommand([this, on] { onFairDrawToggled(on); }); });
    connect(this, &Commands::fairDrawChanged, box, &QCheckBox::setChecked);
    return box;
}

} // namespace quorvan
