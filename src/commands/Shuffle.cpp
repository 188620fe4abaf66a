#include "Shuffle.h"

#include "Checked.h"
#include "MainForm.h"
#include "Texts.h"

#include <vector>

namespace quorvan {

namespace {

EditBox& BoxOfRow(MainForm& form, ShuffleColumn column, int32_t row)
{
    return form.EditBoxNamed(column == ShuffleColumn::Members ? texts::MemberBoxName(row) : texts::HitBoxName(row));
}

} // namespace

void RunShuffle(MainForm& form, ShuffleColumn column)
{
    QPushButton* button = column == ShuffleColumn::Members ? form.Button4 : form.Button5;
    int32_t& shuffles =
        column == ShuffleColumn::Members ? form.State.MemberShuffleCount : form.State.HitShuffleCount;
    button->setEnabled(false);

    const int32_t rows = form.UpDown1->Position();
    std::vector<QString> saved(static_cast<size_t>(rows) + 1);
    for (int32_t row = 1; row <= rows; ++row) {
        EditBox& box = BoxOfRow(form, column, row);
        saved[row] = box.text();
        box.clear();
    }

    // Row m receives the text of the m-th distinct row drawn.
    form.State.Random.SeedRandom();
    std::vector<int32_t> slot(static_cast<size_t>(rows) + 1, 0);
    for (int32_t drawn = 0; drawn != rows;) {
        const int32_t row = form.State.Random.RandomBelow(rows) + 1;
        if (slot[row] == 0)
            slot[row] = ++drawn;
    }
    for (int32_t row = 1; row <= rows; ++row)
        BoxOfRow(form, column, slot[row]).setText(saved[row]);

    shuffles = CheckedAdd(shuffles, 1);
    button->setText(QStringLiteral("%1(%2)")
                        .arg(form.Localized(texts::ShuffleJapanese, texts::ShuffleEnglish))
                        .arg(shuffles));
    button->setEnabled(true);
}

} // namespace quorvan
