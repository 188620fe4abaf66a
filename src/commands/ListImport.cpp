#include "ListImport.h"

#include "MainForm.h"

namespace quorvan {

namespace {
const QString ListFilter = QStringLiteral("*.txt;*.xls|*.txt;*.xls|*.*|*.*");
} // namespace

std::optional<QString> ChooseListFile(MainForm& form)
{
    auto chosen = form.Environment().GetOpenFileName(ListFilter, form.OpenDialog1FileName);
    if (chosen)
        form.OpenDialog1FileName = *chosen;
    return chosen;
}

ListRead ReadList(MainForm& form, const QString& path, int32_t keep)
{
    Platform& platform = form.Environment();
    const WorkbookReading workbooks{platform.HelperProgram(QStringLiteral("quorvan-xls-reader")),
                                    [&](const QDate& date) { return platform.ShortDate(date); },
                                    [&](const QTime& time) { return platform.LongTime(time); }};
    return ReadList(path, keep, {platform.UserDefaultLCID(), workbooks});
}

} // namespace quorvan
