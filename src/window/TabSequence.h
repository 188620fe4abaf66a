#pragma once
// The window's tab sequence: every windowed control holds a place, 0 first.
// A control joins at the end; giving it a tab value moves it to that place
// (or to the end when the value is past it); a freed control leaves.
// Controls that cannot take the focus keep their places but are skipped.

#include <QList>
#include <QStringList>
#include <QWidget>

namespace quorvan {

class TabSequence {
public:
    void Append(QWidget* control);
    void Remove(QWidget* control);
    void SetTabValue(QWidget* control, int value);
    // Moves `control` to the place just after `before`; nothing when either has no place.
    void PlaceAfter(QWidget* control, const QWidget* before);

    QStringList Names() const;

    // Hands the order to Qt's focus chain, if it changed since the last time.
    void Apply();

    // The first control that takes the focus from the keyboard, or nullptr.
    QWidget* FirstStop() const;

private:
    QList<QWidget*> order_;
    bool changed_ = false;
};

} // namespace quorvan
