#pragma once
// The main window: a QMainWindow whose central widget is the designed area,
// scrolled, with the menu bar above it and the status line below. It holds
// the controls as designed, the boxes of the rows, the ladder image and the
// tab sequence, and shows what the commands (src/commands) ask of it; the
// lottery's state lives beside it, with the commands.

#include "ladder/Geometry.h"
#include "window/ControlRoles.h"
#include "window/ControlStates.h"
#include "window/TabSequence.h"
#include "window/WindowModel.h"

#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

class QScrollArea;

namespace quorvan {

class GuideWindow;
class LadderBitmap;
class PinnedHeader;
class Platform;
struct ControlFont;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(Platform& platform);
    ~MainWindow() override;

    Platform& platform() { return platform_; }

    // The designed controls, by role (WindowDesign.cpp names and places them).
    LadderImage* ladderImage() const { return roles_.ladderImage; }
    QFrame* settingsFrame() const { return roles_.settingsFrame; }
    Picture* guideLink() const { return roles_.guideLink; }
    StaticText* outputHeading() const { return roles_.outputHeading; }
    StaticText* membersLoadedLabel() const { return roles_.membersLoadedLabel; }
    StaticText* hitsLoadedLabel() const { return roles_.hitsLoadedLabel; }
    Spinner* countSpinner() const { return roles_.countSpinner; }
    QPushButton* setUpButton() const { return roles_.setUpButton; }
    StaticText* countDisplay() const { return roles_.countDisplay; }
    StaticText* settingLabel() const { return roles_.settingLabel; }
    StaticText* titleLabel() const { return roles_.titleLabel; }
    StaticText* messageLine() const { return roles_.messageLine; }
    EditBox* firstMemberBox() const { return roles_.firstMemberBox; }
    EditBox* firstHitBox() const { return roles_.firstHitBox; }
    QPushButton* buildButton() const { return roles_.buildButton; }
    QPushButton* resetButton() const { return roles_.resetButton; }
    StaticText* memberHeading() const { return roles_.memberHeading; }
    StaticText* hitHeading() const { return roles_.hitHeading; }
    QPushButton* exitButton() const { return roles_.exitButton; }
    QCheckBox* crossLinesBox() const { return roles_.crossLinesBox; }
    QPushButton* hitAllButton() const { return roles_.hitAllButton; }
    QPushButton* saveTextButton() const { return roles_.saveTextButton; }
    QPushButton* loadMembersButton() const { return roles_.loadMembersButton; }
    QPushButton* shuffleMembersButton() const { return roles_.shuffleMembersButton; }
    QPushButton* shuffleHitsButton() const { return roles_.shuffleHitsButton; }
    QPushButton* loadHitsButton() const { return roles_.loadHitsButton; }
    QPushButton* saveWorkbookButton() const { return roles_.saveWorkbookButton; }
    QPushButton* clipboardButton() const { return roles_.clipboardButton; }
    QPushButton* fontButton() const { return roles_.fontButton; }
    // Beside the designed controls, in the status line: the fair draw switch,
    // and the button that tells every finding of the last list check, shown
    // while there are findings.
    QCheckBox* fairDrawBox() const { return fairDrawBox_; }
    QPushButton* listFindingsButton() const { return listFindingsButton_; }
    // Shown after a Build the status line calls uneven: draws again fairly.
    QPushButton* fairDrawOffer() const { return fairDrawOffer_; }

    // The row boxes. Row 1's member and hit boxes are the designed first
    // boxes; the commands create and free the others.
    EditBox* findBox(Column column, int32_t row) const; // nullptr where there is none
    // The box must exist: an error ends the command otherwise.
    EditBox& box(Column column, int32_t row) const;
    EditBox& memberBox(int32_t row) const { return box(Column::Members, row); }
    EditBox& hitBox(int32_t row) const { return box(Column::Hits, row); }
    EditBox& resultBox(int32_t row) const { return box(Column::Results, row); }
    // Makes the member box of `row` hold `memberText` and its hit box empty,
    // each as a new box would be (an existing box of the row is kept), with
    // the font of their column.
    void createRow(int32_t row, const QString& memberText);
    // The empty result box of `row`, level with its hit box, with the font of
    // its column (an existing box of the row is kept, emptied).
    EditBox& createResultBox(int32_t row);
    // Frees the box of `row`; where there is none, nothing happens.
    void freeBox(Column column, int32_t row);

    // The boxes of rows 2 .. n of the members and hits, and of rows 1 .. n of
    // the results, live in one column widget each, which carries the first
    // member box's font and the designed colours. While a RowsOnHold lives,
    // the columns are hidden: boxes made, freed and filled there cost no
    // showing each, and each column is shown once, fitted to its boxes, at
    // its end. Holds may nest; the outermost shows.
    class RowsOnHold {
    public:
        explicit RowsOnHold(MainWindow& window) : window_(window) { window_.holdRows(); }
        ~RowsOnHold() { window_.releaseRows(); }
        RowsOnHold(const RowsOnHold&) = delete;
        RowsOnHold& operator=(const RowsOnHold&) = delete;

    private:
        MainWindow& window_;
    };
    // The column widgets take the first member box's font (and its colour).
    void fontRowColumns();
    // Empties row 1's member and hit boxes.
    void clearFirstRow();
    // Whether every member and hit box refuses typing.
    void setListsReadOnly(bool readOnly);

    // A control by its designed or given name, ignoring case; nullptr where none.
    QWidget* findControl(const QString& name) const;
    // The scrolled content, parent of every control.
    QWidget* client() const { return client_; }
    // The status line: news for the user, kept until the next.
    void showStatus(const QString& text);
    TabSequence& tabs() { return tabs_; }
    // Past the end of the tab sequence: the command buttons close it.
    void putCommandButtonsLastInTabs();

    // What the window shows of the state.
    void apply(Step step);             // the step's row of the control-state table
    QWidget* switched(Switched control) const;
    void showCount(int32_t count);     // in the count display, painted at once
    // Beside the headings: the members and hits the last imports placed, blank for none.
    void showLoadedCounts(std::optional<int32_t> members, std::optional<int32_t> hits);
    // In the column's shuffle button: how often it was shuffled.
    void showShuffleCount(Column column, int32_t shuffles);
    // The prompt above the ladder, which tells the user what to do next.
    void showPrompt(const QString& text);
    // The font the font dialog offers first: the designed one, in the
    // desktop's window-text colour.
    ControlFont fontDialogStart() const;

    // The status line's text, as showStatus left it.
    QString statusText() const;
    // The path of hit `row` traced to member line `member`, in words: in the
    // status line and as the hit box's description for a screen reader; the
    // hit box and the winner's member box are highlighted. A prize names its
    // place in the hit list as loaded and its text.
    void showTracedHit(int32_t row, int32_t member, const std::optional<Prize>& prize = std::nullopt);
    // No traced path is described any more.
    void clearTracedHit();

    // The ladder image: its bitmap, painted white by clearLadder, and the
    // number of lines shown (the image is a pitch taller).
    LadderBitmap& bitmap();
    void clearLadder();
    void showLadderLines(int32_t lines);
    // The user guide's `page` in the guide window, made the first time.
    void showGuide(const QUrl& page);

    void setBusyCursor();
    void setDefaultCursor();

    // The window's outer size as designed: its frame included, where it has
    // one, and its menu bar and status bar left out, which the window adds
    // on top. A shown window keeps within its screen's free area, smaller
    // than asked where it must be; its content then scrolls.
    QSize outerSize() const;
    void setOuterSize(int width, int height);
    void setOuterWidth(int width);

    // What the window does after every command, whether it ended well or
    // not: the default cursor, the tab sequence handed to Qt, the scrolled
    // extent and the ladder image brought up to date.
    void afterCommand();
    // Asked before the window closes, however it is closed; false keeps it open.
    void setCloseCheck(std::function<bool()> check) { closeCheck_ = std::move(check); }

signals:
    // A click on the hit box of `row`.
    void hitBoxClicked(int row);

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void build();
    // The captions' sizes for the script the user's language writes in.
    void fitCaptionsToScript();
    void buildStatusControls();
    void keepFocusOffDestructive(QWidget* old, QWidget* now);
    // Places a control made at run time, names it and registers it for lookup;
    // a windowed control also joins the end of the tab sequence.
    void addControl(QWidget* control, const QString& name, bool windowed);
    // A new box of `row` in the column's widget, or the one there, emptied.
    EditBox* createBox(Column column, int32_t row);
    EditBox* reusedBox(Column column, int32_t row);
    void nameControls();
    void holdRows();
    void releaseRows();
    // Each column of row boxes as tall as its boxes, and shown while it has any.
    void fitRowColumns();
    void fitRowPitch();
    void nameBox(EditBox* box, Column column, int32_t row);
    void refreshScrollExtent();
    // The height the menu bar and status bar take in a window `width` wide.
    int barsHeight(int width) const;
    // Puts the outer frame at `frame`, or as near as the screen's free area allows.
    void placeFrame(QRect frame);

    Platform& platform_;
    ControlRoles roles_;
    QCheckBox* fairDrawBox_ = nullptr;
    QPushButton* listFindingsButton_ = nullptr;
    QPushButton* fairDrawOffer_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QMetaObject::Connection focusWatch_;
    QWidget* client_ = nullptr;
    PinnedHeader* header_ = nullptr; // the designed area above the rows, pinned to the top
    QHash<QString, QWidget*> controls_; // by name in lower case
    std::array<QList<EditBox*>, 3> rows_; // the boxes of each column by row; nullptr where none
    std::array<QWidget*, 3> rowColumns_{}; // the parents of the row boxes, by column
    int holds_ = 0;
    // Rows RowPitch pixels apart, or further when the boxes' font is too tall
    // for them: each row's boxes then as far apart as they are tall, and the
    // ladder stretched to keep each line level with its row.
    int32_t rowPitch_ = RowPitch;
    int32_t ladderLines_ = 0;
    std::array<QString, 3> boxNames_; // "Member %1", "Hit %1", "Result %1" in the user's language
    TabSequence tabs_;
    QSize outerSize_;
    bool shown_ = false;
    GuideWindow* guide_ = nullptr;
    std::function<bool()> closeCheck_;
    int32_t describedHit_ = 0; // the hit box whose description tells its path; 0 when none
    int32_t highlightedMember_ = 0; // the member box highlighted with it; 0 when none
};

} // namespace quorvan
