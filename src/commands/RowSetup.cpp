#include "RowSetup.h"

#include "Checked.h"
#include "Geometry.h"
#include "MainForm.h"
#include "Texts.h"

namespace quorvan {

namespace {

constexpr int MemberLeft = 7;
constexpr int HitLeft = 578;
constexpr int BoxWidth = 121;
constexpr int BoxHeight = 20;
constexpr int PreviewStub = 100; // length of each end of a preview line
constexpr int MemberTabBase = 1; // member box of row i takes tab value i + 1
constexpr int HitTabBase = 51;   // hit box of row i takes tab value i + 51

void DrawPreview(MainForm& form)
{
    LadderBitmap& bitmap = form.Bitmap();
    bitmap.SetPenColour(ColourBlack);
    const int32_t width = form.Image1->width();
    for (const int32_t y : {RowPitch, CheckedMul(2, RowPitch)}) {
        bitmap.MoveTo(0, y);
        bitmap.LineTo(PreviewStub, y);
        bitmap.MoveTo(CheckedSub(width, PreviewStub), y);
        bitmap.LineTo(width, y);
    }
}

void FreeEarlierRows(MainForm& form)
{
    const int32_t rows = form.State.RowCount;
    if (rows == 0)
        return;
    for (int32_t row = 2; row <= rows; ++row)
        form.FreeComponent(texts::MemberBoxName(row));
    for (int32_t row = 2; row <= rows; ++row)
        form.FreeComponent(texts::HitBoxName(row));
    for (int32_t row = 1; row <= rows; ++row)
        form.FreeComponent(texts::ResultBoxName(row));
}

EditBox* CreateRowBox(MainForm& form, const QString& name, int left, int top, int tabValue)
{
    form.FreeComponent(name);
    EditBox* box = form.CreateEditBox(name, left, top, BoxWidth, BoxHeight);
    form.Tabs().SetTabValue(box, tabValue);
    SetControlFont(box, ControlFontOf(form.Edit1_1));
    return box;
}

void CreateRows(MainForm& form)
{
    const int32_t rows = form.UpDown1->Position();
    for (int32_t row = 2; row <= rows; ++row)
        CreateRowBoxes(form, row, {});
}

} // namespace

void CreateRowBoxes(MainForm& form, int32_t row, const QString& memberText)
{
    const int offset = CheckedMul(RowPitch, CheckedSub(row, 1));
    EditBox* member = CreateRowBox(form, texts::MemberBoxName(row), MemberLeft,
                                   CheckedAdd(form.Edit1_1->y(), offset), CheckedAdd(row, MemberTabBase));
    member->setText(memberText);
    member->show();
    EditBox* hit = CreateRowBox(form, texts::HitBoxName(row), HitLeft, CheckedAdd(form.Edit2_1->y(), offset),
                                CheckedAdd(row, HitTabBase));
    hit->OnClick = form.Edit2_1->OnClick;
    hit->show();
}

void RunRowSetup(MainForm& form)
{
    form.UpDown1->setEnabled(false);
    form.BitBtn1->setEnabled(false);
    form.Button3->setEnabled(false);
    form.SetBusyCursor();
    form.repaint();

    form.CT->SetCaption(QString::number(form.UpDown1->Position()));
    form.CT->repaint();

    form.Image1->resize(form.Image1->width(), CheckedMul(3, RowPitch));
    form.ClearLadderImage();
    DrawPreview(form);

    form.Edit1_1->clear();
    form.Edit2_1->clear();
    FreeEarlierRows(form);
    CreateRows(form);

    form.SText->SetCaption(form.Localized(
        QStringLiteral("■→→Memberと「当たり！？内容」を入力して、下の「Vessapoボタン」押下"),
        QStringLiteral("Member and Hit are input and the Vessapo_button is pushed")));
    form.State.RowCount = form.UpDown1->Position();

    form.Button4->setEnabled(true);
    form.Button5->setEnabled(true);
    form.CheckBox1->setEnabled(false);
    form.BitBtn2->setEnabled(true);

    // Past the end of the sequence: the command buttons close it in this order.
    int tabValue = 1001;
    for (QWidget* button : {form.BitBtn1, form.BitBtn2, form.Button1, form.Button2, form.Button7,
                            form.BitBtn3, form.BitBtn4})
        form.Tabs().SetTabValue(button, tabValue++);

    form.State.MemberShuffleCount = 0;
    form.State.HitShuffleCount = 0;
    form.SetDefaultCursor();
}

} // namespace quorvan
