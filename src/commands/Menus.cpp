// The menu bar: every command of the window, each entry under the caption
// of the control it stands for, and the commands that have no control.
// A new command is one row of Entries.

#include "Version.h"
#include "commands/Commands.h"
#include "window/Controls.h"
#include "window/MainWindow.h"
#include "window/MenuEntry.h"
#include "texts/Words.h"
#include "window/Texts.h"

#include <QCheckBox>
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
    const char* japanese;
    const char* english;
};

// In the order of the menu bar.
constexpr Title Titles[] = {
    {Menu::File, "ファイル(&F)", "&File"}, {Menu::Members, "&Member", "&Member"}, {Menu::Hits, "Hi&t", "Hi&t"},
    {Menu::Ladder, "あみだ(&L)", "&Ladder"}, {Menu::View, "表示(&V)", "&View"},   {Menu::Help, "ヘルプ(&H)", "&Help"},
};

using ControlOf = std::function<QWidget*(MainWindow&)>;
using Command = void (Commands::*)();

// An entry stands for a control of the window, or runs a command of its own.
// Its caption is the control's, unless the row gives one in both languages.
struct Entry {
    template <class Control>
    Entry(Menu menu, Control* (MainWindow::*role)() const, char mnemonic, QKeySequence shortcut = {},
          QString japanese = {}, QString english = {})
        : Where(menu), Source(ControlOf([role](MainWindow& window) { return (window.*role)(); })), Mnemonic(mnemonic),
          Shortcut(shortcut), Japanese(japanese), English(english)
    {
    }
    Entry(Menu menu, Command command, char mnemonic, QKeySequence shortcut, QString japanese, QString english)
        : Where(menu), Source(command), Mnemonic(mnemonic), Shortcut(shortcut), Japanese(japanese), English(english)
    {
    }

    Menu Where;
    std::variant<ControlOf, Command> Source;
    char Mnemonic;
    QKeySequence Shortcut;
    QString Japanese;
    QString English; // empty: the control's caption
};

const QString OpenDrawJapanese = QStringLiteral("抽選記録を開く…");
const QString OpenDrawEnglish = QStringLiteral("Open draw…");
const QString SaveDrawJapanese = QStringLiteral("抽選記録を保存…");
const QString SaveDrawEnglish = QStringLiteral("Save draw…");
const QString AnnounceJapanese = QStringLiteral("抽選を告知…");
const QString AnnounceEnglish = QStringLiteral("Announce draw…");
const QString DrawAnnouncedJapanese = QStringLiteral("告知から抽選…");
const QString DrawAnnouncedEnglish = QStringLiteral("Draw from announcement…");
const QString CloseAnnouncementJapanese = QStringLiteral("告知を閉じる");
const QString CloseAnnouncementEnglish = QStringLiteral("Close announcement");
const QString ListCheckJapanese = QStringLiteral("リストの確認…");
const QString ListCheckEnglish = QStringLiteral("List check…");
const QString FairnessJapanese = QStringLiteral("公平さ…");
const QString FairnessEnglish = QStringLiteral("Fairness…");
const QString LeaveOutJapanese = QStringLiteral("前回の当選者を除く…");
const QString LeaveOutEnglish = QStringLiteral("Leave out earlier winners…");
const QString WinnersJapanese = QStringLiteral("当選者…");
const QString WinnersEnglish = QStringLiteral("Winners…");
const QString AboutJapanese = QStringLiteral("Quorvanについて");
const QString AboutEnglish = QStringLiteral("About Quorvan");

using W = MainWindow;
using C = Commands;
constexpr auto Ctrl = Qt::CTRL;
constexpr auto Shift = Qt::SHIFT;

// In the order of each menu.
// clang-format off
const Entry Entries[] = {
    {Menu::File,    &W::saveTextButton,       'T', Ctrl | Qt::Key_S},
    {Menu::File,    &W::saveWorkbookButton,   'E', Ctrl | Shift | Qt::Key_S},
    {Menu::File,    &C::onOpenDraw,           'O', {},         OpenDrawJapanese,     OpenDrawEnglish},
    {Menu::File,    &C::onSaveDraw,           'D', {},         SaveDrawJapanese,     SaveDrawEnglish},
    {Menu::File,    &C::onAnnounceDraw,       'A', {},         AnnounceJapanese,     AnnounceEnglish},
    {Menu::File,    &C::onDrawAnnounced,      'r', {},         DrawAnnouncedJapanese, DrawAnnouncedEnglish},
    {Menu::File,    &C::onCloseAnnouncement,  'l', {},         CloseAnnouncementJapanese, CloseAnnouncementEnglish},
    {Menu::File,    &W::clipboardButton,      'C', Ctrl | Shift | Qt::Key_C},
    {Menu::File,    &W::exitButton,           'X', Ctrl | Qt::Key_Q},
    {Menu::Members, &W::loadMembersButton,    'F', Ctrl | Qt::Key_O},
    {Menu::Members, &W::shuffleMembersButton, 'S'},
    {Menu::Members, &C::onLeaveOutEarlierWinners, 'W', {},     LeaveOutJapanese,     LeaveOutEnglish},
    {Menu::Hits,    &W::loadHitsButton,       'F', Ctrl | Shift | Qt::Key_O},
    {Menu::Hits,    &W::shuffleHitsButton,    'S'},
    {Menu::Ladder,  &W::setUpButton,          'x', Qt::Key_F4},
    {Menu::Ladder,  &W::crossLinesBox,        'C'},
    {Menu::Ladder,  &W::fairDrawBox,          'F'},
    {Menu::Ladder,  &W::buildButton,          'V', Qt::Key_F5},
    {Menu::Ladder,  &W::hitAllButton,         'H', Qt::Key_F6},
    {Menu::Ladder,  &W::resetButton,          'R'},
    {Menu::View,    &W::fontButton,           'F'},
    {Menu::View,    &C::onShowListFindings,   'L', {},         ListCheckJapanese,    ListCheckEnglish},
    {Menu::View,    &C::onFairnessView,       'a', {},         FairnessJapanese,     FairnessEnglish},
    {Menu::View,    &C::onWinnersView,        'W', {},         WinnersJapanese,      WinnersEnglish},
    {Menu::View,    &C::onStage,              'S', Qt::Key_F11, QStringLiteral("ステージ"), QStringLiteral("Stage")},
    {Menu::View,    &C::onRevealNext,         'n', {},         QStringLiteral("次の賞品を発表"), QStringLiteral("Reveal next prize")},
    {Menu::View,    &C::onRevealBack,         'B', {},         QStringLiteral("発表を一つ戻す"), QStringLiteral("Back one reveal")},
    {Menu::View,    &C::onRevealAll,          'R', {},         QStringLiteral("残りをすべて発表"), QStringLiteral("Reveal all")},
    {Menu::View,    &C::onSkipPath,           'k', {},         QStringLiteral("経路を最後まで"), QStringLiteral("Skip to the end of the path")},
    {Menu::View,    &C::onStageOverview,      'o', {},         QStringLiteral("ステージの全体表示"), QStringLiteral("Stage overview")},
    {Menu::View,    &C::onStageBlank,         'h', {},         QStringLiteral("ステージを暗転"), QStringLiteral("Blank the stage")},
    {Menu::View,    &C::onStageSettings,      't', {},         QStringLiteral("ステージの設定…"), QStringLiteral("Stage settings…")},
    {Menu::Help,    &W::guideLink,            'U', Qt::Key_F1, texts::GuideJapanese, texts::GuideEnglish},
    {Menu::Help,    &C::onAbout,              'A', {},         AboutJapanese,        AboutEnglish},
};
// clang-format on

} // namespace

void Commands::buildMenus()
{
    std::map<Menu, QMenu*> menus;
    for (const Title& title : Titles)
        menus[title.menu] = window_.menuBar()->addMenu(
            window_.localized(QString::fromUtf8(title.japanese), QString::fromUtf8(title.english)));

    for (const Entry& entry : Entries) {
        QMenu& menu = *menus.at(entry.Where);
        QWidget* control = std::holds_alternative<ControlOf>(entry.Source) ? std::get<ControlOf>(entry.Source)(window_)
                                                                           : nullptr;
        QString caption =
            entry.English.isEmpty() ? CaptionOf(*control) : window_.localized(entry.Japanese, entry.English);
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
        WithMnemonic(window_.localized(Say(MessageId::KeepRedPathsEntry)), QLatin1Char('p')));
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
        window_.localized(AboutJapanese, AboutEnglish),
        window_.localized(QStringLiteral("<h3>Quorvan V%1</h3><p>あみだくじ</p><p>ライセンス: MIT</p>"),
                          QStringLiteral("<h3>Quorvan V%1</h3><p>A ladder lottery (ghost leg).</p><p>Licence: MIT</p>"))
            .arg(version));
}

} // namespace quorvan
