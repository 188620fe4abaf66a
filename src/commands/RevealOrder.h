#pragma once
// The prizes revealed so far, in the order they were revealed. A prize is a
// hit row with a name.

#include <cstdint>
#include <optional>
#include <vector>

namespace quorvan {

class RevealOrder {
public:
    void Clear() { revealed_.clear(); }
    // The first of `prizeRows` (the rows with a prize, first prize first) not yet revealed.
    std::optional<int32_t> Next(const std::vector<int32_t>& prizeRows) const;
    // Reveals `hit` (again, it becomes the latest).
    void Reveal(int32_t hit);
    // Takes back the latest reveal; the hit taken back.
    std::optional<int32_t> Back();
    const std::vector<int32_t>& Revealed() const { return revealed_; }

private:
    std::vector<int32_t> revealed_;
};


} // namespace quorvan
