// Save draw and Open draw: the draw record of the last Build written to a
// file, and a record read back into the window, its ladder made again from
// the recorded seed and checked against the results it holds.

#include "Commands.h"
#include "DrawRecordFile.h"
#include "DrawTexts.h"
#include "DrawVerification.h"

#include <QFileInfo>

#include <algorithm>

namespace quorvan {

namespace {

constexpr qsizetype MostDifferencesShown = 20; // the verdict box stays smaller than the screen

QString DrawFilter(MainWindow& window)
{
    return window.localized(QStringLiteral("抽選記録"), QStringLiteral("Draw records"))
           + QStringLiteral("|*.%1|*.*|*.*").arg(DrawRecordSuffix);
}

int32_t ShufflesOf(const std::vector<DrawEvent>& history, DrawColumn column)
{
    return static_cast<int32_t>(std::count_if(history.begin(), history.end(), [column](const DrawEvent& event) {
        const auto* shuffle = std::get_if<ShuffleEvent>(&event);
        return shuffle && shuffle->Column == column;
    }));
}

} // namespace

void Commands::onSaveDraw()
{
    Platform& platform = window_.platform();
    const bool japanese = window_.japanese();
    if (!model_.LastBuild) {
        platform.ShowInformation(draw_texts::NothingToSave.In(japanese));
        return;
    }
    const auto choice = platform.ChooseFileToSave(
        DrawFilter(window_), model_.DrawRecordFolder,
        window_.localized(QStringLiteral("抽選記録.%1"), QStringLiteral("Draw.%1")).arg(DrawRecordSuffix));
    if (!choice)
        return;
    QString path = choice->Path;
    if (QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + DrawRecordSuffix;
    model_.DrawRecordFolder = QFileInfo(path).absolutePath();
    window_.setBusyCursor();

    const BuiltDraw& draw = *model_.LastBuild;
    DrawRecord record{QStringLiteral(QUORVAN_VERSION),
                      DrawRecordTime(platform.LocalNow()),
                      draw,
                      model_.History,
                      LadderDigest(window_.grid, draw.Build.Rows),
                      TraceResults(window_.grid, draw.Members, draw.Hits)};
    SaveDrawRecord(path, record, japanese);
}

void Commands::onOpenDraw()
{
    Platform& platform = window_.platform();
    const auto path = platform.ChooseFileToOpen(DrawFilter(window_), model_.LastDrawFile);
    if (!path)
        return;
    model_.LastDrawFile = *path;
    window_.setBusyCursor();
    // The whole record is read and checked before the window changes.
    const bool japanese = window_.japanese();
    const DrawRecord record = ReadDrawRecord(*path, japanese);
    const QStringList differences = DrawDifferences(record, japanese);
    showDraw(record);
    window_.setDefaultCursor();
    platform.ShowInformation(DrawVerdict(record, differences, japanese, MostDifferencesShown));
}

// The window as after ［HIT-ALL］ of the recorded draw: its rows set up, its
// lists in place, its ladder built from its seed and every hit traced.
void Commands::showDraw(const DrawRecord& record)
{
    const BuiltDraw& draw = record.Draw;
    onReset();
    window_.crossLinesBox->setChecked(draw.Build.CrossLines);
    window_.countSpinner->requestPosition(draw.Build.Rows);
    onSetUp();
    for (int32_t row = 1; row <= draw.Build.Rows; ++row) {
        window_.memberBox(row).setText(draw.Members[row - 1]);
        window_.hitBox(row).setText(draw.Hits[row - 1]);
    }
    model_.History = record.History;
    model_.MemberShuffleCount = ShufflesOf(record.History, DrawColumn::Members);
    model_.HitShuffleCount = ShufflesOf(record.History, DrawColumn::Hits);
    window_.showShuffleCount(Column::Members);
    window_.showShuffleCount(Column::Hits);
    buildLadder(draw.Build);
    onFairDrawToggled(draw.Build.FairDraw);
    model_.LastBuild = draw;
    onHitAll();
}

} // namespace quorvan
