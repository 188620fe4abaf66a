// What the member and hit list imports share: the open dialog and reading
// the file chosen in it.

#include "commands/Commands.h"
#include "lists/ListReader.h"
#include "platform/Platform.h"
#include "texts/Words.h"
#include "window/MainWindow.h"

#include <QFileInfo>

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
    const QString reader = platform.HelperProgram(QStringLiteral("quorvan-sheet-reader"));
    const auto encodingLocale = platform.TextEncodingLocale();
    ListRead list;
    // Off the window's thread: a slow or stuck reader leaves the window drawn, and Cancel stops it.
    const QString doing = Say(MessageId::ReadingList).arg(Verbatim(QFileInfo(path).fileName())).In(window_.japanese());
    platform.RunWhileWaiting(doing, [&](std::stop_token stop) {
        const WorkbookReading workbooks{reader, [&](const QDate& date) { return platform.ShortDate(date); },
                                        [&](const QTime& time) { return platform.LongTime(time); }, stop};
        list = ReadList(path, keep, {encodingLocale, workbooks});
    });
    return list;
}

} // namespace quorvan
