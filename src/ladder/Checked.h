#pragma once
// Checked 32-bit arithmetic: every overflow ends the current command with an
// error instead of wrapping around silently.

#include <cstdint>
#include <stdexcept>
#include <string>

namespace quorvan {

class OverflowError : public std::overflow_error {
public:
    using std::overflow_error::overflow_error;
};

inline int32_t CheckedAdd(int32_t a, int32_t b)
{
    int32_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum))
        throw OverflowError("Integer overflow: " + std::to_string(a) + " + " + std::to_string(b));
    return sum;
}

inline int32_t CheckedSub(int32_t a, int32_t b)
{
    int32_t difference = 0;
    if (__builtin_sub_overflow(a, b, &difference))
        throw OverflowError("Integer overflow: " + std::to_string(a) + " - " + std::to_string(b));
    return difference;
}

inline int32_t CheckedMul(int32_t a, int32_t b)
{
    int32_t product = 0;
    if (__builtin_mul_overflow(a, b, &product))
        throw OverflowError("Integer overflow: " + std::to_string(a) + " * " + std::to_string(b));
    return product;
}

} // namespace quorvan
