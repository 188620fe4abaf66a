// The fair draw switch. The window's check box sets it and follows it.

#include "commands/Commands.h"

namespace quorvan {

void Commands::onFairDrawToggled(bool on)
{
    if (lottery_.Model.FairDraw == on)
        return;
    lottery_.Model.FairDraw = on;
    emit fairDrawChanged(on);
}

} // namespace quorvan
