// Announce draw: everything that decides the draw - the lists, the rows,
// Cross Lines and the randomness sources with their rules - written to an
// announcement (.qannounce) and its digest A shown for publishing, before
// the randomness exists. The lists stay fixed until the draw is made from
// it or it is closed.

#include "commands/Commands.h"
#include "drawrecord/AnnouncedDraw.h"
#include "drawrecord/AnnouncementFile.h"
#include "drawrecord/DrawRecordFile.h"
#include "platform/Platform.h"
#include "window/AnnounceForm.h"
#include "window/AnnouncementDialog.h"
#include "window/MainWindow.h"
#include "window/Spinner.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFileInfo>

namespace quorvan {

namespace {

constexpr int DrawIdBytes = 16;

QString AnnouncementFilter()
{
    return QCoreApplication::translate("Announcing", "Draw announcements")
           + QStringLiteral("|*.%1|*.*|*.*").arg(AnnouncementSuffix);
}

} // namespace

bool Commands::listsFree()
{
    if (!lottery_.Announced)
        return true;
    window_.platform().ShowInformation(QCoreApplication::translate("Announcing", "The announcement “%1” holds the "
            "lists fixed: draw from it or close it first.")
                                           .arg(lottery_.Announced->Path));
    return false;
}

// The lists drawn or announced stay as they are: a stray key in a box
// changes nothing drawn, so it changes nothing shown.
void Commands::fixListsAsTheyHold()
{
    window_.setListsReadOnly(lottery_.Model.LadderBuilt || lottery_.Announced.has_value());
}

void Commands::onAnnounceDraw()
{
    Platform& platform = window_.platform();
    if (!listsFree())
        return;
    const int32_t rows = lottery_.Model.RowCount;
    const QStringList members = rows >= 2 ? columnTexts(Column::Members, rows) : QStringList();
    const QStringList hits = rows >= 2 ? columnTexts(Column::Hits, rows) : QStringList();
    if (members.isEmpty() || members.contains(QString()) || hits.contains(QString())) {
        platform.ShowInformation(QCoreApplication::translate("Announcing", "Set up the rows and fill in every member "
                "and hit first."));
        return;
    }

    Announcement announcement;
    announcement.Method = AnnouncedDrawMethod;
    QByteArray id(DrawIdBytes, '\0');
    platform.FillSecureRandom(id.data(), static_cast<size_t>(id.size()));
    announcement.DrawId = QString::fromLatin1(id.toHex());
    announcement.Rows = rows;
    announcement.CrossLines = window_.crossLinesBox()->isChecked();
    announcement.Members = members;
    announcement.Hits = hits;

    // The form comes back, as it was filled in, until what it holds makes an
    // announcement and its QR code. The code is made before anything is
    // saved: should its library fail to load, nothing is written or open.
    const QDateTime now = platform.LocalNow();
    AnnounceForm form(window_, now);
    QByteArray text;
    QByteArray digest;
    QString hexDigest;
    QImage qrCode;
    for (;;) {
        if (form.exec() != QDialog::Accepted)
            return;
        const AnnounceInput input = form.input();
        announcement.Title = input.Title;
        announcement.Organiser = input.Organiser;
        announcement.Announced = DrawRecordTime(platform.LocalNow());
        announcement.DrawAfter = DrawRecordTime(input.DrawAfter);
        announcement.Sources = input.Sources;
        for (RandomSource& source : announcement.Sources)
            if (source.Kind == SourceKind::Participants)
                source.CommitBy = DrawRecordTime(input.CommitBy);
        text = AnnouncementBytes(announcement);
        try {
            ParseAnnouncement(text, QCoreApplication::translate("Announcing", "announcement"));
            digest = AnnouncementDigest(text);
            hexDigest = QString::fromLatin1(digest.toHex());
            qrCode = platform.Documents().QrCode(hexDigest, QrModulePixels);
            break;
        } catch (const UserError& problem) {
            platform.ShowErrorMessage(problem.Message());
        }
    }

    const auto path = chooseRecordPath(
        AnnouncementFilter(), lottery_.Model.DrawRecordFolder,
        QCoreApplication::translate("Announcing", "Announcement.%1").arg(AnnouncementSuffix));
    if (!path)
        return;
    SaveAnnouncement(*path, announcement);
    lottery_.Announced = OpenAnnouncement{announcement, text, *path};
    window_.apply(Step::AnnouncementOpens);
    fixListsAsTheyHold();

    auto* dialog = new AnnouncementDialog(window_, boundary(),
                                          {announcement.Title, announcement.Organiser, announcement.DrawAfter, *path,
                                           hexDigest, ShortCode(digest), qrCode});
    dialog->show();
}

void Commands::onCloseAnnouncement()
{
    if (!lottery_.Announced)
        return;
    if (!window_.platform().AskYesNo(QCoreApplication::translate("Announcing", "Close the announcement “%1” without "
            "drawing? The A you published will have no draw.")
                                         .arg(lottery_.Announced->Path)))
        return;
    lottery_.Announced.reset();
    fixListsAsTheyHold();
    window_.apply(Step::AnnouncementCloses);
}

} // namespace quorvan
