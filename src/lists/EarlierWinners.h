#pragma once
// A second round: the member list without the members who won before.

#include <QStringList>

namespace quorvan {

struct LeftOut {
    QStringList Remaining; // the members who stay, in list order
    QStringList Names;     // the members left out, in list order
};

// `members` without every entry that matches one of `winners` (spaces at
// either end aside); empty entries stay where they are out of the list.
LeftOut LeaveOutWinners(const QStringList& members, const QStringList& winners);

} // namespace quorvan
