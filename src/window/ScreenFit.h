#pragma once
// Keeping the window on its screen.

#include <QRect>

namespace quorvan {

// `frame` made no larger than `available` and moved, as little as it takes,
// to lie inside it.
QRect FitInto(QRect frame, const QRect& available);

} // namespace quorvan
