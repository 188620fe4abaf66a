#pragma once
// The record of a draw from an announcement (draw record format version 2):
// the announcement verbatim, every source's value (participants' commitments
// and reveals), K, the hits' order, the ladder's seed, its digest and the
// results. AnnouncedRecordFile.h reads, writes and checks it.

#include "drawrecord/Announcement.h"
#include "drawrecord/DrawRecord.h"

#include <QByteArray>
#include <QJsonArray>

#include <optional>
#include <vector>

namespace quorvan {

// A participant's commitment, made before the source's CommitBy, and the
// secret revealed afterwards (none for one who never revealed).
struct Commitment {
    QString Participant;
    QString Digest; // 64 lower-case hexadecimal digits
    std::optional<QString> Reveal;
    bool operator==(const Commitment&) const = default;
};

// The value of one source, in the announcement's order: a text for a public
// value or dice, the commitments for participants.
struct SourceValue {
    QString Source;
    QString Value;
    std::vector<Commitment> Commitments;
    bool operator==(const SourceValue&) const = default;
};

struct AnnouncedRecord {
    QString ProgramVersion;
    QString Time;
    QByteArray AnnouncementText; // the .qannounce file, byte for byte
    std::vector<SourceValue> Values;
    QString Key; // K, 64 lower-case hexadecimal digits
    std::vector<int32_t> Order;
    uint32_t Seed = 0;
    QStringList Members;
    QStringList Hits; // in the drawn order
    QString LadderDigest;
    std::vector<DrawResult> Results;
};

// The commitment to `secret` by `participant` for the announcement of digest A:
// SHA-256("quorvan-commit-1" ‖ 0x00 ‖ A ‖ participant ‖ 0x00 ‖ secret), in hexadecimal.
QString CommitmentDigest(const QByteArray& announcementDigest, const QString& participant, const QString& secret);

// The values as the draw takes them: each public value and dice roll, then
// each participant's reveal or null, in the announcement's order.
QJsonArray DrawValues(const std::vector<SourceValue>& values);

// The whole record of the draw the announcement and the values give.
AnnouncedRecord DrawAnnounced(const QByteArray& announcementText, const Announcement& announcement,
                              const std::vector<SourceValue>& values, const QString& programVersion,
                              const QString& time);

} // namespace quorvan
