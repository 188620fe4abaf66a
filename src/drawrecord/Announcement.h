#pragma once
// An announcement: everything that decides a draw, published before the
// randomness that decides it exists. AnnouncementFile.h reads and writes it.

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace quorvan {

enum class SourceKind {
    Public,       // a value published by others: a lottery result, a beacon pulse, a closing index
    Dice,         // dice rolled in public, their count named in advance
    Participants, // each participant commits to a secret before CommitBy and reveals it afterwards
};

struct RandomSource {
    QString Name;
    SourceKind Kind = SourceKind::Public;
    QString Rule;             // Public: how its value is written, in words
    int32_t DiceCount = 0;    // Dice
    QString CommitBy;         // Participants: the time by which commitments are in
    QStringList Participants; // Participants: their names, in order
    bool operator==(const RandomSource&) const = default;
};

struct Announcement {
    QString Method; // the way of drawing, AnnouncedDrawMethod
    QString DrawId; // 128 bits from the system's secure source, 32 lower-case hexadecimal digits
    QString Title;
    QString Organiser;
    QString Announced; // when it was announced, ISO 8601 with the offset from UTC
    QString DrawAfter; // the time after which every source's value is fixed
    int32_t Rows = 0;
    bool CrossLines = false;
    QStringList Members;
    QStringList Hits; // in the announced order, before the draw's shuffle
    std::vector<RandomSource> Sources;
    bool operator==(const Announcement&) const = default;
};

} // namespace quorvan
