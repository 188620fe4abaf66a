#pragma once
// What the fairness view says in words and writes to a file about one set of
// landing counts.

#include "ladder/Fairness.h"

#include <cstdint>
#include <string>

namespace quorvan {

struct FairnessFigures {
    // The pair that occurred most often, its share of the ladders, and that
    // share against the fair one, 1 / the member count.
    int32_t LikeliestHit = 0;
    int32_t LikeliestMember = 0;
    double LikeliestShare = 0;
    double TimesFair = 0;
    // The share of the hit/member pairs that never occurred.
    double NeverShare = 0;
    // Half the landings moved at most this many lines (|hit - member|).
    int32_t MedianDistance = 0;
};

FairnessFigures FiguresOf(const LandingCounts& counts, int32_t ladders);

// The counts as comma-separated values: a heading line naming the members,
// then one line a hit, its number first. Lines end in CR LF.
std::string LandingCountsCsv(const LandingCounts& counts);

} // namespace quorvan
