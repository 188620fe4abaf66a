#pragma once
// Hit lines that say how many of a prize there are, as people write them:
// "3 × Gift card", "3x Gift card", "Gift card ×3", "Gift card x 3", with
// full-width digits and signs too. Counted only when the
// user agrees; the prize keeps its text exactly as written.

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace quorvan {

struct CountedLine {
    QString Line;   // as read
    int32_t Count = 0;
    QString Prize;  // the line without its count
    bool operator==(const CountedLine&) const = default;
};

// The count and prize of a line that gives one (a count from 1 to `most`), or nothing.
std::optional<CountedLine> ReadCount(const QString& line, int32_t most);

// Every line that gives a count, in list order.
QList<CountedLine> CountedLines(const QStringList& lines, int32_t most);

// The lines with each counted line replaced by its prize that many times;
// no more than `most` lines in all.
QStringList ExpandCounts(const QStringList& lines, int32_t most);

} // namespace quorvan
