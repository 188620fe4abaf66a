// Text: appends a block of the hit/member pairs under a time stamp to a file
// the user chooses, leaving what the file held untouched.

#include "commands/Commands.h"
#include "files/FileSaving.h"
#include "platform/Platform.h"
#include "texts/UserText.h"
#include "window/MainWindow.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace quorvan {

namespace {
const QString AnyFileFilter = QStringLiteral("*.*|*.*");
} // namespace

void Commands::onSaveText()
{
    saveTextResult(ResultRows::AsChosen);
}

void Commands::saveTextResult(ResultRows rows)
{
    Platform& platform = window_.platform();
    // With rows that win nothing, the dialog's second entry saves the winners alone.
    const bool offerWinners = rows == ResultRows::AsChosen && fewerPrizesThanMembers();
    const QString filter =
        offerWinners ? AnyFileFilter + QLatin1Char('|')
                           + Say(MessageId::WinnersOnlyEntry).arg(QStringLiteral("*.*"))
                           + QStringLiteral("|*.*")
                     : AnyFileFilter;
    const auto choice = platform.ChooseFileToSave(
        filter, lottery_.Model.TextResultFolder,
        QCoreApplication::translate("TextResult", "VessapoResult.TXT"));
    if (!choice)
        return;
    const bool winnersOnly = rows == ResultRows::WinnersOnly || (offerWinners && choice->Filter == 1);
    lottery_.Model.TextResultFolder = QFileInfo(choice->Path).absolutePath();
    const QDateTime now = platform.LocalNow();
    // Added to an older file in the encoding its text is in, so that one reading reads it all.
    const QByteArray block = TextResultBlock(platform.ShortDate(now.date()), platform.LongTime(now.time()),
                                             winnersOnly ? winnerPairs() : resultPairs(),
                                             TextResultEncoding(choice->Path, platform.TextEncodingLocale()));
    AppendToFile(choice->Path, block, Say(MessageId::CannotWriteTextResult));
    lottery_.Model.ResultsSaved = true;
    tellSaved(choice->Path);
}

} // namespace quorvan
