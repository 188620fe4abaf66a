// Save draw and Open draw: the draw record of the last Build written to a
// file, and a record read back into the window, its ladder made again from
// the recorded seed and checked against the results it holds.

#include "Version.h"
#include "commands/Commands.h"
#include "drawrecord/AnnouncedRecordFile.h"
#include "drawrecord/DrawRecordFile.h"
#include "drawrecord/DrawTexts.h"
#include "drawrecord/DrawVerification.h"
#include "platform/Platform.h"
#include "window/Controls.h"
#include "window/MainWindow.h"
#include "window/Spinner.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>

namespace quorvan {

namespace {

constexpr qsizetype MostDifferencesShown = 20; // the verdict box stays smaller than the screen

int32_t ShufflesOf(const std::vector<DrawEvent>& history, DrawColumn column)
{
    return static_cast<int32_t>(std::count_if(history.begin(), history.end(), [column](const DrawEvent& event) {
        const auto* shuffle = std::get_if<ShuffleEvent>(&event);
        return shuffle && shuffle->Column == column;
    }));
}

} // namespace

QString Commands::drawRecordFilter()
{
    return QCoreApplication::translate("DrawRecords", "Draw records")
           + QStringLiteral("|*.%1|*.*|*.*").arg(DrawRecordSuffix);
}

void Commands::onSaveDraw()
{
    Platform& platform = window_.platform();
    if (!lottery_.Model.LastBuild) {
        platform.ShowInformation(draw_texts::NothingToSave());
        return;
    }
    const auto path = chooseRecordPath(
        drawRecordFilter(), lottery_.Model.DrawRecordFolder,
        QCoreApplication::translate("DrawRecords", "Draw.%1").arg(DrawRecordSuffix));
    if (!path)
        return;
    window_.setBusyCursor();

    const BuiltDraw& draw = *lottery_.Model.LastBuild;
    DrawRecord record{QStringLiteral(QUORVAN_VERSION),
                      DrawRecordTime(platform.LocalNow()),
                      draw,
                      lottery_.Model.History,
                      LadderDigest(lottery_.Grid, draw.Build.Rows),
                      TraceResults(lottery_.Grid, draw.Members, draw.Hits)};
    SaveDrawRecordBytes(*path, DrawRecordBytes(record));
    lottery_.Model.ResultsSaved = true;
    tellSaved(*path);
}

std::optional<QString> Commands::chooseRecordPath(const QString& filter, const QString& folder, const QString& name)
{
    Platform& platform = window_.platform();
    const auto choice = platform.ChooseFileToSave(filter, folder, name);
    if (!choice)
        return std::nullopt;
    QString path = choice->Path;
    if (QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + QFileInfo(name).suffix();
    lottery_.Model.DrawRecordFolder = QFileInfo(path).absolutePath();
    // Another file is not replaced unasked: the dialog offers the same name every time.
    if (QFileInfo(path).isFile()
        && !platform.AskYesNo(Say(MessageId::ReplaceQuestion).arg(path)))
        return std::nullopt;
    return path;
}

void Commands::onOpenDraw()
{
    Platform& platform = window_.platform();
    const auto path = platform.ChooseFileToOpen(drawRecordFilter(), lottery_.Model.LastDrawFile);
    if (path)
        openDrawFile(*path);
}

void Commands::openDrawFile(const QString& path)
{
    if (!listsFree())
        return;
    Platform& platform = window_.platform();
    lottery_.Model.LastDrawFile = path;
    window_.setBusyCursor();
    // The whole record is read and checked before the window changes.
    const StrictContent content = ReadRecordJson(ReadDrawRecordBytes(path), path);
    if (IsAnnouncedRecord(content.Object)) {
        openAnnouncedRecord(content, path);
        return;
    }
    const DrawRecord record = ParseDrawRecord(content, path);
    const QStringList differences = DrawDifferences(record);
    showDraw(record.Draw, record.History);
    window_.setDefaultCursor();
    platform.ShowInformation(DrawVerdict(record, differences, MostDifferencesShown));
}

// The window as after HIT-ALL of the recorded draw: its rows set up, its
// lists in place, its ladder built from its seed and every hit traced.
void Commands::showDraw(const BuiltDraw& draw, const std::vector<DrawEvent>& history)
{
    onReset();
    window_.crossLinesBox()->setChecked(draw.Build.CrossLines);
    window_.countSpinner()->requestPosition(draw.Build.Rows);
    onSetUp();
    for (int32_t row = 1; row <= draw.Build.Rows; ++row) {
        window_.memberBox(row).setText(draw.Members[row - 1]);
        window_.hitBox(row).setText(draw.Hits[row - 1]);
    }
    lottery_.Model.History = history;
    lottery_.Model.MemberShuffleCount = ShufflesOf(history, DrawColumn::Members);
    lottery_.Model.HitShuffleCount = ShufflesOf(history, DrawColumn::Hits);
    window_.showShuffleCount(Column::Members, lottery_.Model.MemberShuffleCount);
    window_.showShuffleCount(Column::Hits, lottery_.Model.HitShuffleCount);
    buildLadder(draw.Build);
    showFairDraw(draw.Build.FairDraw);
    lottery_.Model.LastBuild = draw;
    onHitAll();
}

} // namespace quorvan
