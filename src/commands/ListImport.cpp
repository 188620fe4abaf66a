// What the member and hit list imports share: the open dialog and reading
// the file chosen in it.

#include "commands/Commands.h"
#include "lists/ListReader.h"
#include "platform/Platform.h"
#include "window/MainWindow.h"

namespace quorvan {

namespace {
const QString ListFilter =
    QStringLiteral("*.txt;*.csv;*.xls;*.xlsx;*.ods|*.txt;*.csv;*.xls;*.xlsx;*.ods|*.*|*.*");
} // namespace

std::optional<QString> Commands::chooseListFile()
{
    auto chosen = window_.platform().ChooseFileToOpen(ListFilter, lottery_.Model.LastListFile);
    if (chosen)
        lottery_.Model.LastListFile = *chosen;
    return chosen;
}

ListRead Commands::readList(const QString& path, int32_t keep)
{
    Platform& platform = window_.platform();
    const WorkbookReading workbooks{platform.HelperProgram(QStringLiteral("quorvan-sheet-reader")),
                                    [&](const QDate& date) { return platform.ShortDate(date); },
                                    [&](const QTime& time) { return platform.LongTime(time); }};
    return ReadList(path, keep, {platform.TextEncodingLocale(), workbooks});
}

} // namespace quorvan
