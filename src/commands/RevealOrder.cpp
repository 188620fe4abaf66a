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

int32_t PrizePlace(const QStringList& prizes, int32_t hit)
{
    if (hit < 1 || hit > prizes.size() || prizes[hit - 1].isEmpty())
        return 0;
    return int32_t(std::count_if(prizes.begin(), prizes.begin() + hit, [](const QString& p) { return !p.isEmpty(); }));
}

QString EnglishOrdinal(int32_t place)
{
    const int32_t tens = place % 100, units = place % 10;
    const char* suffix = (tens >= 11 && tens <= 13) ? "th" : units == 1 ? "st" : units == 2 ? "nd" : units == 3 ? "rd" : "th";
    return QString::number(place) + QLatin1String(suffix);
}

Words RevealWords(int32_t place, const QString& prize, const QString& member)
{
    return Say(MessageId::PrizeRevealed)
        .arg(Words{EnglishOrdinal(place), QString::number(place)}, Verbatim(prize), Verbatim(member));
}

} // namespace quorvan
