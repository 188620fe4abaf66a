#pragma once
// `quorvan --verify FILE`: checks a draw record without a window, for
// auditors and scripts.

namespace quorvan {

// Exit statuses of --verify.
constexpr int RecordVerified = 0;
constexpr int RecordDiffers = 1;    // its ladder gives other results, or it was altered
constexpr int RecordUnreadable = 2; // missing, damaged, no draw record, or the command line is wrong

// Whether the command line asks for --verify.
bool AsksToVerify(int argc, char* argv[]);

// Reads and checks the record the command line names and prints the verdict
// (and every difference) to the standard output, problems with the file to
// the standard error. Returns one of the statuses above.
int VerifyFromCommandLine(int argc, char* argv[]);

} // namespace quorvan
