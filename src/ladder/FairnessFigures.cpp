#include "ladder/FairnessFigures.h"

#include <cstdlib>
#include <vector>

namespace quorvan {

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
    if (ladders > 0) {
        figures.LikeliestShare = static_cast<double>(most) / ladders;
        figures.TimesFair = figures.LikeliestShare * members;
    }
    if (members > 0)
        figures.NeverShare = static_cast<double>(never) / (static_cast<double>(members) * members);

    uint64_t atMost = 0;
    for (int32_t distance = 0; distance < members; ++distance) {
        atMost += byDistance[static_cast<std::size_t>(distance)];
        if (2 * atMost >= landings) {
            figures.MedianDistance = distance;
            break;
        }
    }
    return figures;
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
