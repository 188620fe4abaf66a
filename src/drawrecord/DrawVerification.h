#pragma once
// Checking a draw record: its ladder made again from the recorded seed, every
// hit traced through it, and both compared with what the record says.

#include "drawrecord/DrawRecord.h"
#include "ladder/Ladder.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace quorvan {

// The SHA-256 of the rung codes of lines 1 .. rows, columns 0 .. 43, one
// byte per cell, line by line, as 64 lower-case hexadecimal digits.
QString LadderDigest(const Ladder& grid, int32_t rows);

// Every hit row traced through `grid` to its member row, with the names the
// lists hold (as many rows as `hits` has).
std::vector<DrawResult> TraceResults(const Ladder& grid, const QStringList& members, const QStringList& hits);

// One line for each row whose result `said` differs from the one `found`.
QStringList ResultDifferences(const std::vector<DrawResult>& said, const std::vector<DrawResult>& found);

// The record's program shuffles, ladder and results as their seeds give them
// again, against what it says: one line per difference, none when it is verified.
QStringList DrawDifferences(const DrawRecord& record);

// The verdict in words: verified, with what that does not show, or not, with
// the first `mostListed` differences one a line.
QString DrawVerdict(const DrawRecord& record, const QStringList& differences, qsizetype mostListed);

} // namespace quorvan
