#pragma once
// Menu entries that stand for controls of the window.
//
// The designed controls stay primary and each entry follows its control: a
// click on the entry clicks the control, the entry's enabled state follows the
// control's through an event filter on QEvent::EnabledChange (a widget has no
// signal for it), and a check box's entry follows its toggled signal. Not a
// QAction shared by button and menu: the designed controls are QPushButtons
// and a QCheckBox with their own fonts, places and tab values, and Qt binds an
// action only to a QToolButton (setDefaultAction), so sharing one would take
// hand-written syncing both ways; and the control-state table, the tests, the
// screen reader and the keyboard all work on the controls themselves.

#include <QKeySequence>
#include <QString>

class QAction;
class QMenu;
class QWidget;

namespace quorvan {

// `caption` with `letter` as its mnemonic: marked where the caption has it,
// otherwise added in brackets as Japanese menus write it; an English caption
// marks the letter in either case, or else its first letter. A closing "…"
// stays last.
QString WithMnemonic(const QString& caption, QChar letter);

// The text a button or check box shows; a picture's accessible name.
QString CaptionOf(const QWidget& control);

// Adds to `menu` an entry standing for `control` (a button, a check box or a
// picture that answers a click). Choosing it does what a click on the control
// does; it is enabled exactly when the control is, and a check box's entry is
// checked exactly when the box is.
QAction* AddControlEntry(QMenu& menu, QWidget& control, const QString& caption, const QKeySequence& shortcut);

} // namespace quorvan
