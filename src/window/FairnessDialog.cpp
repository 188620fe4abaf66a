#include "window/FairnessDialog.h"

#include "files/FileSaving.h"
#include "ladder/FairnessFigures.h"
#include "ladder/Geometry.h"
#include "platform/Platform.h"
#include "texts/UserText.h"
#include "window/CommandBoundary.h"
#include "window/MainWindow.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QScrollArea>
#include <QVBoxLayout>

namespace quorvan {

namespace {

constexpr int PollMilliseconds = 40;

QString Percent(double share)
{
    return QString::number(100 * share, 'f', 1) + QLatin1Char('%');
}

// The name chosen, given `ending` when it has none. A folder keeps its name,
// to be refused as a folder.
QString WithEnding(const QString& chosen, const QString& ending)
{
    const QFileInfo file(chosen);
    return file.fileName().contains(QLatin1Char('.')) || file.isDir() ? chosen : chosen + ending;
}

} // namespace

FairnessDialog::FairnessDialog(MainWindow& window, const CommandBoundary& boundary, const LadderShape& shape)
    : QDialog(&window), window_(window), boundary_(boundary)
{
    setAttribute(Qt::WA_DeleteOnClose);
    build(shape);
    poll_.setInterval(PollMilliseconds);
    connect(&poll_, &QTimer::timeout, this, &FairnessDialog::poll);
    boundary_.Connect(runButton, &QPushButton::clicked, this, [this] { run(); });
    connect(cancelButton, &QPushButton::clicked, this, [this] { cancel(); });
    boundary_.Connect(savePictureButton, &QPushButton::clicked, this, [this] { savePicture(); });
    boundary_.Connect(saveMatrixButton, &QPushButton::clicked, this, [this] { saveMatrix(); });
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
    showRunning(false);
}

// Closing the dialog while it runs stops the threads and waits for them.
FairnessDialog::~FairnessDialog() = default;

void FairnessDialog::build(const LadderShape& shape)
{
    setObjectName(QStringLiteral("FairnessDialog"));
    setWindowTitle(QCoreApplication::translate("FairnessDialog", "Fairness"));

    rowsBox = new QSpinBox;
    rowsBox->setRange(2, MostMembers);
    rowsBox->setValue(shape.MemberCount);
    crossLinesBox = new QCheckBox(QStringLiteral("Cross Lines"));
    crossLinesBox->setChecked(shape.CrossLines);
    runButton = new QPushButton(QCoreApplication::translate("FairnessDialog", "Run"));
    runButton->setDefault(true);
    cancelButton = new QPushButton(QCoreApplication::translate("FairnessDialog", "Cancel"));
    progressBar = new QProgressBar;
    progressBar->setRange(0, Ladders);
    progressBar->setValue(0);

    auto* settings = new QHBoxLayout;
    settings->addWidget(new QLabel(QCoreApplication::translate("FairnessDialog", "Rows:")));
    settings->addWidget(rowsBox);
    settings->addWidget(crossLinesBox);
    settings->addWidget(runButton);
    settings->addWidget(cancelButton);
    settings->addWidget(progressBar, 1);

    resultPanel = new QWidget;
    resultPanel->setObjectName(QStringLiteral("FairnessResult"));
    resultPanel->setAutoFillBackground(true);
    heading = new QLabel;
    auto* explanation = new QLabel(QCoreApplication::translate("FairnessDialog", "How often each hit (row) lands on "
            "each member (column); white is the fair 1/n."));
    explanation->setWordWrap(true);
    drawnMap = new HeatMapView;
    shuffledMap = new HeatMapView;
    drawnFigures = new QLabel;
    shuffledFigures = new QLabel;
    for (QLabel* figures : {drawnFigures, shuffledFigures}) {
        figures->setWordWrap(true);
        figures->setAlignment(Qt::AlignTop | Qt::AlignLeft);
        figures->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    auto* maps = new QGridLayout(resultPanel);
    maps->addWidget(heading, 0, 0, 1, 2);
    maps->addWidget(explanation, 1, 0, 1, 2);
    maps->addWidget(new QLabel(QCoreApplication::translate("FairnessDialog", "The program's ladder")), 2, 0);
    maps->addWidget(new QLabel(QCoreApplication::translate("FairnessDialog", "After a uniform shuffle of the hits")),
                    2, 1);
    maps->addWidget(drawnMap, 3, 0);
    maps->addWidget(shuffledMap, 3, 1);
    maps->addWidget(drawnFigures, 4, 0);
    maps->addWidget(shuffledFigures, 4, 1);
    maps->addWidget(new HeatLegend(QCoreApplication::translate("FairnessDialog", "never"), QStringLiteral("1/n")), 5, 0, 1, 2);
    maps->setRowStretch(3, 1);

    savePictureButton = new QPushButton(QCoreApplication::translate("FairnessDialog", "Save picture…"));
    saveMatrixButton = new QPushButton(QCoreApplication::translate("FairnessDialog", "Save matrix…"));
    closeButton = new QPushButton(QCoreApplication::translate("FairnessDialog", "Close"));
    closeButton->setAutoDefault(false);
    auto* saving = new QHBoxLayout;
    saving->addWidget(savePictureButton);
    saving->addWidget(saveMatrixButton);
    saving->addStretch(1);
    saving->addWidget(closeButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(settings);
    // On a screen too small for the maps and their figures (a large scale),
    // the results scroll rather than lie over each other.
    auto* results = new QScrollArea;
    results->setWidget(resultPanel);
    results->setWidgetResizable(true);
    results->setFrameShape(QFrame::NoFrame);
    layout->addWidget(results, 1);
    layout->addLayout(saving);
}

void FairnessDialog::showRunning(bool running)
{
    rowsBox->setEnabled(!running);
    crossLinesBox->setEnabled(!running);
    runButton->setEnabled(!running);
    cancelButton->setEnabled(running);
    savePictureButton->setEnabled(!running && result_.has_value());
    saveMatrixButton->setEnabled(!running && result_.has_value());
}

void FairnessDialog::run()
{
    runShape_ = {rowsBox->value(), crossLinesBox->isChecked()};
    Platform& platform = window_.platform();
    const uint64_t seed = platform.PerformanceCounter().value_or(platform.MillisecondsSinceStart());
    result_.reset();
    simulation_ = std::make_unique<FairnessSimulation>(FairnessRun{runShape_, Ladders, seed, 0});
    progressBar->setValue(0);
    for (HeatMapView* map : {drawnMap, shuffledMap})
        map->setMap({});
    for (QLabel* figures : {drawnFigures, shuffledFigures})
        figures->clear();
    showRunning(true);
    poll_.start();
}

void FairnessDialog::cancel()
{
    if (simulation_)
        simulation_->Cancel();
}

void FairnessDialog::poll()
{
    if (!simulation_)
        return;
    // Finished first: once it holds, every ladder counted is in LaddersDone.
    const bool finished = simulation_->Finished();
    progressBar->setValue(simulation_->LaddersDone());
    if (finished) {
        poll_.stop();
        boundary_.Run([this] { finish(); });
    }
}

// Takes the counts of the finished threads; a cancelled run shows nothing.
void FairnessDialog::finish()
{
    const std::unique_ptr<FairnessSimulation> finished = std::move(simulation_);
    result_ = finished->Wait();
    showRunning(false);
    if (result_)
        showResult();
    else
        progressBar->setValue(0);
}

void FairnessDialog::showResult()
{
    drawnMap->setMap(HeatMapImage(result_->AsDrawn, result_->Ladders));
    shuffledMap->setMap(HeatMapImage(result_->Shuffled, result_->Ladders));
    drawnFigures->setText(figuresText(result_->AsDrawn));
    shuffledFigures->setText(figuresText(result_->Shuffled));
    heading->setText(QCoreApplication::translate("FairnessDialog", "%1 rows, Cross Lines %2, %3 ladders")
                         .arg(runShape_.MemberCount)
                         .arg(runShape_.CrossLines ? QCoreApplication::translate("FairnessDialog", "on") : QCoreApplication::translate("FairnessDialog", "off"))
                         .arg(QLocale(QLocale::English).toString(result_->Ladders)));
}

QString FairnessDialog::figuresText(const LandingCounts& counts)
{
    const FairnessFigures figures = FiguresOf(counts, result_->Ladders);
    const double fair = 1.0 / counts.Members();
    const QString ladders = QLocale(QLocale::English).toString(result_->Ladders);
    const auto times = [](double value) { return QString::number(value, 'f', 1); };
    return QStringList{
        QCoreApplication::translate("FairnessDialog", "Most likely: hit %1 → member %2, %3, %5× ± %6 the fair %4 "
                "(chance alone gives about %7×)")
            .arg(QString::number(figures.LikeliestHit), QString::number(figures.LikeliestMember),
                 Percent(figures.LikeliestShare), Percent(fair), times(figures.TimesFair),
                 times(figures.TimesFairMargin), times(figures.ChanceAloneTimesFair)),
        QCoreApplication::translate("FairnessDialog", "Pairs never seen in %1 ladders: %2")
            .arg(ladders, Percent(figures.NeverShare)),
        QCoreApplication::translate("FairnessDialog", "Typical distance moved (median): %1 lines (%2 to %3; about %4 "
                "in a fair draw)")
            .arg(QString::number(figures.MedianDistance), QString::number(figures.MedianLow),
                 QString::number(figures.MedianHigh), QString::number(FairMedianDistance(counts.Members()), 'f', 0))}
        .join(QLatin1Char('\n'));
}

std::optional<QString> FairnessDialog::chooseFile(const QString& filter, const QString& ending,
                                                  const QString& initialName, int* filterChosen)
{
    Platform& platform = window_.platform();
    const auto choice = platform.ChooseFileToSave(filter, folder_, initialName);
    if (!choice)
        return std::nullopt;
    folder_ = QFileInfo(choice->Path).absolutePath();
    if (filterChosen)
        *filterChosen = choice->Filter;
    const QString path = WithEnding(choice->Path, ending);
    if (QFileInfo(path).isFile()
        && !platform.AskYesNo(Say(MessageId::ReplaceQuestion).arg(path)))
        return std::nullopt;
    return path;
}

void FairnessDialog::savePicture()
{
    const QString name = QStringLiteral("fairness-%1.png").arg(runShape_.MemberCount);
    const auto path = chooseFile(QCoreApplication::translate("FairnessDialog", "PNG picture") + QStringLiteral("|*.png"),
                                 QStringLiteral(".png"), name);
    if (!path)
        return;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!resultPanel->grab().save(&buffer, "PNG"))
        throw UserError(Say(MessageId::PictureNotMade));
    ReplaceFileContent(*path, bytes, Say(MessageId::CannotSavePicture));
}

// The save dialog's first entry writes the program's ladder, the second the shuffled side.
void FairnessDialog::saveMatrix()
{
    const QString name = QStringLiteral("fairness-%1.csv").arg(runShape_.MemberCount);
    int side = 0;
    const auto path = chooseFile(QStringList({QCoreApplication::translate("FairnessDialog", "The program's ladder "
            "(CSV)"),
                                              QStringLiteral("*.csv"),
                                              QCoreApplication::translate("FairnessDialog", "After a uniform shuffle "
                                                      "(CSV)"),
                                              QStringLiteral("*.csv")})
                                     .join(QLatin1Char('|')),
                                 QStringLiteral(".csv"), name, &side);
    if (!path)
        return;
    const LandingCounts& counts = side == 1 ? result_->Shuffled : result_->AsDrawn;
    ReplaceFileContent(*path, QByteArray::fromStdString(LandingCountsCsv(counts)),
                       Say(MessageId::CannotSaveMatrix));
}

} // namespace quorvan

#include "moc_FairnessDialog.cpp"
