// Excel: saves the member/hit pairs under a time stamp as a new workbook.

#include "commands/Commands.h"
#include "platform/Platform.h"
#include "texts/UserText.h"
#include "window/MainWindow.h"
#include "workbook/WorkbookSaving.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <iterator>
#include <utility>

namespace quorvan {

namespace {

// The save dialog's entries, in order: each kind's description and ending.
const std::pair<MessageId, QString> Kinds[] = {{MessageId::XlsDescription, QStringLiteral(".xls")},
                                              {MessageId::XlsxDescription, QStringLiteral(".xlsx")},
                                              {MessageId::OdsDescription, QStringLiteral(".ods")},
                                              {MessageId::CsvDescription, QStringLiteral(".csv")}};

constexpr int KindCount = int(std::size(Kinds));

// Each kind, then (`winnersToo`) each kind again for the winners alone.
QString WorkbookFilter(bool winnersToo)
{
    QStringList entries;
    for (const auto& [description, ending] : Kinds)
        entries << Say(description) << QLatin1Char('*') + ending;
    for (const auto& [description, ending] : Kinds)
        if (winnersToo)
            entries << Say(MessageId::WinnersOnlyEntry).arg(Say(description))
                    << QLatin1Char('*') + ending;
    return entries.join(QLatin1Char('|'));
}

// The name chosen, given the ending of the kind chosen when it has none. A
// folder keeps its name, to be refused as a folder.
QString WithEnding(const SaveChoice& choice)
{
    const QFileInfo chosen(choice.Path);
    if (chosen.fileName().contains(QLatin1Char('.')) || chosen.isDir())
        return choice.Path;
    const bool known = choice.Filter >= 0 && choice.Filter < 2 * KindCount;
    return choice.Path + Kinds[known ? choice.Filter % KindCount : 0].second;
}

} // namespace

void Commands::onSaveWorkbook()
{
    saveWorkbookResult(ResultRows::AsChosen);
}

void Commands::saveWorkbookResult(ResultRows rows)
{
    Platform& platform = window_.platform();
    const bool offerWinners = rows == ResultRows::AsChosen && fewerPrizesThanMembers();
    const auto choice = platform.ChooseFileToSave(
        WorkbookFilter(offerWinners), lottery_.Model.WorkbookResultFolder,
        QCoreApplication::translate("SpreadsheetResult", "VessapoResult.XLS"));
    if (!choice)
        return;
    lottery_.Model.WorkbookResultFolder = QFileInfo(choice->Path).absolutePath();
    const QString path = WithEnding(*choice);
    // A name of another kind, a folder or a device is refused before anything is asked or made.
    SavedWorkbookFormat(path);
    if (QFileInfo(path).isFile()
        && !platform.AskYesNo(Say(MessageId::ReplaceQuestion).arg(path)))
        return;

    const QDateTime now = platform.LocalNow();
    CellMap cells;
    cells.insert({1, 1}, platform.ShortDate(now.date()) + QLatin1Char(' ') + platform.LongTime(now.time()));
    cells.insert({1, 2}, QStringLiteral("Member"));
    cells.insert({1, 3}, QStringLiteral("Hit"));
    const bool winnersOnly = rows == ResultRows::WinnersOnly || (offerWinners && choice->Filter >= KindCount);
    const QList<ResultPair> results = winnersOnly ? winnerPairs() : resultPairs();
    for (int row = 1; row <= results.size(); ++row) {
        cells.insert({row + 1, 2}, results[row - 1].Member);
        cells.insert({row + 1, 3}, results[row - 1].Hit);
    }
    SaveWorkbook(path, QStringLiteral("QUORVAN"), cells, platform.Documents().Workbooks);
    lottery_.Model.ResultsSaved = true;
    tellSaved(path);
}

} // namespace quorvan
