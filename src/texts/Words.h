#pragma once
// A text for the user in both of the program's languages, and the errors
// that carry one. The files' code has no window and does not know the
// user's language: it raises its messages in both, and the window's
// command boundary shows the one the user reads.

#include "texts/Messages.h"

#include <QString>

#include <stdexcept>

namespace quorvan {

struct Words {
    QString English;
    QString Japanese;

    const QString& In(bool japanese) const { return japanese ? Japanese : English; }
    // Fills %1, %2 ... in both languages at once, as QString::arg with
    // several strings does: a value holding "%2" stays as it is.
    template <class... More>
    Words arg(const Words& first, const More&... more) const
    {
        return {English.arg(first.English, more.English...), Japanese.arg(first.Japanese, more.Japanese...)};
    }
    bool operator==(const Words&) const = default;
};

// The same text in either language: a name, a path, a number, the system's own words.
inline Words Verbatim(const QString& text)
{
    return {text, text};
}
inline Words Verbatim(qint64 number)
{
    return Verbatim(QString::number(number));
}

// The message of the table in both languages.
Words Say(MessageId id);

// An error whose message the user reads; what() is its English text.
class UserError : public std::runtime_error {
public:
    explicit UserError(Words message) : std::runtime_error(message.English.toStdString()), message_(std::move(message))
    {
    }
    const Words& Message() const { return message_; }

private:
    Words message_;
};

// The reason for a failed system call (an errno value) in plain words.
Words SystemReason(int error);

// A prize's place: "1st", "2nd", "3rd", "4th" ... "11th", "21st" in English,
// the bare number in Japanese (which puts 等 after it).
Words PlaceWords(int32_t place);

} // namespace quorvan
