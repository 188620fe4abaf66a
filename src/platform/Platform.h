#pragma once
// Everything the program asks of the machine it runs on. The Qt implementation
// talks to the desktop; tests inject a double. Nothing else reads the environment.

#include "RandomGenerator.h"

#include <QString>

#include <cstdint>

namespace quorvan {

constexpr int32_t LocaleJapanese = 1041;

enum class MouseCursor { Default, Hourglass };

class Platform : public SeedClock {
public:
    // The user's default locale identifier (1041 is Japanese, 1033 US English).
    virtual int32_t UserDefaultLCID() = 0;

    // The application-wide mouse cursor.
    virtual void SetMouseCursor(MouseCursor cursor) = 0;

    // Shows an error message in a modal message box.
    virtual void ShowErrorMessage(const QString& message) = 0;
};

} // namespace quorvan
