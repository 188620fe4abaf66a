// Drawing from an announcement: the sources' values typed in, the outcome
// the announcement and those values allow (no clock, no choice), its record
// (draw record format version 2) saved, and the window shown as after
// HIT-ALL of that draw. The lists are free again afterwards. Such a
// record opened later is shown and verified the same way.

#include "Version.h"
#include "commands/Commands.h"
#include "drawrecord/AnnouncedRecordFile.h"
#include "drawrecord/AnnouncementFile.h"
#include "drawrecord/DrawRecordFile.h"
#include "platform/Platform.h"
#include "window/MainWindow.h"
#include "window/SourceValuesDialog.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace quorvan {

void Commands::onDrawAnnounced()
{
    Platform& platform = window_.platform();
    if (!lottery_.Announced) {
        platform.ShowInformation(QCoreApplication::translate("AnnouncedDrawing", "No announcement is open: use "
                "Announce draw… first."));
        return;
    }
    const OpenAnnouncement& open = *lottery_.Announced;
    const QDateTime now = platform.LocalNow();
    if (now < QDateTime::fromString(open.Content.DrawAfter, Qt::ISODateWithMs)
        && !platform.AskYesNo(QCoreApplication::translate("AnnouncedDrawing", "The announcement draws with values "
                "fixed after %1; it is now %2. Draw all the same?")
                                  .arg(open.Content.DrawAfter, DrawRecordTime(now))))
        return;

    // The dialog comes back until its values follow their rules and every reveal its commitment.
    SourceValuesDialog dialog(window_, open.Content);
    AnnouncedRecord record;
    for (;;) {
        if (dialog.exec() != QDialog::Accepted)
            return;
        record = DrawAnnounced(open.Text, open.Content, dialog.values(), QStringLiteral(QUORVAN_VERSION),
                               DrawRecordTime(now));
        try {
            // Read back as a verifier will: a commitment that is no digest is refused here too.
            const AnnouncedRecord read = ParseAnnouncedRecord(AnnouncedRecordBytes(record), open.Path);
            const QStringList differences = AnnouncedDifferences(read, std::nullopt);
            if (differences.isEmpty())
                break;
            platform.ShowErrorMessage(differences.join(QLatin1Char('\n')));
        } catch (const UserError& problem) {
            platform.ShowErrorMessage(problem.Message());
        }
    }

    // The lottery in the window gives way to the draw: asked once, before anything is saved.
    if (!confirmDiscard(MessageId::SaveBeforeReset))
        return;
    // The record is on the disk before the window changes.
    const auto path = chooseRecordPath(drawRecordFilter(), QFileInfo(open.Path).absolutePath(),
                                       QFileInfo(open.Path).completeBaseName() + QLatin1Char('.') + DrawRecordSuffix);
    if (!path)
        return;
    SaveDrawRecordBytes(*path, AnnouncedRecordBytes(record));
    lottery_.Model.ResultsSaved = true; // what was in the window was saved or given up above

    const BuildEvent build{record.Seed, open.Content.Rows, open.Content.CrossLines, false, record.Time};
    std::vector<DrawEvent> history = lottery_.Model.History;
    history.push_back(build);
    lottery_.Announced.reset();
    // The announcement's order is uniform already: the fair draw switch stays as it was.
    const bool fairDraw = lottery_.Model.FairDraw;
    showDraw(BuiltDraw{build, record.Members, record.Hits}, history);
    showFairDraw(fairDraw);
    lottery_.Model.ResultsSaved = true;
    // A is the one just published from this window: nothing to compare it with here.
    platform.ShowInformation(AnnouncedVerdict(record, {}, true));
}

void Commands::openAnnouncedRecord(const StrictContent& content, const QString& path)
{
    const AnnouncedRecord record = ParseAnnouncedRecord(content, path);
    const QStringList differences = AnnouncedDifferences(record, std::nullopt);
    const Announcement announcement = ParseAnnouncement(record.AnnouncementText, path);
    const BuildEvent build{record.Seed, announcement.Rows, announcement.CrossLines, false, record.Time};
    const bool fairDraw = lottery_.Model.FairDraw;
    showDraw(BuiltDraw{build, record.Members, record.Hits}, {build});
    showFairDraw(fairDraw);
    window_.setDefaultCursor();
    window_.platform().ShowInformation(AnnouncedVerdict(record, differences, false));
}

} // namespace quorvan
