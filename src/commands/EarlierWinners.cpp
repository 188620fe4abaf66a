// A second round: "Leave out earlier winners" reads the results of an
// earlier draw (a text result or a draw record) and takes its winners out
// of the member list, saying who was left out.

#include "commands/Commands.h"
#include "drawrecord/DrawRecordFile.h"
#include "lists/EarlierWinners.h"
#include "platform/Platform.h"
#include "texts/UserText.h"
#include "window/MainWindow.h"
#include "window/Spinner.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace quorvan {

namespace {

const QString EarlierResultFilter = QStringLiteral("*.txt;*.qdraw|*.txt;*.qdraw|*.*|*.*");
// The most lines of a text result file read: many rounds of the most rows.
constexpr int32_t MostResultLines = 100 * 482;

} // namespace

void Commands::onLeaveOutEarlierWinners()
{
    if (lottery_.Model.LadderBuilt)
        throw UserError(Say(MessageId::LeaveOutBeforeBuild));
    Platform& platform = window_.platform();
    const auto path = platform.ChooseFileToOpen(EarlierResultFilter, lottery_.Model.LastDrawFile);
    if (!path)
        return;

    QStringList winners;
    const QString suffix = QFileInfo(*path).suffix().toLower();
    if (suffix == DrawRecordSuffix) {
        for (const DrawResult& result : ReadDrawRecord(*path).Results)
            if (!result.HitName.trimmed().isEmpty())
                winners.append(result.MemberName);
    } else if (suffix == QLatin1String("txt")) {
        // Whole lines: a result line's hit and member stand in two tab columns.
        QStringList lines = ReadListFile(*path, MostResultLines, platform.TextEncodingLocale(), ListSyntax::Lines,
                                         {0, true})
                                .Kept;
        lines.replaceInStrings(QString(QLatin1Char(FieldEnd)), QStringLiteral("\t"));
        for (const ResultPair& pair : ReadTextResult(lines))
            if (!pair.Hit.trimmed().isEmpty())
                winners.append(pair.Member);
    } else {
        throw UserError(Say(MessageId::EarlierWinnersKinds).arg(*path));
    }
    if (winners.isEmpty())
        throw UserError(Say(MessageId::FileErrorFormat)
                            .arg(Say(MessageId::CannotReadListFile), *path, Say(MessageId::NoWinnersInFile)));

    const LeftOut left =
        LeaveOutWinners(columnTexts(Column::Members, window_.countSpinner()->position()), winners);
    if (left.Names.isEmpty()) {
        platform.ShowInformation(Say(MessageId::NoEarlierWinnersFound).arg(*path));
        return;
    }
    beginMemberList();
    placeMembers({left.Remaining, left.Remaining.size(), {}, {}});
    const QString names = left.Names.join(QCoreApplication::translate("EarlierWinners", ", ", "between names"));
    platform.ShowInformation(Say(MessageId::EarlierWinnersLeftOut).arg(QString::number(left.Names.size()), names));
}

} // namespace quorvan
