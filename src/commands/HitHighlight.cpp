#include "HitHighlight.h"

#include "MainForm.h"
#include "Tracing.h"

#include <stdexcept>

namespace quorvan {

namespace {

constexpr int PrefixLength = 6; // "edit2_"
constexpr int MostDigits = 3;

// The row number a hit box carries in its name.
int32_t RowOfHitBox(const EditBox& hitBox)
{
    bool converted = false;
    const int32_t row = hitBox.objectName().mid(PrefixLength, MostDigits).toInt(&converted, 10);
    if (!converted)
        throw std::invalid_argument("The box \"" + hitBox.objectName().toStdString()
                                    + "\" does not name a hit row");
    return row;
}

} // namespace

void RunHitHighlight(MainForm& form, const EditBox& hitBox)
{
    if (form.State.LadderBuilt != 1)
        return;
    LadderBitmap& bitmap = form.Bitmap();
    if (form.State.LitHit != 0) {
        bitmap.SetPenColour(ColourBlack);
        bitmap.SetPenWidth(2);
        TraceFromHit(form.State.Grid, bitmap, form.State.LitHit);
    }
    const int32_t row = RowOfHitBox(hitBox);
    form.State.LitHit = row;
    bitmap.SetPenColour(ColourRed);
    bitmap.SetPenWidth(2);
    TraceFromHit(form.State.Grid, bitmap, row);
}

} // namespace quorvan
