#pragma once
// The coverage counters the compiler placed in a fuzz target (inline 8-bit
// counters), as the linker bounds them: what a child process that read an
// input hands back to the fuzzer. Empty in a build without coverage.

#include <cstdint>
#include <span>

std::span<std::uint8_t> CoverageCounters();
