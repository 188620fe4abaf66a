#pragma once
// Texts that more than one command puts into the window.

#include <QCoreApplication>
#include <QString>

namespace quorvan::texts {

inline QString StartPrompt()
{
    return QCoreApplication::translate("Texts", "Please press the set execution button after specifying a set number");
}

// The shuffle buttons' captions before any shuffle.
inline QString Shuffle()
{
    return QCoreApplication::translate("Texts", "Shuffle");
}

} // namespace quorvan::texts
