#include "commands/RevealOrder.h"

#include <algorithm>

namespace quorvan {

std::optional<int32_t> RevealOrder::Next(const std::vector<int32_t>& prizeRows) const
{
    for (const int32_t hit : prizeRows)
        if (std::find(revealed_.begin(), revealed_.end(), hit) == revealed_.end())
            return hit;
    return std::nullopt;
}

void RevealOrder::Reveal(int32_t hit)
{
    revealed_.erase(std::remove(revealed_.begin(), revealed_.end(), hit), revealed_.end());
    revealed_.push_back(hit);
}

std::optional<int32_t> RevealOrder::Back()
{
    if (revealed_.empty())
        return std::nullopt;
    const int32_t hit = revealed_.back();
    revealed_.pop_back();
    return hit;
}

} // namespace quorvan
