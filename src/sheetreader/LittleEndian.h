#pragma once
// Numbers as workbook files hold them: little-endian, at any alignment.
// Plain C++.

#include <cstring>

namespace quorvan {

template <typename Number>
Number LittleEndian(const char* bytes)
{
    Number value;
    std::memcpy(&value, bytes, sizeof value); // the machine is little-endian too
    return value;
}

} // namespace quorvan
