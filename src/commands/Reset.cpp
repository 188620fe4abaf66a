#include "Reset.h"

#include "MainForm.h"
#include "ResultColumn.h"
#include "RowSetup.h"
#include "Texts.h"
#include "Tracing.h"

namespace quorvan {

namespace {
constexpr int DesignedWidth = 735;
} // namespace

void RunReset(MainForm& form)
{
    form.SetBusyCursor();
    if (form.State.ResultColumnShown == 1) {
        SetResultColumn(form, RemoveColumn);
        form.State.ResultColumnShown = 0;
    }
    form.SetOuterWidth(DesignedWidth);

    // Every row that has boxes is freed by the Set-up that follows.
    form.State.RowCount = form.UpDown1->Position();
    form.UpDown1->RequestPosition(1);
    RunRowSetup(form);
    form.Edit1_1->clear();
    form.Edit2_1->clear();

    // Two plain lines across the empty ladder.
    form.State.Grid.Clear();
    LadderBitmap& bitmap = form.Bitmap();
    bitmap.SetPenColour(ColourBlack);
    bitmap.SetPenWidth(2);
    const int32_t rows = form.UpDown1->Position();
    for (int32_t line = 1; line <= rows; ++line)
        TraceFromHit(form.State.Grid, bitmap, line);
    bitmap.SetPenWidth(2);
    form.CT->SetCaption(QString::number(rows));

    form.BitBtn2->setEnabled(false);
    form.UpDown1->setEnabled(true);
    form.BitBtn1->setEnabled(true);
    form.CheckBox1->setEnabled(true);
    form.Button6->setEnabled(false);
    form.Button1->setEnabled(false);
    form.Button4->setEnabled(false);
    form.Button5->setEnabled(false);
    form.Button3->setEnabled(true);

    form.Label1->SetCaption({});
    form.Label2->SetCaption({});
    form.SText->SetCaption(form.Localized(texts::StartPromptJapanese, texts::StartPromptEnglish));
    form.State.LadderBuilt = 0;
    form.State.LitHit = 0;
    form.State.MemberShuffleCount = 0;
    form.State.HitShuffleCount = 0;
    const QString shuffle = form.Localized(texts::ShuffleJapanese, texts::ShuffleEnglish);
    form.Button4->setText(shuffle);
    form.Button5->setText(shuffle);
    form.SetDefaultCursor();
}

} // namespace quorvan
