#include "window/WindowDesign.h"

#include "ladder/Geometry.h"
#include "platform/LanguageFaces.h"
#include "window/ControlRoles.h"
#include "window/Controls.h"
#include "window/LadderImage.h"
#include "window/Spinner.h"

#include <QCheckBox>
#include <QFrame>
#include <QPushButton>

namespace quorvan {

namespace {

using namespace designed;

constexpr QRgb Black = qRgb(0, 0, 0);
constexpr QRgb Blue = qRgb(0, 0, 255);
constexpr QRgb Red = qRgb(255, 0, 0);
constexpr QRgb Yellow = qRgb(255, 255, 0);

constexpr bool Bold = true;
constexpr bool Regular = false;
constexpr int Graphic = -1;

using W = ControlRoles;

} // namespace

// Graphic controls first, so every windowed control lies above them.
// clang-format off
const std::vector<DesignedControl> DesignedControls = {
    // role                    name           left, top, width, height        text (English, translated)             font                           tab
    {&W::ladderImage,          "Image1",      {134, 102, LadderWidth, 10620}, nullptr,         {},                            Graphic},
    {&W::settingsFrame,        "Bevel2",      {0, 5, 239, 48},                nullptr,         {},                            Graphic},
    {&W::guideLink,            "Image2",      {426, 0, 32, 32},               nullptr,         {},                            Graphic},
    {&W::outputHeading,        "Label3",      {578, 3, 48, 12},               QT_TRANSLATE_NOOP("WindowDesign", "Results"),            {PGothic, 12, Black, Regular}, Graphic},
    {&W::membersLoadedLabel,   "Label1",      {8, 96, 9, 16},                 "",              {Mincho, 16, Black, Bold},     Graphic},
    {&W::hitsLoadedLabel,      "Label2",      {680, 96, 9, 16},               "",              {Mincho, 16, Black, Bold},     Graphic},
    {&W::countSpinner,         "UpDown1",     {99, 8, 29, 44},                nullptr,         {},                            0},
    {&W::setUpButton,          "BitBtn1",     {175, 9, 64, 40},               QT_TRANSLATE_NOOP("WindowDesign", "Execution"),      {PGothic, 12, Blue, Bold},     1},
    {&W::countDisplay,         "CT",          {134, 20, 13, 22},              "1",             {Terminal, 19, Red, Bold},     3},
    {&W::settingLabel,         "StaticText1", {8, 8, 30, 17},                 QT_TRANSLATE_NOOP("WindowDesign", "Setting"),          {PGothic, 13, Blue, Regular},  4},
    {&W::titleLabel,           "StaticText2", {248, 13, 172, 23},             "Quorvan",       {PGothic, 19, Yellow, Bold},   5},
    {&W::messageLine,          "SText",       {141, 83, 30, 17},              "□□",            {PMincho, 13, Red, Regular},   6},
    {&W::firstMemberBox,       "Edit1_1",     {7, 111, 121, 21},              nullptr,         {PMincho, 13, Black, Regular}, 2},
    {&W::firstHitBox,          "Edit2_1",     {578, 111, 121, 21},            nullptr,         {PMincho, 13, Black, Regular}, 7},
    {&W::buildButton,          "BitBtn2",     {269, 43, 169, 33},             QT_TRANSLATE_NOOP("WindowDesign", "*- Vessapo -*"), {Gothic, 16, Blue, Bold},      11},
    {&W::resetButton,          "BitBtn3",     {466, 48, 53, 25},              QT_TRANSLATE_NOOP("WindowDesign", "RESET"),         {PGothic, 12, Red, Regular},   15},
    {&W::memberHeading,        "StaticText3", {66, 95, 55, 17},               QT_TRANSLATE_NOOP("WindowDesign", "Member"),        {PGothic, 13, Black, Bold},    8},
    {&W::hitHeading,           "StaticText4", {580, 95, 23, 17},              QT_TRANSLATE_NOOP("WindowDesign", "Hit"),           {PGothic, 13, Black, Bold},    9},
    {&W::exitButton,           "BitBtn4",     {466, 5, 64, 25},               QT_TRANSLATE_NOOP("WindowDesign", "EXIT"),          {PGothic, 13, Red, Bold},      16},
    {&W::crossLinesBox,        "CheckBox1",   {8, 27, 85, 17},                QT_TRANSLATE_NOOP("WindowDesign", "Cross Lines"),   {PGothic, 13, Black, Regular}, 10},
    {&W::hitAllButton,         "Button1",     {538, 33, 82, 22},              QT_TRANSLATE_NOOP("WindowDesign", "［HIT-ALL］"),   {PGothic, 12, Black, Bold},    12},
    {&W::saveTextButton,       "Button2",     {632, 21, 65, 16},              QT_TRANSLATE_NOOP("WindowDesign", "Text"),          {PGothic, 12, Black, Regular}, 14},
    {&W::loadMembersButton,    "Button3",     {8, 65, 40, 25},                QT_TRANSLATE_NOOP("WindowDesign", "File"),          {PGothic, 12, Black, Regular}, 17},
    {&W::shuffleMembersButton, "Button4",     {59, 65, 70, 25},               QT_TRANSLATE_NOOP("WindowDesign", "Shuffle"),         {PGothic, 12, Black, Regular}, 18},
    {&W::shuffleHitsButton,    "Button5",     {628, 65, 70, 25},              QT_TRANSLATE_NOOP("WindowDesign", "Shuffle"),         {PGothic, 12, Black, Regular}, 19},
    {&W::loadHitsButton,       "Button6",     {577, 64, 40, 25},              QT_TRANSLATE_NOOP("WindowDesign", "File"),          {PGothic, 12, Black, Regular}, 20},
    {&W::saveWorkbookButton,   "Button7",     {632, 37, 65, 18},              QT_TRANSLATE_NOOP("WindowDesign", "Excel"),         {PGothic, 12, Black, Regular}, 21},
    {&W::clipboardButton,      "Button8",     {632, 2, 65, 18},               QT_TRANSLATE_NOOP("WindowDesign", "Clipboard"),     {PGothic, 12, Black, Regular}, 13},
    {&W::fontButton,           "Button9",     {184, 55, 41, 25},              QT_TRANSLATE_NOOP("WindowDesign", "Font"),          {PGothic, 12, Black, Regular}, 22},
};
// clang-format on

} // namespace quorvan
