#include "window/MenuEntry.h"

#include "window/Controls.h"

#include <QAbstractButton>
#include <QAction>
#include <QEvent>
#include <QMenu>

#include <algorithm>
#include <iterator>
#include <stdexcept>

namespace quorvan {

namespace {

// Keeps an entry enabled exactly when the control it watches is.
class EnabledFollower : public QObject {
public:
    EnabledFollower(QWidget& control, QAction& entry) : QObject(&entry), entry_(entry)
    {
        entry_.setEnabled(control.isEnabled());
        control.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::EnabledChange)
            entry_.setEnabled(static_cast<QWidget*>(watched)->isEnabled());
        return false;
    }

private:
    QAction& entry_;
};

} // namespace

QString WithMnemonic(const QString& caption, QChar letter)
{
    const QString ellipsis = QStringLiteral("\u2026");
    const bool dialog = caption.endsWith(ellipsis);
    const QString words = dialog ? caption.chopped(1) : caption;
    qsizetype at = words.indexOf(letter);
    // An English caption marks a letter of its own words, in either case,
    // or else its first; never a bracket.
    const bool english = std::all_of(words.begin(), words.end(), [](QChar c) { return c.unicode() < 0x80; });
    if (at < 0 && english)
        at = words.indexOf(letter, 0, Qt::CaseInsensitive);
    if (at < 0 && english)
        at = std::distance(words.begin(),
                           std::find_if(words.begin(), words.end(), [](QChar c) { return c.isLetterOrNumber(); }));
    const QString marked = at >= 0 && at < words.size() ? QString(words).insert(at, QLatin1Char('&'))
                                                        : QStringLiteral("%1(&%2)").arg(words, letter.toUpper());
    return dialog ? marked + ellipsis : marked;
}

QString CaptionOf(const QWidget& control)
{
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control))
        return button->text();
    if (!control.accessibleName().isEmpty())
        return control.accessibleName();
    throw std::logic_error("Control " + control.objectName().toStdString() + " has no caption");
}

QAction* AddControlEntry(QMenu& menu, QWidget& control, const QString& caption, const QKeySequence& shortcut)
{
    QAction* entry = menu.addAction(caption);
    entry->setShortcut(shortcut);
    entry->setData(QVariant::fromValue(static_cast<QObject*>(&control)));
    new EnabledFollower(control, *entry);
    if (auto* button = qobject_cast<QAbstractButton*>(&control)) {
        if (button->isCheckable()) {
            entry->setCheckable(true);
            entry->setChecked(button->isChecked());
            QObject::connect(button, &QAbstractButton::toggled, entry, &QAction::setChecked);
        }
        QObject::connect(entry, &QAction::triggered, button, &QAbstractButton::click);
    } else if (auto* picture = qobject_cast<Picture*>(&control)) {
        QObject::connect(entry, &QAction::triggered, picture, &Picture::click);
    } else {
        throw std::logic_error("Control " + control.objectName().toStdString() + " cannot stand in a menu");
    }
    return entry;
}

} // namespace quorvan
