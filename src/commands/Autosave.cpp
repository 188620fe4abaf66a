// Nothing lost: the lottery is kept in the user's state folder after every
// command, and offered back at the next start when the program did not close
// normally (a crash, a power cut). A clean exit, or a Reset, removes it. Each
// running copy keeps its lottery under a name of its own, so that a copy
// started beside another neither offers nor removes the other's.
//
// RESET and EXIT of a lottery whose results are not saved ask first (Save /
// Discard / Cancel) rather than offering an undo: EXIT cannot be undone once
// the window is gone, people know the question from every desktop program
// that closes a document, and the same question at RESET keeps the two alike.
// Save writes the draw record, which holds every result and can be opened again.

#include "commands/Commands.h"
#include "drawrecord/LotteryState.h"
#include "files/FileError.h"
#include "files/FileSaving.h"
#include "files/HeldName.h"
#include "ladder/Geometry.h"
#include "lists/CountedHits.h"
#include "platform/Platform.h"
#include "window/Controls.h"
#include "window/MainWindow.h"
#include "window/Spinner.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace quorvan {

namespace {
const QString StateStem = QStringLiteral("lottery-in-progress");
const QString StateExtension = QStringLiteral("json");
} // namespace

QString Commands::autosavePath()
{
    return stateName_ ? stateName_->Path() : QString();
}

LotteryState Commands::currentState() const
{
    const WindowModel& model = lottery_.Model;
    LotteryState state;
    // The rows shown, whatever RowCount says: after a member import it stays
    // 2, and while a command runs (a spinner change inside the member import)
    // it may name rows not made yet.
    int32_t rows = 0;
    while (rows < MostMembers && window_.findBox(Column::Members, rows + 1) && window_.findBox(Column::Hits, rows + 1))
        ++rows;
    state.Rows = rows;
    state.Count = window_.countSpinner()->position();
    state.CrossLines = window_.crossLinesBox()->isChecked();
    state.FairDraw = model.FairDraw;
    state.Members = columnTexts(Column::Members, rows);
    state.Hits = columnTexts(Column::Hits, rows);
    state.MembersLoaded = model.MembersLoaded;
    state.HitsLoaded = model.HitsLoaded;
    state.MemberShuffles = model.MemberShuffleCount;
    state.HitShuffles = model.HitShuffleCount;
    state.History = model.History;
    state.LastBuild = model.LastBuild;
    state.ResultsShown = model.ResultColumnShown;
    state.LitHit = model.LitHit;
    state.Revealed = lottery_.Reveals.Revealed();
    state.RedPrizes = model.RedPrizes;
    state.ResultsSaved = model.ResultsSaved;
    for (const CountedLine& line : countedHits_)
        state.CountedHitLines.append(line.Line);
    return state;
}

void Commands::autosave()
{
    const QString path = autosavePath();
    if (!autosaving_ || path.isEmpty())
        return;
    const LotteryState state = currentState();
    const auto typed = [](const QStringList& texts) {
        return std::any_of(texts.begin(), texts.end(), [](const QString& text) { return !text.isEmpty(); });
    };
    if (state.Rows == 0 || (!state.LastBuild && !typed(state.Members) && !typed(state.Hits))) {
        removeAutosave(); // nothing a person would miss
        return;
    }
    const QByteArray bytes = LotteryStateBytes(state);
    if (bytes == lastAutosave_)
        return;
    try {
        MakeFolderFor(path, Say(MessageId::CannotKeepLottery));
        ReplaceFileContent(path, bytes, Say(MessageId::CannotKeepLottery));
    } catch (const FileError& failed) {
        // Told once; while it fails for the same reason, the status line
        // says so and no message stops the event in front of its audience.
        if (failed.Message() != lastAutosaveFailure_) {
            lastAutosaveFailure_ = failed.Message();
            throw;
        }
        // The reason first, where the line is not cut off: it follows the message's first line.
        window_.showStatus(Say(MessageId::LotteryNotKept)
                               .arg(failed.Message().section(QLatin1Char('\n'), 1), QDir::toNativeSeparators(path)));
        return;
    }
    lastAutosave_ = bytes;
    lastAutosaveFailure_.clear();
}

void Commands::removeAutosave()
{
    lastAutosave_.clear();
    const QString path = autosavePath();
    if (!path.isEmpty() && QFileInfo::exists(path))
        QFile::remove(path);
}

void Commands::offerRestore()
{
    autosaving_ = true;
    // Another copy running beside this one keeps its lottery under another
    // name; what a copy that did not close left under its name is offered.
    const QString folder = window_.platform().StateFolder();
    if (!folder.isEmpty())
        stateName_ = std::make_unique<HeldName>(folder, StateStem, StateExtension, HeldName::Taking::LeftFileFirst);
    const QString path = autosavePath();
    if (path.isEmpty() || !QFileInfo::exists(path))
        return;
    QFile file(path);
    const bool read = file.open(QIODevice::ReadOnly);
    const std::optional<LotteryState> state = ParseLotteryState(read ? file.read(MostLotteryStateBytes) : QByteArray());
    file.close();
    Platform& platform = window_.platform();
    if (!state) {
        // Kept for whoever wants to look into it, out of the next start's way.
        const QString aside = path + platform.LocalNow().toString(QStringLiteral(".yyyyMMdd-HHmmss")) + QStringLiteral(".damaged");
        if (QFile::rename(path, aside))
            throw FileError(Say(MessageId::CannotRestoreLottery), aside, Say(MessageId::SavedLotteryDamaged));
        // Where it cannot be moved it stays, named as it is, and this copy
        // keeps its own lottery under another name, taken before this one goes,
        // where no other copy left one.
        auto other = std::make_unique<HeldName>(folder, StateStem, StateExtension, HeldName::Taking::NoFileOnly);
        stateName_ = std::move(other);
        throw FileError(Say(MessageId::CannotRestoreLottery), path, Say(MessageId::SavedLotteryDamaged));
    }
    const QDateTime saved = QFileInfo(path).lastModified();
    const QString when = platform.ShortDate(saved.date()) + QLatin1Char(' ') + platform.LongTime(saved.time());
    if (platform.AskWithDefault(
            Say(MessageId::RestoreQuestion).arg(QString::number(state->Rows), when),
            Say(MessageId::RestoreButton), Say(MessageId::DiscardButton)))
        restoreLottery(*state);
    else
        removeAutosave();
}

// The window as it was when the state was kept: its rows and lists, its
// ladder made again from the recorded seed, and what had been revealed.
void Commands::restoreLottery(const LotteryState& state)
{
    WindowModel& model = lottery_.Model;
    window_.crossLinesBox()->setChecked(state.CrossLines);
    onFairDrawToggled(state.FairDraw);
    window_.countSpinner()->requestPosition(state.Rows);
    onSetUp();
    for (int32_t row = 1; row <= state.Rows; ++row) {
        window_.memberBox(row).setText(state.Members[row - 1]);
        window_.hitBox(row).setText(state.Hits[row - 1]);
    }
    model.MembersLoaded = state.MembersLoaded;
    model.HitsLoaded = state.HitsLoaded;
    window_.showLoadedCounts(model.MembersLoaded, model.HitsLoaded);
    if (model.MembersLoaded)
        window_.apply(Step::MembersLoaded);
    if (model.HitsLoaded)
        window_.apply(Step::HitsLoaded);
    model.MemberShuffleCount = state.MemberShuffles;
    model.HitShuffleCount = state.HitShuffles;
    window_.showShuffleCount(Column::Members, model.MemberShuffleCount);
    window_.showShuffleCount(Column::Hits, model.HitShuffleCount);
    model.History = state.History;
    if (state.LastBuild) {
        buildLadder(state.LastBuild->Build);
        model.LastBuild = state.LastBuild;
    }
    window_.countSpinner()->requestPosition(state.Count);
    window_.showCount(state.Count);
    // The list check as an import or Build told it, the hit lines counted at import meant to repeat.
    for (const QString& line : state.CountedHitLines)
        if (const std::optional<CountedLine> counted = ReadCount(line, MostMembers))
            countedHits_.append(*counted);
    if (state.LastBuild || state.MembersLoaded || state.HitsLoaded)
        reportListChecks(state.LastBuild.has_value());
    if (state.LastBuild) {
        if (state.ResultsShown)
            onHitAll();
        // The prizes revealed in their order, the paths kept red, then the
        // path lit last, told as its reveal told it.
        for (const int32_t hit : state.Revealed)
            lottery_.Reveals.Reveal(hit);
        model.RedPrizes = state.RedPrizes;
        redrawKeptRed();
        if (state.LitHit != 0)
            onHitClicked(state.LitHit);
    }
    model.ResultsSaved = state.ResultsSaved;
}

bool Commands::confirmDiscard(MessageId question)
{
    if (!lottery_.Model.LadderBuilt || lottery_.Model.ResultsSaved)
        return true;
    switch (window_.platform().AskToSave(Say(question))) {
    case SaveAnswer::Save:
        onSaveDraw();
        return lottery_.Model.ResultsSaved; // not when the save dialog was cancelled
    case SaveAnswer::Discard:
        return true;
    case SaveAnswer::Cancel:
        break;
    }
    return false;
}

bool Commands::mayClose()
{
    bool close = false;
    boundary_.Run([&] {
        close = confirmDiscard(MessageId::SaveBeforeExit);
        if (close) {
            autosaving_ = false; // a clean exit leaves nothing to restore
            removeAutosave();
        }
    });
    return close;
}

} // namespace quorvan
