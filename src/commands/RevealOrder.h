#pragma once
// The prizes revealed so far, in the order they were revealed, and the words
// that tell one: "2nd prize: Tablet → Bob Brown". A prize is a hit row with
// a name; its place is its rank among the named hits, row by row.

#include "texts/Words.h"

#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

namespace quorvan {

class RevealOrder {
public:
    void Clear() { revealed_.clear(); }
    // The first named hit not yet revealed, in row order.
    std::optional<int32_t> Next(const QStringList& prizes) const;
    // Reveals `hit` (again, it becomes the latest).
    void Reveal(int32_t hit);
    // Takes back the latest reveal; the hit taken back.
    std::optional<int32_t> Back();
    const std::vector<int32_t>& Revealed() const { return revealed_; }

private:
    std::vector<int32_t> revealed_;
};

// The place of hit `hit` among the named hits (1 for the first), 0 when it has no name.
int32_t PrizePlace(const QStringList& prizes, int32_t hit);
// "1st", "2nd", "3rd", "4th", "11th", "21st" ...
QString EnglishOrdinal(int32_t place);
// The reveal in words, in both languages.
Words RevealWords(int32_t place, const QString& prize, const QString& member);

} // namespace quorvan
