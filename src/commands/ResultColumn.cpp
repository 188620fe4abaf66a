#include "ResultColumn.h"

#include "Checked.h"
#include "Geometry.h"
#include "MainForm.h"
#include "Texts.h"
#include "Tracing.h"

#include <algorithm>

namespace quorvan {

namespace {

constexpr int ResultLeft = 703;
constexpr int ResultWidth = 100;
constexpr int ResultHeight = 20;
constexpr int WidthWithResults = 840;

void RemoveResultBoxes(MainForm& form, int32_t rows)
{
    for (int32_t row = 1; row <= rows; ++row)
        form.FreeComponent(texts::ResultBoxName(row));
}

void CreateResultBoxes(MainForm& form)
{
    const int base = form.FindComponent(texts::HitBoxName(1))->y();
    const int32_t rows = form.UpDown1->Position();
    for (int32_t row = 1; row <= rows; ++row) {
        const int top = CheckedAdd(base, CheckedMul(RowPitch, CheckedSub(row, 1)));
        form.CreateEditBox(texts::ResultBoxName(row), ResultLeft, top, ResultWidth, ResultHeight)->show();
    }
}

void FillResultBox(MainForm& form, int32_t hit, const ControlFont& memberFont)
{
    const int32_t member = TraceFromHit(form.State.Grid, form.Bitmap(), hit);
    const QString memberText = form.EditBoxNamed(texts::MemberBoxName(member)).text();
    EditBox& resultBox = form.EditBoxNamed(texts::ResultBoxName(hit));
    SetControlFont(&resultBox, memberFont);
    resultBox.setText(memberText.isEmpty() ? QStringLiteral("Member-%1").arg(member) : memberText);
}

} // namespace

void SetResultColumn(MainForm& form, int32_t mode)
{
    if (mode == RemoveColumn)
        RemoveResultBoxes(form, form.State.RowCount);
    else
        CreateResultBoxes(form);
    form.Button1->setEnabled(false);
    form.Button2->setEnabled(false);
    form.Button7->setEnabled(false);
}

void RunHitAll(MainForm& form)
{
    form.SetBusyCursor();
    // A column left by an earlier ［HIT-ALL］ goes first, so each row keeps exactly one box.
    if (form.State.ResultColumnShown == 1)
        RemoveResultBoxes(form, std::max(form.State.RowCount, form.UpDown1->Position()));
    SetResultColumn(form, CreateColumn);
    form.State.ResultColumnShown = 1;
    form.SetOuterWidth(WidthWithResults);

    form.Bitmap().SetPenColour(ColourBlack);
    form.Bitmap().SetPenWidth(2);
    const int32_t rows = form.UpDown1->Position();
    const ControlFont memberFont = ControlFontOf(form.Edit1_1); // nothing changes it meanwhile
    for (int32_t hit = 1; hit <= rows; ++hit)
        FillResultBox(form, hit, memberFont);

    form.Button2->setEnabled(true);
    form.Button7->setEnabled(true);
    form.SetDefaultCursor();
}

QList<ResultPair> ResultPairs(MainForm& form)
{
    QList<ResultPair> results;
    const int32_t rows = form.UpDown1->Position();
    for (int32_t row = 1; row <= rows; ++row)
        results.append({form.EditBoxNamed(texts::HitBoxName(row)).text(),
                        form.EditBoxNamed(texts::ResultBoxName(row)).text()});
    return results;
}

} // namespace quorvan
