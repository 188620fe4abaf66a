#pragma once
// The lottery's state beside the window: what the commands share, the rung
// grid of the ladder drawn last, and the generator Build and Shuffle draw from.

#include "drawrecord/Announcement.h"
#include "ladder/Ladder.h"
#include "ladder/RandomGenerator.h"
#include "commands/RevealOrder.h"
#include "window/WindowModel.h"

#include <QByteArray>

#include <optional>

namespace quorvan {

// An announcement written by Announce draw, its file's content byte for byte
// and where it is.
struct OpenAnnouncement {
    Announcement Content;
    QByteArray Text;
    QString Path;
};

struct Lottery {
    explicit Lottery(SeedClock& clock) : Random(clock) {}

    WindowModel Model;
    Ladder Grid;
    RandomGenerator Random;
    // The prizes revealed since Build.
    RevealOrder Reveals;
    // Open from Announce draw until its draw is made or it is closed: the
    // lists stay fixed meanwhile.
    std::optional<OpenAnnouncement> Announced;
};

} // namespace quorvan
