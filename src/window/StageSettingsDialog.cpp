#include "window/StageSettingsDialog.h"

#include "texts/UserText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>

#include <cmath>

namespace quorvan {

namespace {

QDoubleSpinBox* SecondsBox(double lowest, double highest, int milliseconds, const QString& unit, QWidget* parent)
{
    auto* box = new QDoubleSpinBox(parent);
    box->setRange(lowest, highest);
    box->setDecimals(1);
    box->setSingleStep(0.5);
    box->setSuffix(unit);
    box->setValue(milliseconds / 1000.0);
    return box;
}

int Milliseconds(const QDoubleSpinBox* box)
{
    return int(std::lround(box->value() * 1000));
}

} // namespace

StageSettingsDialog::StageSettingsDialog(const StageSettings& settings, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("stageSettings"));
    setWindowTitle(Say(MessageId::StageSettingsTitle));
    auto* form = new QFormLayout(this);

    themeBox = new QComboBox(this);
    themeBox->addItems({Say(MessageId::StageThemeDark), Say(MessageId::StageThemeLight),
                        Say(MessageId::StageThemeHighContrast)});
    themeBox->setCurrentIndex(int(settings.Theme));
    form->addRow(Say(MessageId::StageThemeChoice), themeBox);

    const QString seconds = Say(MessageId::StageSeconds);
    pathBox = SecondsBox(StageSettings::ShortestPath / 1000.0, StageSettings::LongestPath / 1000.0,
                         settings.PathMilliseconds, seconds, this);
    form->addRow(Say(MessageId::StagePathSeconds), pathBox);
    pauseBox = SecondsBox(0, StageSettings::LongestPause / 1000.0, settings.PauseMilliseconds, seconds, this);
    form->addRow(Say(MessageId::StagePauseSeconds), pauseBox);

    reducedMotionBox = new QCheckBox(Say(MessageId::StageReducedMotion), this);
    reducedMotionBox->setChecked(settings.ReducedMotion);
    form->addRow(reducedMotionBox);
    curtainBox = new QCheckBox(Say(MessageId::StageCurtain), this);
    curtainBox->setChecked(settings.Curtain);
    form->addRow(curtainBox);
    celebrationBox = new QCheckBox(Say(MessageId::StageCelebration), this);
    celebrationBox->setChecked(settings.Celebration);
    // Reduced motion means no celebration either.
    celebrationBox->setEnabled(!settings.ReducedMotion);
    connect(reducedMotionBox, &QCheckBox::toggled, celebrationBox, &QCheckBox::setDisabled);
    form->addRow(celebrationBox);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

StageSettings StageSettingsDialog::chosen() const
{
    StageSettings settings;
    settings.Theme = StageTheme(themeBox->currentIndex());
    settings.ReducedMotion = reducedMotionBox->isChecked();
    settings.Curtain = curtainBox->isChecked();
    settings.Celebration = celebrationBox->isChecked();
    settings.PathMilliseconds = Milliseconds(pathBox);
    settings.PauseMilliseconds = Milliseconds(pauseBox);
    return settings;
}

} // namespace quorvan

#include "moc_StageSettingsDialog.cpp"
