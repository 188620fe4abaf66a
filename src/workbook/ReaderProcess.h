#pragma once
// Running a reader program, a helper that reads a file in a process of its
// own, and taking what it writes.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "texts/UserText.h"

#include <chrono>
#include <stop_token>

namespace quorvan {

// The reader did not hand back a result; the message says why, as a sentence.
class ReaderError : public UserError {
public:
    using UserError::UserError;
};

// Starts the program, with `input` (a descriptor, or -1 for none) as its
// standard input, an empty environment and no other descriptor, in a
// session of its own, and returns what it wrote to its standard output, which
// must begin with "R" (the result follows) or "F" (the reason it failed
// follows, raised as ReaderError: a message of the program's table as
// EncodeMessage writes it, or else a sentence, which is cut when long). A program that cannot
// be started, that crashes, exits without a result, writes more than
// mostBytes, or has not both closed its output and ended by timeLimit (it
// is killed then) raises ReaderError too, and so does a stop asked through
// `stop`, which kills the program at once.
QByteArray RunReader(const QString& program, const QStringList& arguments, int input,
                     std::chrono::milliseconds timeLimit, qsizetype mostBytes, std::stop_token stop = {});

} // namespace quorvan
