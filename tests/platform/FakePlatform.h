#pragma once
// A platform for tests: a chosen locale and clock, and a record of what the
// program asked of the desktop.

#include "Platform.h"

#include <QStringList>

namespace quorvan::testing {

class FakePlatform final : public Platform {
public:
    int32_t Locale = 1033;
    std::optional<uint64_t> Counter = 0;
    uint32_t Ticks = 0;
    MouseCursor Cursor = MouseCursor::Default;
    int HourglassCount = 0;
    QStringList Errors;

    std::optional<uint64_t> QueryPerformanceCounter() override { return Counter; }
    uint32_t GetTickCount() override { return Ticks; }
    int32_t UserDefaultLCID() override { return Locale; }
    void SetMouseCursor(MouseCursor cursor) override
    {
        Cursor = cursor;
        if (cursor == MouseCursor::Hourglass)
            ++HourglassCount;
    }
    void ShowErrorMessage(const QString& message) override { Errors.append(message); }
};

} // namespace quorvan::testing
