#include "window/SpinnerAccessible.h"

#include "window/Spinner.h"

#include <algorithm>

namespace quorvan {

namespace {

QAccessibleInterface* SpinnerFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String(Spinner::staticMetaObject.className()))
        return new SpinnerAccessible(static_cast<Spinner*>(object));
    return nullptr;
}

} // namespace

SpinnerAccessible::SpinnerAccessible(Spinner* spinner) : QAccessibleWidget(spinner, QAccessible::SpinBox) {}

void* SpinnerAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

Spinner* SpinnerAccessible::spinner() const
{
    return static_cast<Spinner*>(widget());
}

QVariant SpinnerAccessible::currentValue() const
{
    return spinner()->position();
}

// A value a screen reader sets moves the spinner as the arrows would: within
// its range, with the count display following.
void SpinnerAccessible::setCurrentValue(const QVariant& value)
{
    Spinner& moved = *spinner();
    moved.step(std::clamp(value.toInt(), moved.minimum(), moved.maximum()) - moved.position());
}

QVariant SpinnerAccessible::maximumValue() const
{
    return spinner()->maximum();
}

QVariant SpinnerAccessible::minimumValue() const
{
    return spinner()->minimum();
}

QVariant SpinnerAccessible::minimumStepSize() const
{
    return 1;
}

void InstallSpinnerAccessible()
{
    static const bool installed = (QAccessible::installFactory(SpinnerFactory), true);
    (void)installed;
}

} // namespace quorvan
