#pragma once
// Message boxes that fit the screen: a message taller than the screen's
// free height scrolls inside its box, so the OK button stays in reach.

#include <QMessageBox>
#include <QString>

class QWidget;

namespace quorvan {

// The share of the screen's free room a box or table may take.
constexpr double ScreenShare = 0.8;

void ShowMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& text);

} // namespace quorvan
