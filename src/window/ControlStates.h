#pragma once
// Which controls the commands offer and withdraw: for each step of a command
// that changes enabled states, what it does to each control. The table is in
// ControlStates.cpp; the window applies a step's row with MainWindow::apply.

#include <array>
#include <cstdint>

namespace quorvan {

// The controls whose enabled state the commands change. Every other control
// of the window stays enabled.
enum class Switched {
    Spinner,
    SetUp,
    LoadMembers,
    CrossLines,
    Build,
    ShuffleMembers,
    ShuffleHits,
    LoadHits,
    HitAll,
    SaveText,
    SaveWorkbook,
};
constexpr int SwitchedCount = 11;

enum class Change : uint8_t { Keep, Enable, Disable };

// The steps that change enabled states, in the table's order.
enum class Step {
    StartUp,            // the designed states
    SetUpBegins,        // the count is locked while the rows are made
    SetUpEnds,          // members and hits are asked for
    Build,              // the ladder is built: the hits are next
    ResultColumnSet,    // the result column made or removed
    HitAllEnds,         // the results can be written
    Reset,              // a new lottery begins
    MemberImportBegins, // Build waits for the list
    MembersLoaded,      // the members are in: the hits may be loaded
    HitsLoaded,         // the hits are in
    MemberShuffleBegins,
    MemberShuffleEnds,
    HitShuffleBegins,
    HitShuffleEnds,
    AnnouncementOpens,  // the announced lists stay fixed
    AnnouncementCloses, // closed without a draw: the lists may change and be built again
};

using Changes = std::array<Change, SwitchedCount>;

// What `step` does to each switched control, in the order of Switched.
const Changes& ChangesOf(Step step);

} // namespace quorvan
