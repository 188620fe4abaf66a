#include "drawrecord/AnnouncedRecord.h"

#include "drawrecord/AnnouncedDraw.h"
#include "drawrecord/AnnouncementFile.h"
#include "drawrecord/DrawVerification.h"
#include "drawrecord/Sha256.h"
#include "ladder/NoDrawing.h"
#include "ladder/SeededGeneration.h"

#include <memory>

namespace quorvan {

QString CommitmentDigest(const QByteArray& announcementDigest, const QString& participant, const QString& secret)
{
    const QByteArray bytes = QByteArrayLiteral("quorvan-commit-1") + '\0' + announcementDigest + participant.toUtf8()
                             + '\0' + secret.toUtf8();
    return QString::fromLatin1(Sha256(bytes).toHex());
}

QJsonArray DrawValues(const std::vector<SourceValue>& values)
{
    QJsonArray array;
    for (const SourceValue& value : values) {
        if (value.Commitments.empty())
            array.append(value.Value);
        for (const Commitment& commitment : value.Commitments)
            array.append(commitment.Reveal ? QJsonValue(*commitment.Reveal) : QJsonValue(QJsonValue::Null));
    }
    return array;
}

AnnouncedRecord DrawAnnounced(const QByteArray& announcementText, const Announcement& announcement,
                              const std::vector<SourceValue>& values, const QString& programVersion,
                              const QString& time)
{
    const AnnouncedOutcome outcome =
        DrawFromAnnouncement(AnnouncementDigest(announcementText), DrawValues(values), announcement.Rows);
    AnnouncedRecord record{programVersion, time, announcementText, values, QString::fromLatin1(outcome.Key.toHex()),
                           outcome.Order, outcome.Seed, announcement.Members, {}, {}, {}};
    for (const int32_t row : outcome.Order)
        record.Hits.append(announcement.Hits[row - 1]);
    const auto grid = std::make_unique<Ladder>();
    NoDrawing nowhere;
    GenerateLadderFromSeed({announcement.Rows, announcement.CrossLines}, outcome.Seed, *grid, nowhere);
    record.LadderDigest = LadderDigest(*grid, announcement.Rows);
    record.Results = TraceResults(*grid, record.Members, record.Hits);
    return record;
}

} // namespace quorvan
