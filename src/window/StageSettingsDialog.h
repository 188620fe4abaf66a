#pragma once
// The stage settings, chosen in a small dialog: theme, reduced motion, the
// curtain over the prizes, the time one path takes and the pause of Reveal all.

#include "window/StageSettings.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;

namespace quorvan {

class StageSettingsDialog : public QDialog {
    Q_OBJECT
public:
    StageSettingsDialog(const StageSettings& settings, QWidget* parent = nullptr);
    StageSettings chosen() const;

    QComboBox* themeBox = nullptr;
    QCheckBox* reducedMotionBox = nullptr;
    QCheckBox* curtainBox = nullptr;
    QCheckBox* celebrationBox = nullptr;
    QDoubleSpinBox* pathBox = nullptr;
    QDoubleSpinBox* pauseBox = nullptr;
};

} // namespace quorvan
