#pragma once
// The one place where commands run. A command runs to its end; an error it
// raises (a UserError, or any other exception) is shown in a message box in
// the user's language and the program goes on. Every control's signal
// reaches its command through here.

#include <QObject>

#include <functional>

namespace quorvan {

class Platform;

class CommandBoundary {
public:
    // `afterEach` runs after every command, whether it ended well or not,
    // once the outermost command running has ended; an error it raises is
    // shown as the command's would be.
    CommandBoundary(Platform& platform, std::function<void()> afterEach);

    void Run(const std::function<void()>& command) const;

    // Runs `command` here each time `sender` emits `signal`, for as long as
    // `context` lives. The command takes as many of the signal's arguments as
    // it names (none, or the row of a clicked box, or a switch's state).
    template <class Sender, class Signal, class Command>
    QMetaObject::Connection Connect(const Sender* sender, Signal signal, const QObject* context,
                                    Command command) const
    {
        return QObject::connect(sender, signal, context,
                                [this, command](auto... arguments) -> decltype(command(arguments...)) {
                                    Run([&] { command(arguments...); });
                                });
    }

private:
    Platform& platform_;
    std::function<void()> afterEach_;
    mutable int depth_ = 0; // commands running, one inside another
};

} // namespace quorvan
