#pragma once
// What the window's controls do: one slot per command, each in a file of
// its own in this folder. The commands own the lottery's state beside the
// window; the constructor runs start-up and connects every control's signal
// to its slot through the command boundary.

#include "commands/Lottery.h"
#include "drawrecord/DrawRecord.h"
#include "drawrecord/LotteryState.h"
#include "drawrecord/StrictJson.h"
#include "files/TextResultFile.h"
#include "lists/CountedHits.h"
#include "lists/ListChecks.h"
#include "lists/ListFile.h"
#include "platform/Platform.h"
#include "texts/Messages.h"
#include "window/CommandBoundary.h"
#include "window/ControlRoles.h"
#include "window/StageSettings.h"

#include <QObject>
#include <QTimer>

#include <memory>
#include <optional>
#include <vector>

namespace quorvan {

class FairnessSimulation;
class HeldName;
class MainWindow;
class StageWindow;

class Commands : public QObject {
    Q_OBJECT
public:
    explicit Commands(MainWindow& window);
    ~Commands() override;

public slots:
    void onSpinner();                 // Commands.cpp: the count display follows the spinner
    void onSetUp();                   // SetUp.cpp
    void onBuild();                   // Build.cpp
    void onReset();                   // Reset.cpp
    void onExit();                    // Commands.cpp
    void onHitClicked(int row);       // HitHighlight.cpp
    void onHitAll();                  // ResultColumn.cpp
    void onSaveText();                // TextResult.cpp
    void onSaveWorkbook();            // SpreadsheetResult.cpp
    void onLoadMembers();             // MemberImport.cpp
    void onLoadHits();                // HitImport.cpp
    void onShuffleMembers();          // Shuffle.cpp
    void onShuffleHits();             // Shuffle.cpp
    void onCapture();                 // WindowUtilities.cpp
    void onChooseFont();              // WindowUtilities.cpp
    void onApplyFont(const ControlFont& font); // WindowUtilities.cpp
    void onOpenGuide();               // WindowUtilities.cpp
    void onAbout();                   // Menus.cpp
    void onFairnessView();            // FairnessView.cpp: opens the fairness view
    void onSaveDraw();                // DrawRecords.cpp
    void onOpenDraw();                // DrawRecords.cpp
    void onFairDrawToggled(bool on);  // FairDraw.cpp
    void onAcceptFairDraw();          // FairDraw.cpp: the status line's offer after an uneven Build
    void onShowListFindings();        // ListCheckReport.cpp: every finding of the last list check
    void onWinnersView();             // Winners.cpp
    void onLeaveOutEarlierWinners();  // EarlierWinners.cpp
    void onStage();                   // Stage.cpp: opens or closes the stage
    void onRevealNext();              // Reveals.cpp: the next prize, in prize order
    void onRevealBack();              // Reveals.cpp: takes back the latest reveal
    void onRevealAll();               // Reveals.cpp: the remaining prizes, one after another
    void onStageBlank();              // Stage.cpp
    void onStageOverview();           // Stage.cpp
    void onSkipPath();                // Stage.cpp: the running path to its end
    void onStageSettings();           // Stage.cpp: theme, motion, curtain and timing, asked in a dialog
    void onAnnounceDraw();            // Announcing.cpp: the lists fixed and their announcement published
    void onDrawAnnounced();           // AnnouncedDrawing.cpp: the draw the announcement and the typed values give
    void onCloseAnnouncement();       // Announcing.cpp: the lists free again, no draw made

public:
    Lottery& lottery() { return lottery_; }
    // The stage, once opened; nullptr before.
    StageWindow* stage() const { return stage_.get(); }
    const StageSettings& stageSettings() const { return stageSettings_; }
    // Takes `settings` for the stage, keeps them and shows the stage with them.
    void useStageSettings(const StageSettings& settings); // Stage.cpp
    // Where every command runs.
    const CommandBoundary& boundary() const { return boundary_; }
    // The draw record at `path` read, checked and shown, as Open draw does
    // with the file chosen (`quorvan FILE` too).
    void openDrawFile(const QString& path); // DrawRecords.cpp

signals:
    // The fair draw switch has changed: every control that shows it follows.
    void fairDrawChanged(bool on);
    // A command has ended, well or not: the stage follows.
    void commandEnded();

private:
    void startUp();
    // The menu bar's menus and entries, in the window's language.
    void buildMenus();                // Menus.cpp
    // Connects `signal` of `sender` to `slot`, run as one command.
    template <class Sender, class Signal>
    void bind(const Sender* sender, Signal signal, void (Commands::*slot)())
    {
        boundary_.Connect(sender, signal, this, [this, slot] { (this->*slot)(); });
    }

    // Removes the result column's boxes (`mode` RemoveColumn) or creates an
    // empty one per row (any other mode); either way HIT-ALL and the
    // result files end withdrawn.
    enum ResultColumnMode { CreateColumn = 0, RemoveColumn = 1 };
    void setResultColumn(ResultColumnMode mode);
    void removeResultBoxes(int32_t first, int32_t last);
    // The hit and member texts HIT-ALL traced, as the result files write them.
    QList<ResultPair> resultPairs() const;
    // Prize → member of every filled hit of the last Build, in the order the
    // hits were loaded; raises when nothing is built. Winners.cpp.
    QList<ResultPair> winnerPairs() const;
    // The last Build had prizes and rows without one: the result dialogs offer winners only.
    bool fewerPrizesThanMembers() const;
    void printWinners(const QList<ResultPair>& winners);
    // For each row of the last Build, the row of the hit list as loaded that
    // its hit came from.
    std::vector<int32_t> prizeRowsAtLastBuild() const;
    // The rows of the last Build with a prize, first prize first: the order of the reveals.
    std::vector<int32_t> prizeRowsInOrder() const;
    // The prize of hit `row` of the last Build and its place among the
    // prizes in the order loaded; nothing for a row without one.
    std::optional<Prize> prizeOfRow(int32_t row) const;
    // The setting that keeps revealed prizes' paths red (HitHighlight.cpp).
    void restoreRedPathsSetting();
    void onKeepRedPathsToggled(bool on);
    // Hit `row` holds a prize whose path the setting keeps red.
    bool keptRed(int32_t row) const;
    // The prizes' paths kept red drawn red again, after a black path crossed them.
    void redrawKeptRed();
    // The window's controls whose menu entries open a dialog. Menus.cpp.
    bool opensDialog(const QWidget* control) const;
    // The member and hit boxes read-only while a ladder is built or an
    // announcement is open, open to typing otherwise. Announcing.cpp.
    void fixListsAsTheyHold();
    // The file a result or draw record went to, in the status line.
    void tellSaved(const QString& path);
    // Every row, the winners only, or as the save dialog's entry chosen says.
    enum class ResultRows { Every, WinnersOnly, AsChosen };
    void saveTextResult(ResultRows rows);     // TextResult.cpp
    void saveWorkbookResult(ResultRows rows); // SpreadsheetResult.cpp

    // The open dialog for lists, starting with the file chosen last; nothing when cancelled.
    std::optional<QString> chooseListFile();
    // The first `keep` entries of the list file and how many it holds, read
    // as the user chose in the import preview when the file looks read
    // wrongly; nothing when the preview was cancelled. ListImport.cpp.
    std::optional<ListRead> readList(const QString& path, int32_t keep);
    ImportQuestion importQuestion(const QString& path, const ImportShape& shape);
    // A member list begins: the rows set up anew for it. MemberImport.cpp.
    void beginMemberList();
    // The member list into the rows, as a member list import places it.
    void placeMembers(const ListRead& list);

    void shuffle(Column column);
    // The fair draw's shuffle of the hits, from the platform's secure source.
    void fairShuffleHits();
    // Row r of the column receives the text that row order[r - 1] held.
    void putInOrder(Column column, const std::vector<int32_t>& order);
    void countShuffle(Column column);
    // The texts of the column's boxes 1 .. rows.
    QStringList columnTexts(Column column, int32_t rows) const;

    // Checks the lists in the boxes 1 .. the spinner's count and tells the
    // first findings in the status line (`beforeBuild`: see CheckLists).
    void reportListChecks(bool beforeBuild); // ListCheckReport.cpp
    // Forgets the findings, for lists that are gone.
    void clearListFindings();                // ListCheckReport.cpp

    // The fair draw switch as the user left it, on at the first start.
    void restoreFairDrawSetting();    // FairDraw.cpp
    // The fair draw switch set to a record's `on`, the user's setting kept as it is.
    void showFairDraw(bool on);       // FairDraw.cpp
    // How uneven a Build without the fair draw is, estimated in the
    // background and told in the status line when done; stopping it also
    // withdraws the offer of a fair draw.
    void startEvennessEstimate(const BuildEvent& build, const QStringList& hits);
    void stopEvennessEstimate();
    void tellEvenness(); // once the estimate has finished

    // The lottery kept after every command against a crash (Autosave.cpp):
    // where, what, and the offer at start to restore it.
    QString autosavePath();
    LotteryState currentState() const;
    void autosave();
    void removeAutosave();
    void offerRestore();
    void restoreLottery(const LotteryState& state);
    // Before a lottery with unsaved results is gone: true to go on, after
    // asking `question` and saving the draw where the user says so.
    bool confirmDiscard(MessageId question);
    // The window may close: asked at EXIT and at every other close.
    bool mayClose();

    // Draws the ladder of `build` from its seed and offers the hits.
    void buildLadder(const BuildEvent& build);
    // The window as after HIT-ALL of `draw`, with the run's `history`.
    void showDraw(const BuiltDraw& draw, const std::vector<DrawEvent>& history);
    // The open and save dialogs' filter for draw records.
    QString drawRecordFilter();       // DrawRecords.cpp
    // The save dialog for a draw record or an announcement offering `name`
    // in `folder`: the path chosen, given the name's ending when it has
    // none, with the folder remembered; nothing when cancelled or when the
    // user would not replace the file there.
    std::optional<QString> chooseRecordPath(const QString& filter, const QString& folder, const QString& name); // DrawRecords.cpp
    // Open draw of an announced draw's record (format version 2), read from `path`.
    void openAnnouncedRecord(const StrictContent& content, const QString& path); // AnnouncedDrawing.cpp
    // Refused with a notice while an announcement holds the lists fixed.
    bool listsFree();                 // Announcing.cpp

    // The stage shows the lottery as it stands now.
    void showOnStage();               // Stage.cpp
    QStringList prizes() const;       // Reveals.cpp: the hit texts of rows 1 .. the spinner's count
    // The reveal of `hit`, traced to `member`, in the status line.
    void tellReveal(int32_t hit, int32_t member); // Reveals.cpp
    void revealAllStep();             // Reveals.cpp

    MainWindow& window_;
    Lottery lottery_;
    std::unique_ptr<StageWindow> stage_;
    StageSettings stageSettings_;
    QTimer revealAllTimer_;
    bool revealingAll_ = false;       // Reveal all runs: each path's end starts the pause before the next
    CommandBoundary boundary_;
    ListFindings listFindings_;
    ListNotes memberNotes_; // what reading the list files loaded had to do
    ListNotes hitNotes_;
    QList<CountedLine> countedHits_; // hit lines the last hit import counted as several hits
    std::unique_ptr<FairnessSimulation> evenness_;
    std::vector<int32_t> evennessPrizes_; // the hit rows that hold a prize
    QTimer* evennessTimer_ = nullptr;
    bool autosaving_ = false; // from the restore offer at start until a clean exit
    QByteArray lastAutosave_;  // what the state file holds, empty when there is none
    QString lastAutosaveFailure_; // why the last keeping failed, told once; empty since one worked
    std::unique_ptr<HeldName> stateName_; // the state file this copy alone keeps, from the restore offer on
};

} // namespace quorvan
