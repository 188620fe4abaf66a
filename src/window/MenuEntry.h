#pragma once
// Menu entries that stand for controls of the window.

#include <QKeySequence>
#include <QString>

class QAction;
class QMenu;
class QWidget;

namespace quorvan {

// `caption` with `letter` as its mnemonic: marked where the caption has it,
// otherwise added after it in brackets, as Japanese menus write it.
QString WithMnemonic(const QString& caption, QChar letter);

// The text a button or check box shows.
QString CaptionOf(const QWidget& control);

// Adds to `menu` an entry standing for `control` (a button, a check box or a
// picture that answers a click). Choosing it does what a click on the control
// does; it is enabled exactly when the control is, and a check box's entry is
// checked exactly when the box is.
QAction* AddControlEntry(QMenu& menu, QWidget& control, const QString& caption, const QKeySequence& shortcut);

} // namespace quorvan
