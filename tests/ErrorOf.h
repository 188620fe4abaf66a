#pragma once
// What a piece of work raised, for the checks of refusals and failures.

#include <QString>

#include <functional>

// The message of the `Error` that `work` raised, or "" when it returned.
template <typename Error>
QString ErrorOf(const std::function<void()>& work)
{
    try {
        work();
    } catch (const Error& error) {
        return QString::fromUtf8(error.what());
    }
    return {};
}
