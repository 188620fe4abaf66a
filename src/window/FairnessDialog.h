#pragma once
// The fairness view: for a row count and the Cross Lines setting, many
// ladders made by Build's own generation in worker threads, and how often
// each hit lands on each member shown as a heat map with its figures in
// words; beside it the same after a uniform shuffle of the hit list. The
// window stays responsive while it runs; the picture saves as PNG and the
// counts as CSV.

#include "ladder/Fairness.h"
#include "window/HeatMap.h"

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

#include <memory>
#include <optional>

namespace quorvan {

class CommandBoundary;
class MainWindow;

class FairnessDialog : public QDialog {
    Q_OBJECT
public:
    // Ladders a run makes.
    static constexpr int32_t Ladders = 20000;

    // Starts with `shape`'s row count and Cross Lines setting; its commands
    // run through `boundary`.
    FairnessDialog(MainWindow& window, const CommandBoundary& boundary, const LadderShape& shape);
    ~FairnessDialog() override;

    QSpinBox* rowsBox = nullptr;
    QCheckBox* crossLinesBox = nullptr;
    QPushButton* runButton = nullptr;
    QPushButton* cancelButton = nullptr;
    QProgressBar* progressBar = nullptr;
    QWidget* resultPanel = nullptr; // what the saved picture shows
    QLabel* heading = nullptr;
    HeatMapView* drawnMap = nullptr;
    HeatMapView* shuffledMap = nullptr;
    QLabel* drawnFigures = nullptr;
    QLabel* shuffledFigures = nullptr;
    QPushButton* savePictureButton = nullptr;
    QPushButton* saveMatrixButton = nullptr;
    QPushButton* closeButton = nullptr;

    const std::optional<FairnessResult>& result() const { return result_; }

private:
    void build(const LadderShape& shape);
    void run();
    void cancel();
    void poll();
    void finish();
    void showResult();
    void showRunning(bool running);
    void savePicture();
    void saveMatrix();
    // The file the user chose for a save, with `ending` added when its name
    // has none; nothing when the dialog was cancelled or replacing was refused.
    std::optional<QString> chooseFile(const QString& filter, const QString& ending, const QString& initialName,
                                      int* filterChosen = nullptr);
    QString figuresText(const LandingCounts& counts);

    MainWindow& window_;
    const CommandBoundary& boundary_;
    std::unique_ptr<FairnessSimulation> simulation_;
    LadderShape runShape_;
    std::optional<FairnessResult> result_;
    QTimer poll_;
    QString folder_; // where the last save went
};

} // namespace quorvan
