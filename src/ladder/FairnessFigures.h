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
    // The sampling margin of TimesFair (95 %: 1.96 standard errors of a share
    // counted over independent ladders).
    double TimesFairMargin = 0;
    // About the largest multiple of the fair share that chance alone gives
    // one of the n x n pairs in a fair draw with as many ladders: 1 + sqrt(2
    // ln(n^2)) standard errors, the usual size of the largest of n^2 normal
    // deviations.
    double ChanceAloneTimesFair = 0;
    // The share of the hit/member pairs never seen in these ladders: a pair
    // rarer than one ladder in so many may still occur.
    double NeverShare = 0;
    // Half the landings moved at most this many lines (|hit - member|), and
    // the medians the sampling margin allows (counting each ladder as one
    // sample, which the landings of one ladder are not independent of).
    int32_t MedianDistance = 0;
    int32_t MedianLow = 0;
    int32_t MedianHigh = 0;
};

// The median distance a fair draw gives n rows: |U - V| of two uniform rows
// has the median (1 - 1/sqrt 2) n, about 0.29 n.
double FairMedianDistance(int32_t members);

FairnessFigures FiguresOf(const LandingCounts& counts, int32_t ladders);

// The counts as comma-separated values: a heading line naming the members,
// then one line a hit, its number first. Lines end in CR LF.
std::string LandingCountsCsv(const LandingCounts& counts);

} // namespace quorvan
