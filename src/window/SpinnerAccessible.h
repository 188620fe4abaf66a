#pragma once
// What a screen reader learns of the spinner: a spin box with its position
// as the value, its range, and a step of one.

#include <QAccessibleWidget>

namespace quorvan {

class Spinner;

class SpinnerAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit SpinnerAccessible(Spinner* spinner);

    void* interface_cast(QAccessible::InterfaceType type) override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

private:
    Spinner* spinner() const;
};

// Makes every spinner answer with a SpinnerAccessible; once is enough.
void InstallSpinnerAccessible();

} // namespace quorvan
