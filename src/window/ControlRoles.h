#pragma once
// The main window's designed controls by role, as the design table
// (WindowDesign.cpp) creates them, and the columns of row boxes. The window
// keeps these private and offers each by an accessor of the same name.

class QCheckBox;
class QFrame;
class QPushButton;

namespace quorvan {

class EditBox;
class LadderImage;
class Picture;
class Spinner;
class StaticText;

// The three columns of row boxes.
enum class Column { Members, Hits, Results };

struct ControlRoles {
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
};

} // namespace quorvan
