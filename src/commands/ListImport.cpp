// What the member and hit list imports share: the open dialog and reading
// the file chosen in it.

#include "Commands.h"
#include "ListReader.h"

#include <QFileInfo>

namespace quorvan {

namespace {
const QString ListFilter =
    QStringLiteral("*.txt;*.csv;*.xls;*.xlsx;*.ods|*.txt;*.csv;*.xls;*.xlsx;*.ods|*.*|*.*");
} // namespace

std::optional<QString> Commands::chooseListFile()
{
    auto chosen = window_.platform().ChooseFileToOpen(ListFilter, model_.LastListFile);
    if (chosen)
        model_.LastListFile = *chosen;
    return chosen;
}

ListRead Commands::readList(const QString& path, int32_t keep)
{
    Platform& platform = window_.platform();
    const QString reader = platform.HelperProgram(QStringLiteral("quorvan-xls-reader"));
    const int32_t localeId = platform.UserLocaleId();
    ListRead list;
    // Off the window's thread: a slow or stuck reader leaves the window drawn, and Cancel stops it.
    const QString doing = Say(MessageId::ReadingList).arg(Verbatim(QFileInfo(path).fileName())).In(window_.japanese());
    platform.RunWhileWaiting(doing, [&](std::stop_token stop) {
        const WorkbookReading workbooks{reader, [&](const QDate& date) { return platform.ShortDate(date); },
                                        [&](const QTime& time) { return platform.LongTime(time); }, stop};
        list = ReadList(path, keep, {localeId, workbooks});
    });
    return list;
}

} // namespace quorvan
