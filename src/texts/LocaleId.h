#pragma once
// The user's locale as the program knows it: a Windows locale identifier.
// It picks the window's language and the code page of list files.

#include <cstdint>

namespace quorvan {

constexpr int32_t LocaleJapanese = 1041;

} // namespace quorvan
