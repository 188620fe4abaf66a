#include "HitImport.h"

#include "Geometry.h"
#include "ListImport.h"
#include "MainForm.h"
#include "Texts.h"

#include <algorithm>

namespace quorvan {

void RunHitImport(MainForm& form)
{
    const auto path = ChooseListFile(form);
    if (!path) {
        form.SetDefaultCursor();
        return;
    }
    form.SetBusyCursor();
    // The member count the member list import showed; nothing changes it meanwhile.
    const int32_t limit = std::clamp(form.CT->text().toInt(), 0, MostMembers);
    const ListRead list = ReadList(form, *path, limit);
    for (qsizetype hit = 1; hit <= list.Kept.size(); ++hit) {
        form.EditBoxNamed(texts::HitBoxName(static_cast<int32_t>(hit))).setText(list.Kept[hit - 1]);
    }

    const auto count = std::min<int64_t>(list.LinesRead, MostMembers);
    form.Label2->SetCaption(QString::number(count));
    form.Button6->setEnabled(false);
    form.Button3->setEnabled(false);
    form.Button5->setEnabled(true);
    form.BitBtn2->setEnabled(true);
    form.SetDefaultCursor();
}

} // namespace quorvan
