#pragma once
// How the stage shows a draw, kept between runs in the user's settings:
// its theme, whether paths move, whether the prizes wait behind a curtain,
// whether a reveal is celebrated,
// how long one path takes and the pause between paths of Reveal all; and
// the screen it was on, per set-up of screens.

#include "window/StageLook.h"

#include <QString>

namespace quorvan {

class Platform;

struct StageSettings {
    static constexpr int ShortestPath = 500, LongestPath = 10000;   // milliseconds
    static constexpr int LongestPause = 10000;                      // milliseconds

    StageTheme Theme = StageTheme::Dark;
    bool ReducedMotion = false;
    bool Curtain = true;
    // A short celebration when a path reaches its member; never with reduced motion.
    bool Celebration = true;
    int PathMilliseconds = 3000;
    int PauseMilliseconds = 1500;

    bool operator==(const StageSettings&) const = default;
};

// The stored settings; the default of each where none is stored or what is stored is out of range.
StageSettings LoadStageSettings(Platform& platform);
void SaveStageSettings(Platform& platform, const StageSettings& settings);

// The screens there are now, as one text: names and places.
QString ScreenSetUp();
// The name of the screen the stage was on last with `setUp`, empty for none; and storing it.
QString StageScreen(Platform& platform, const QString& setUp);
void SetStageScreen(Platform& platform, const QString& setUp, const QString& screen);

} // namespace quorvan
