#include "ladder/FairnessFigures.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace quorvan {

namespace {
constexpr double Margin95 = 1.96; // standard errors either side for 95 %
}

FairnessFigures FiguresOf(const LandingCounts& counts, int32_t ladders)
{
    const int32_t members = counts.Members();
    FairnessFigures figures;
    uint32_t most = 0;
    int64_t never = 0;
    uint64_t landings = 0;
    std::vector<uint64_t> byDistance(static_cast<std::size_t>(members), 0);
    for (int32_t hit = 1; hit <= members; ++hit) {
        for (int32_t member = 1; member <= members; ++member) {
            const uint32_t count = counts.Count(hit, member);
            if (count > most) {
                most = count;
                figures.LikeliestHit = hit;
                figures.LikeliestMember = member;
            }
            never += count == 0 ? 1 : 0;
            byDistance[static_cast<std::size_t>(std::abs(hit - member))] += count;
            landings += count;
        }
    }
    if (ladders > 0 && members > 0) {
        const double share = static_cast<double>(most) / ladders;
        figures.LikeliestShare = share;
        figures.TimesFair = share * members;
        figures.TimesFairMargin = Margin95 * members * std::sqrt(share * (1 - share) / ladders);
        const double pairs = static_cast<double>(members) * members;
        figures.ChanceAloneTimesFair =
            1 + std::sqrt(2 * std::log(std::max(pairs, 2.0))) * std::sqrt((members - 1.0) / ladders);
    }
    if (members > 0)
        figures.NeverShare = static_cast<double>(never) / (static_cast<double>(members) * members);

    // The distance below which a share `quantile` of the landings lies.
    const auto distanceAt = [&](double quantile) {
        uint64_t atMost = 0;
        for (int32_t distance = 0; distance < members; ++distance) {
            atMost += byDistance[static_cast<std::size_t>(distance)];
            if (static_cast<double>(atMost) >= quantile * static_cast<double>(landings))
                return distance;
        }
        return std::max(members - 1, 0);
    };
    const double spread = ladders > 0 ? Margin95 * 0.5 / std::sqrt(static_cast<double>(ladders)) : 0.5;
    figures.MedianDistance = distanceAt(0.5);
    figures.MedianLow = distanceAt(std::max(0.5 - spread, 0.0));
    figures.MedianHigh = distanceAt(std::min(0.5 + spread, 1.0));
    return figures;
}

double FairMedianDistance(int32_t members)
{
    return (1 - 1 / std::sqrt(2.0)) * members;
}

std::string LandingCountsCsv(const LandingCounts& counts)
{
    const int32_t members = counts.Members();
    std::string csv = "hit \\ member";
    for (int32_t member = 1; member <= members; ++member)
        csv += ',' + std::to_string(member);
    csv += "\r\n";
    for (int32_t hit = 1; hit <= members; ++hit) {
        csv += std::to_string(hit);
        for (int32_t member = 1; member <= members; ++member)
            csv += ',' + std::to_string(counts.Count(hit, member));
        csv += "\r\n";
    }
    return csv;
}

} // namespace quorvan
