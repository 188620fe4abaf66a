#pragma once
// The program's command line:
//   quorvan [FILE]          the window, with the draw record FILE opened in it
//   quorvan --verify FILE [--announcement HEX]
//                           checks a draw record without a window, for auditors and scripts; for an
//                           announced draw, against the announcement's digest A as published
//   quorvan --help | --version
// The last three are answered before any window is made, so without a display too.

#include <QString>

#include <optional>

namespace quorvan {

// Exit statuses.
constexpr int ProgramDone = 0;      // the window closed, help or version shown, or the record verified
constexpr int RecordDiffers = 1;    // --verify: its ladder gives other results, or it was altered
constexpr int RecordUnreadable = 2; // --verify: missing, damaged or no draw record; or the command line is wrong
                                    // (or the window's module is missing from the installation)

struct CommandLine {
    std::optional<int> ExitStatus; // set when the command line has been answered without a window
    QString DrawFile;              // otherwise the record to open in the window, or empty
};

// Reads the command line and answers --help, --version, --verify and
// mistakes on the standard output and error, in the user's language.
CommandLine AnswerCommandLine(int argc, char* argv[]);

} // namespace quorvan
