#pragma once
// The prizes revealed so far, in the order they were revealed. A prize is a
// hit row with a name.

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


} // namespace quorvan
