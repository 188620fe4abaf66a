#include "window/TabSequence.h"

#include <algorithm>

namespace quorvan {

void TabSequence::Append(QWidget* control)
{
    order_.append(control);
    changed_ = true;
}

void TabSequence::Remove(QWidget* control)
{
    changed_ |= order_.removeOne(control);
}

void TabSequence::SetTabValue(QWidget* control, int value)
{
    const qsizetype from = order_.indexOf(control);
    if (from < 0)
        return;
    const qsizetype to = std::clamp<qsizetype>(value, 0, order_.size() - 1);
    order_.move(from, to);
    changed_ = true;
}

void TabSequence::PlaceAfter(QWidget* control, const QWidget* before)
{
    const qsizetype from = order_.indexOf(control);
    if (from < 0 || !order_.contains(before) || control == before)
        return;
    order_.removeAt(from);
    order_.insert(order_.indexOf(before) + 1, control);
    changed_ = true;
}

QStringList TabSequence::Names() const
{
    QStringList names;
    names.reserve(order_.size());
    for (const QWidget* control : order_)
        names.append(control->objectName());
    return names;
}

QWidget* TabSequence::FirstStop() const
{
    const auto stop = std::find_if(order_.begin(), order_.end(), [](const QWidget* control) {
        return (control->focusPolicy() & Qt::TabFocus) && control->isEnabled();
    });
    return stop == order_.end() ? nullptr : *stop;
}

void TabSequence::Apply()
{
    if (!changed_)
        return;
    changed_ = false;
    QWidget* previous = nullptr;
    for (QWidget* control : order_) {
        if (!(control->focusPolicy() & Qt::TabFocus))
            continue;
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

} // namespace quorvan
