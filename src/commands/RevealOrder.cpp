#include "commands/RevealOrder.h"

#include <algorithm>

namespace quorvan {

std::optional<int32_t> RevealOrder::Next(const QStringList& prizes) const
{
    for (int32_t hit = 1; hit <= prizes.size(); ++hit)
        if (!prizes[hit - 1].isEmpty() && std::find(revealed_.begin(), revealed_.end(), hit) == revealed_.end())
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
