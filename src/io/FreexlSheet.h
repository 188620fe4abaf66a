#pragma once
// The part of workbook reading that runs in the reader process
// (quorvan-xls-reader): freexl opens the workbook and every cell of its first
// worksheet that holds something is packed for the program, where XlsReader
// unpacks it. Plain C++.

#include <cstdint>
#include <string>

namespace quorvan {

// What a packed cell holds. Numbers travel as their bytes (4 for an integer,
// 8 for any other), dates and times in ISO form, so that the program shows
// them the way it shows everything else.
enum class PackedKind : std::uint8_t { Text, Integer, Number, Date, Time, Moment };

// Each cell: row (4 bytes), column (2), kind (1), length (4), then the bytes;
// numbers little-endian, rows and columns counted from 1. Throws
// std::runtime_error with a sentence for the user when the file cannot be read.
std::string PackFirstSheet(const std::string& path);

// Keeps the process's further heap within this many bytes, so that a file
// that makes the library ask for memory without end gets "no" instead.
void LimitFurtherMemory(std::uint64_t bytes);

// What the reader process may take: ample for any list (the library keeps a
// worksheet's cells in at most 256 MB), and quickly refused beyond.
constexpr std::uint64_t ReaderMemory = std::uint64_t(512) << 20;

} // namespace quorvan
