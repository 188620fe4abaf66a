#pragma once
// Message boxes that fit the screen: a message taller than the screen's
// free height scrolls inside its box, so the OK button stays in reach.

#include <QMessageBox>
#include <QString>

class QWidget;

namespace quorvan {

void ShowMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& text);

} // namespace quorvan
