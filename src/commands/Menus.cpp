// The menu bar: every command of the window, each entry under the caption
// of the control it stands for, and the commands that have no control.
// A new command is one row of Entries.

#include "Version.h"
#include "commands/Commands.h"
#include "window/Controls.h"
#include "window/MainWindow.h"
#include "window/MenuEntry.h"
#include "texts/UserText.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include <functional>
#include <map>
#include <variant>

namespace quorvan {

namespace {

enum class Menu { File, Members, Hits, Ladder, View, Help };

struct Title {
    Menu menu;
    const char* caption; // translated in the context "Menus"
};

// In the order of the menu bar.
constexpr Title Titles[] = {
    {Menu::File, QT_TRANSLATE_NOOP("Menus", "&File")},     {Menu::Members, QT_TRANSLATE_NOOP("Menus", "&Member")},
    {Menu::Hits, QT_TRANSLATE_NOOP("Menus", "Hi&t")},      {Menu::Ladder, QT_TRANSLATE_NOOP("Menus", "&Ladder")},
    {Menu::View, QT_TRANSLATE_NOOP("Menus", "&View")},     {Menu::Help, QT_TRANSLATE_NOOP("Menus", "&Help")},
};

using ControlOf = std::function<QWidget*(MainWindow&)>;
using Command = void (Commands::*)();

// An entry stands for a control of the window, or runs a command of its own.
// Its caption is the control's, unless the row gives one of its own.
struct Entry {
    template <class Control>
    Entry(Menu menu, Control* (MainWindow::*role)() const, char mnemonic, QKeySequence shortcut = {},
          const char* caption = nullptr)
        : Where(menu), Source(ControlOf([role](MainWindow& window) { return (window.*role)(); })), Mnemonic(mnemonic),
          Shortcut(shortcut), Caption(caption)
    {
    }
    Entry(Menu menu, Command command, char mnemonic, QKeySequence shortcut, const char* caption)
        : Where(menu), Source(command), Mnemonic(mnemonic), Shortcut(shortcut), Caption(caption)
    {
    }

    Menu Where;
    std::variant<ControlOf, Command> Source;
    char Mnemonic;
    QKeySequence Shortcut;
    const char* Caption; // translated in the context "Menus"; none: the control's caption
};

constexpr const char* OpenDraw = QT_TRANSLATE_NOOP("Menus", "Open draw…");
constexpr const char* SaveDraw = QT_TRANSLATE_NOOP("Menus", "Save draw…");
constexpr const char* Announce = QT_TRANSLATE_NOOP("Menus", "Announce draw…");
constexpr const char* DrawAnnounced = QT_TRANSLATE_NOOP("Menus", "Draw from announcement…");
constexpr const char* CloseAnnouncement = QT_TRANSLATE_NOOP("Menus", "Close announcement");
constexpr const char* ListCheck = QT_TRANSLATE_NOOP("Menus", "List check…");
constexpr const char* Fairness = QT_TRANSLATE_NOOP("Menus", "Fairness…");
constexpr const char* LeaveOut = QT_TRANSLATE_NOOP("Menus", "Leave out earlier winners…");
constexpr const char* Winners = QT_TRANSLATE_NOOP("Menus", "Winners…");
constexpr const char* About = QT_TRANSLATE_NOOP("Menus", "About Quorvan");

using W = MainWindow;
using C = Commands;
constexpr auto Ctrl = Qt::CTRL;
constexpr auto Shift = Qt::SHIFT;

// In the order of each menu.
// clang-format off
const Entry Entries[] = {
    {Menu::File,    &W::saveTextButton,       'T', Ctrl | Qt::Key_S},
    {Menu::File,    &W::saveWorkbookButton,   'E', Ctrl | Shift | Qt::Key_S},
    {Menu::File,    &C::onOpenDraw,           'O', {},         OpenDraw},
    {Menu::File,    &C::onSaveDraw,           'D', {},         SaveDraw},
    {Menu::File,    &C::onAnnounceDraw,       'A', {},         Announce},
    {Menu::File,    &C::onDrawAnnounced,      'r', {},         DrawAnnounced},
    {Menu::File,    &C::onCloseAnnouncement,  'l', {},         CloseAnnouncement},
    {Menu::File,    &W::clipboardButton,      'C', Ctrl | Shift | Qt::Key_C},
    {Menu::File,    &W::exitButton,           'X', Ctrl | Qt::Key_Q},
    {Menu::Members, &W::loadMembersButton,    'F', Ctrl | Qt::Key_O},
    {Menu::Members, &W::shuffleMembersButton, 'S'},
    {Menu::Members, &C::onLeaveOutEarlierWinners, 'W', {},     LeaveOut},
    {Menu::Hits,    &W::loadHitsButton,       'F', Ctrl | Shift | Qt::Key_O},
    {Menu::Hits,    &W::shuffleHitsButton,    'S'},
    {Menu::Ladder,  &W::setUpButton,          'x', Qt::Key_F4},
    {Menu::Ladder,  &W::crossLinesBox,        'C'},
    {Menu::Ladder,  &W::fairDrawBox,          'F'},
    {Menu::Ladder,  &W::buildButton,          'V', Qt::Key_F5},
    {Menu::Ladder,  &W::hitAllButton,         'H', Qt::Key_F6},
    {Menu::Ladder,  &W::resetButton,          'R'},
    {Menu::View,    &W::fontButton,           'F'},
    {Menu::View,    &C::onShowListFindings,   'L', {},         ListCheck},
    {Menu::View,    &C::onFairnessView,       'a', {},         Fairness},
    {Menu::View,    &C::onWinnersView,        'W', {},         Winners},
    {Menu::View,    &C::onStage,              'S', Qt::Key_F11, QT_TRANSLATE_NOOP("Menus", "Stage")},
    {Menu::View,    &C::onRevealNext,         'n', {},         QT_TRANSLATE_NOOP("Menus", "Reveal next prize")},
    {Menu::View,    &C::onRevealBack,         'B', {},         QT_TRANSLATE_NOOP("Menus", "Back one reveal")},
    {Menu::View,    &C::onRevealAll,          'R', {},         QT_TRANSLATE_NOOP("Menus", "Reveal all")},
    {Menu::View,    &C::onSkipPath,           'k', {},         QT_TRANSLATE_NOOP("Menus", "Skip to the end of the path")},
    {Menu::View,    &C::onStageOverview,      'o', {},         QT_TRANSLATE_NOOP("Menus", "Stage overview")},
    {Menu::View,    &C::onStageBlank,         'h', {},         QT_TRANSLATE_NOOP("Menus", "Blank the stage")},
    {Menu::View,    &C::onStageSettings,      't', {},         QT_TRANSLATE_NOOP("Menus", "Stage settings…")},
    {Menu::Help,    &W::guideLink,            'U', Qt::Key_F1},
    {Menu::Help,    &C::onAbout,              'A', {},         About},
};
// clang-format on

} // namespace

void Commands::buildMenus()
{
    std::map<Menu, QMenu*> menus;
    for (const Title& title : Titles)
        menus[title.menu] = window_.menuBar()->addMenu(
            QCoreApplication::translate("Menus", title.caption));

    for (const Entry& entry : Entries) {
        QMenu& menu = *menus.at(entry.Where);
        QWidget* control = std::holds_alternative<ControlOf>(entry.Source) ? std::get<ControlOf>(entry.Source)(window_)
                                                                           : nullptr;
        QString caption = entry.Caption ? QCoreApplication::translate("Menus", entry.Caption) : CaptionOf(*control);
        // An entry that opens a dialog says so, as its own captions do.
        if (control && opensDialog(control))
            caption += QStringLiteral("\u2026");
        const QString text = WithMnemonic(caption, QLatin1Char(entry.Mnemonic));
        if (control) {
            AddControlEntry(menu, *control, text, entry.Shortcut);
        } else {
            QAction* action = menu.addAction(text);
            action->setShortcut(entry.Shortcut);
            bind(action, &QAction::triggered, std::get<Command>(entry.Source));
        }
    }

    QAction* keepRed = menus.at(Menu::View)->addAction(
        WithMnemonic(Say(MessageId::KeepRedPathsEntry), QLatin1Char('p')));
    keepRed->setObjectName(QStringLiteral("KeepRedPathsEntry"));
    keepRed->setCheckable(true);
    keepRed->setChecked(lottery_.Model.KeepRedPaths);
    boundary_.Connect(keepRed, &QAction::toggled, this, [this](bool on) { onKeepRedPathsToggled(on); });
}

bool Commands::opensDialog(const QWidget* control) const
{
    return control == window_.saveTextButton() || control == window_.saveWorkbookButton()
           || control == window_.loadMembersButton() || control == window_.loadHitsButton()
           || control == window_.fontButton();
}

void Commands::onAbout()
{
    const QString version = QStringLiteral(QUORVAN_VERSION);
    window_.platform().ShowAbout(
        QCoreApplication::translate("Menus", About),
        QCoreApplication::translate("Menus", "<h3>Quorvan V%1</h3><p>A ladder lottery (ghost leg).</p><p>Licence: "
                "MIT</p>")
            .arg(version));
}

} // namespace quorvan
