#pragma once
// A draw record: what a lottery was drawn from and what it gave, so that
// anyone can make its ladder again and check its results. DrawRecordFile.h
// reads and writes it; DrawVerification.h checks it.

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

namespace quorvan {

enum class DrawColumn { Members, Hits };

// A list read from a file into a column; `Count` entries were read.
struct LoadEvent {
    DrawColumn Column = DrawColumn::Members;
    int32_t Count = 0;
    bool operator==(const LoadEvent&) const = default;
};

// A column put into a new order: by the program's generator from `Seed`, or
// by the fair draw from the system's secure random source (no seed). Entry
// r - 1 of `Order` is the row whose text row r received.
struct ShuffleEvent {
    DrawColumn Column = DrawColumn::Hits;
    bool Fair = false;
    std::optional<uint32_t> Seed;
    std::vector<int32_t> Order;
    bool operator==(const ShuffleEvent&) const = default;
};

// A ladder built for `Rows` members from the generator's `Seed`, at `Time`
// (as DrawRecordTime writes it; empty in records saved before Builds were timed).
struct BuildEvent {
    uint32_t Seed = 0;
    int32_t Rows = 0;
    bool CrossLines = false;
    bool FairDraw = false;
    QString Time;
    bool operator==(const BuildEvent&) const = default;
};

// The rows set up anew (Set-up, RESET, or a member list about to be loaded),
// `Rows` as the spinner stood.
struct SetUpEvent {
    int32_t Rows = 0;
    bool operator==(const SetUpEvent&) const = default;
};

using DrawEvent = std::variant<LoadEvent, ShuffleEvent, BuildEvent, SetUpEvent>;

// A Build and the lists it was made with, rows 1 .. Rows in order.
struct BuiltDraw {
    BuildEvent Build;
    QStringList Members;
    QStringList Hits;
    bool operator==(const BuiltDraw&) const = default;
};

// Where one hit's path ends: rows are counted from 1, names as the lists hold them.
struct DrawResult {
    int32_t Hit = 0;
    QString HitName;
    int32_t Member = 0;
    QString MemberName;
    bool operator==(const DrawResult&) const = default;
};

struct DrawRecord {
    QString ProgramVersion;
    QString Time; // ISO 8601 with the offset from UTC
    BuiltDraw Draw; // the last Build
    // Every Set-up, list load, shuffle and Build since the program started, in order.
    std::vector<DrawEvent> History;
    QString LadderDigest; // LadderDigest() of the ladder the last Build made
    std::vector<DrawResult> Results; // one per hit row, in row order
};

} // namespace quorvan
