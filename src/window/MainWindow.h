#pragma once
// The main window: its controls as designed, the boxes of the rows, the
// ladder image, the tab sequence, the lottery's state, and the one place
// where commands run. The commands (src/commands) change the state and ask
// the window to show it.

#include "ControlStates.h"
#include "Controls.h"
#include "GuideWindow.h"
#include "LadderImage.h"
#include "Ladder.h"
#include "Platform.h"
#include "RandomGenerator.h"
#include "Spinner.h"
#include "TabSequence.h"
#include "WindowModel.h"
#include "Words.h"

#include <QCheckBox>
#include <QFrame>
#include <QHash>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QWidget>

#include <array>
#include <functional>

namespace quorvan {

// The three columns of row boxes.
enum class Column { Members, Hits, Results };

class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(Platform& platform);

    Platform& platform() { return platform_; }

    // The lottery's state and its ladder, which the commands change.
    WindowModel model;
    Ladder grid;
    RandomGenerator random;

    // The designed controls, by role (WindowDesign.cpp names and places them).
    LadderImage* ladderImage = nullptr;
    QFrame* settingsFrame = nullptr;
    Picture* guideLink = nullptr;
    StaticText* outputHeading = nullptr;
    StaticText* membersLoadedLabel = nullptr;
    StaticText* hitsLoadedLabel = nullptr;
    Spinner* countSpinner = nullptr;
    QPushButton* setUpButton = nullptr;
    StaticText* countDisplay = nullptr;
    StaticText* settingLabel = nullptr;
    StaticText* titleLabel = nullptr;
    StaticText* messageLine = nullptr;
    EditBox* firstMemberBox = nullptr;
    EditBox* firstHitBox = nullptr;
    QPushButton* buildButton = nullptr;
    QPushButton* resetButton = nullptr;
    StaticText* memberHeading = nullptr;
    StaticText* hitHeading = nullptr;
    QPushButton* exitButton = nullptr;
    QCheckBox* crossLinesBox = nullptr;
    QPushButton* hitAllButton = nullptr;
    QPushButton* saveTextButton = nullptr;
    QPushButton* loadMembersButton = nullptr;
    QPushButton* shuffleMembersButton = nullptr;
    QPushButton* shuffleHitsButton = nullptr;
    QPushButton* loadHitsButton = nullptr;
    QPushButton* saveWorkbookButton = nullptr;
    QPushButton* clipboardButton = nullptr;
    QPushButton* fontButton = nullptr;
    // Beside the designed controls, in the status line: the fair draw switch.
    QCheckBox* fairDrawBox = nullptr;

    // The row boxes. Row 1's member and hit boxes are the designed first
    // boxes; the commands create and free the others.
    EditBox* findBox(Column column, int32_t row) const; // nullptr where there is none
    // The box must exist: an error ends the command otherwise.
    EditBox& box(Column column, int32_t row) const;
    EditBox& memberBox(int32_t row) const { return box(Column::Members, row); }
    EditBox& hitBox(int32_t row) const { return box(Column::Hits, row); }
    EditBox& resultBox(int32_t row) const { return box(Column::Results, row); }
    // Creates the member box of `row` holding `memberText` and its empty hit
    // box, each in place of any box of the row, with the first member box's font.
    void createRow(int32_t row, const QString& memberText);
    // Creates the empty result box of `row`, level with its hit box, with the
    // first member box's font.
    EditBox& createResultBox(int32_t row);
    // Frees the box of `row`; where there is none, nothing happens.
    void freeBox(Column column, int32_t row);

    // A control by its designed or given name, ignoring case; nullptr where none.
    QWidget* findControl(const QString& name) const;
    // The scrolled content, parent of every control.
    QWidget* client() const { return client_; }
    // Above the scrolled content, the menus; below it, a line of status:
    // news for the user, kept until the next.
    QMenuBar* menuBar() const { return menuBar_; }
    void showStatus(const QString& text);
    // A control kept at the right of the status line.
    void addStatusControl(QWidget* control);
    TabSequence& tabs() { return tabs_; }

    // What the window shows of the state.
    void apply(Step step);             // the step's row of the control-state table
    QWidget* switched(Switched control) const;
    void showCount(int32_t count);     // in the count display, painted at once
    void showLoadedCounts();           // beside the headings, from the model
    void showShuffleCount(Column column); // in the column's shuffle button, from the model

    // The status line's text, as showStatus left it.
    QString statusText() const;
    // The path of hit `row` traced to member line `member`, in words: in the
    // status line and as the hit box's description for a screen reader.
    void showTracedHit(int32_t row, int32_t member);
    // No traced path is described any more.
    void clearTracedHit();

    // The ladder image: its bitmap, painted white by clearLadder, and the
    // number of lines shown (the image is a pitch taller).
    LadderBitmap& bitmap() { return ladderImage->Bitmap(); }
    void clearLadder();
    void showLadderLines(int32_t lines);

    // The user's language, asked of the platform each time.
    bool japanese();
    QString localized(const QString& japanese, const QString& english);
    QString localized(const Words& words);

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

    // Runs one command to its end. An error it raises is shown in a message
    // box and the window goes on; the cursor is the default afterwards either way.
    void runCommand(const std::function<void()>& command);

signals:
    // A click on the hit box of `row`.
    void hitBoxClicked(int row);

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void build();
    // Places a control made at run time, names it and registers it for lookup;
    // a windowed control also joins the end of the tab sequence.
    void addControl(QWidget* control, const QString& name, bool windowed);
    EditBox* createBox(Column column, int32_t row, const ControlFont& font, int firstTop, int left, int width);
    void finishCommand();
    void nameControls();
    void nameBox(EditBox* box, Column column, int32_t row);
    void refreshScrollExtent();
    // The height the menu bar and status bar take in a window `width` wide.
    int barsHeight(int width) const;
    // Puts the outer frame at `frame`, or as near as the screen's free area allows.
    void placeFrame(QRect frame);

    Platform& platform_;
    QMenuBar* menuBar_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QWidget* client_ = nullptr;
    QStatusBar* statusBar_ = nullptr;
    QHash<QString, QWidget*> controls_; // by name in lower case
    std::array<QList<EditBox*>, 3> rows_; // the boxes of each column by row; nullptr where none
    std::array<QString, 3> boxNames_; // "Member %1", "Hit %1", "Result %1" in the user's language
    TabSequence tabs_;
    QSize outerSize_;
    bool shown_ = false;
    GuideWindow* guide_ = nullptr;
    int32_t describedHit_ = 0; // the hit box whose description tells its path; 0 when none
};

} // namespace quorvan
