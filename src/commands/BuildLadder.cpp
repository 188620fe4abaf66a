#include "BuildLadder.h"

#include "Checked.h"
#include "Generation.h"
#include "Geometry.h"
#include "MainForm.h"

namespace quorvan {

void RunBuild(MainForm& form)
{
    form.SetBusyCursor();
    const int32_t members = form.UpDown1->Position();
    form.Image1->resize(form.Image1->width(),
                        CheckedMul(CheckedAdd(members, 1), RowPitch));
    form.ClearLadderImage();

    const LadderShape shape{members, form.CheckBox1->isChecked()};
    GenerateLadder(shape, form.State.Grid, form.State.Random, form.Bitmap());

    form.BitBtn2->setEnabled(false);
    form.SText->SetCaption(form.Localized(
        QStringLiteral("■→→→でました！■Ｈｉｔの所でマウスをクリックするとMemberへ溯ります。"),
        QStringLiteral("*- completion -*  Mouse click in \"Hit\"")));
    form.State.LadderBuilt = 1;
    form.Button1->setEnabled(true);
    form.Button4->setEnabled(false);
    form.Button5->setEnabled(false);
    form.SetDefaultCursor();
}

} // namespace quorvan
