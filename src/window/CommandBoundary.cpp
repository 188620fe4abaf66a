#include "window/CommandBoundary.h"

#include "platform/Platform.h"
#include "texts/UserText.h"

#include <exception>
#include <optional>

namespace quorvan {

namespace {

// The message of the error being handled. The program's own errors speak
// the user's language; any other says in English what went wrong.
QString CaughtFailure()
{
    try {
        throw;
    } catch (const UserError& error) {
        return error.Message();
    } catch (const std::exception& error) {
        return Say(MessageId::UnexpectedError).arg(QString::fromUtf8(error.what()));
    } catch (...) {
        return Say(MessageId::UnknownError);
    }
}

} // namespace

CommandBoundary::CommandBoundary(Platform& platform, std::function<void()> afterEach)
    : platform_(platform), afterEach_(std::move(afterEach))
{
}

void CommandBoundary::Run(const std::function<void()>& command) const
{
    std::optional<QString> failure;
    ++depth_;
    try {
        command();
    } catch (...) {
        failure = CaughtFailure();
    }
    // A command a command set off (the spinner moved by a list import) ends
    // inside it, with the window half made: what follows each command waits
    // for the outer one's end.
    try {
        if (--depth_ == 0)
            afterEach_();
    } catch (...) {
        if (!failure)
            failure = CaughtFailure();
    }
    if (failure)
        platform_.ShowErrorMessage(*failure);
}

} // namespace quorvan
