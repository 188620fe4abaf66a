#include "MemberImport.h"

#include "Geometry.h"
#include "ListImport.h"
#include "MainForm.h"
#include "Reset.h"
#include "RowSetup.h"

#include <algorithm>

namespace quorvan {

void RunMemberImport(MainForm& form)
{
    form.State.RowCount = form.UpDown1->Position();
    form.UpDown1->RequestPosition(2);
    RunRowSetup(form);
    form.BitBtn2->setEnabled(false);
    form.Edit1_1->clear();
    form.Edit2_1->clear();
    form.repaint();

    const auto path = ChooseListFile(form);
    if (!path) {
        RunReset(form);
        form.SetDefaultCursor();
        return;
    }
    form.SetBusyCursor();
    const ListRead list = ReadList(form, *path, MostMembers);
    for (qsizetype member = 1; member <= list.Kept.size(); ++member) {
        if (member == 1)
            form.Edit1_1->setText(list.Kept.first());
        else
            CreateRowBoxes(form, static_cast<int32_t>(member), list.Kept[member - 1]);
    }

    const auto count = static_cast<int32_t>(std::min<int64_t>(list.LinesRead, MostMembers));
    form.UpDown1->RequestPosition(count);
    form.CT->SetCaption(QString::number(count));
    form.Label1->SetCaption(QString::number(count));
    form.Button6->setEnabled(true);
    form.Button4->setEnabled(true);
    form.Button5->setEnabled(false);
    form.BitBtn1->setEnabled(false);
    form.BitBtn2->setEnabled(true);
    form.SetDefaultCursor();
}

} // namespace quorvan
