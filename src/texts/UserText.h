#pragma once
// The texts the program's own code gives the user, in the user's language
// (the translation installed at start), and the errors that carry one. An
// error's text is translated when it is raised.

#include "texts/Messages.h"

#include <QString>

#include <stdexcept>

namespace quorvan {

// The message of the table, in the user's language.
QString Say(MessageId id);

// An error whose message the user reads; what() is the same text.
class UserError : public std::runtime_error {
public:
    explicit UserError(const QString& message) : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& Message() const { return message_; }

private:
    QString message_;
};

// The reason for a failed system call (an errno value) in plain words.
QString SystemReason(int error);

// A prize's place: "1st", "2nd", "3rd", "4th" ... "11th", "21st" in English,
// as the user's language writes it (Japanese: the bare number, which the counter for a prize rank follows).
QString PlaceWords(int32_t place);

} // namespace quorvan
