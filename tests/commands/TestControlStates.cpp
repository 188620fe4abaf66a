#include "TestData.h"
#include "window/WindowFixture.h"

#include <QTemporaryDir>

using namespace quorvan;
using testing::WindowFixture;

namespace {

constexpr const char* Switches[SwitchedCount] = {"Spinner", "SetUp", "LoadMembers", "CrossLines", "Build",
                                                 "ShuffleMembers", "ShuffleHits", "LoadHits", "HitAll",
                                                 "SaveText", "SaveWorkbook"};

// The user's steps, one word each: the command's role, with "!" for a
// cancelled dialog and "?" for a file that cannot be read.
void Play(WindowFixture& window, const QString& step, const QString& folder)
{
    MainWindow& form = *window;
    const std::pair<const char*, QPushButton*> buttons[] = {
        {"SetUp", form.setUpButton()},         {"Build", form.buildButton()},
        {"HitAll", form.hitAllButton()},       {"Reset", form.resetButton()},
        {"ShuffleMembers", form.shuffleMembersButton()}, {"ShuffleHits", form.shuffleHitsButton()},
        {"SaveText", form.saveTextButton()},   {"SaveWorkbook", form.saveWorkbookButton()},
        {"LoadMembers", form.loadMembersButton()}, {"LoadHits", form.loadHitsButton()},
    };
    QString role = step;
    if (role.endsWith('!') || role.endsWith('?'))
        role.chop(1);
    if (step.endsWith('?'))
        window.platform.OpenAnswers.append(folder + "/missing.txt");
    else if (!step.endsWith('!') && role.startsWith("Load"))
        window.platform.OpenAnswers.append(TestData("members-crlf.txt"));
    else if (role.startsWith("Save"))
        window.platform.SaveAnswers.append(folder + "/" + role + ".xls");
    for (const auto& [name, button] : buttons)
        if (role == QLatin1String(name))
            window.Click(button);
}

} // namespace

// What each command offers and withdraws, and what stays enabled throughout.
class TestControlStates : public QObject {
    Q_OBJECT

private slots:
    void enabledAfter_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("enabled");
        const QStringList start = {"Spinner", "SetUp", "LoadMembers", "CrossLines"};
        QTest::newRow("start-up") << QStringList() << start;
        QTest::newRow("set-up") << QStringList{"SetUp"} << QStringList{"Build", "ShuffleMembers", "ShuffleHits"};
        QTest::newRow("shuffles") << QStringList{"SetUp", "ShuffleMembers", "ShuffleHits"}
                                  << QStringList{"Build", "ShuffleMembers", "ShuffleHits"};
        QTest::newRow("build") << QStringList{"SetUp", "Build"} << QStringList{"HitAll"};
        QTest::newRow("hit-all") << QStringList{"SetUp", "Build", "HitAll"} << QStringList{"SaveText", "SaveWorkbook"};
        QTest::newRow("results saved") << QStringList{"SetUp", "Build", "HitAll", "SaveText", "SaveWorkbook"}
                                       << QStringList{"SaveText", "SaveWorkbook"};
        QTest::newRow("reset after hit-all") << QStringList{"SetUp", "Build", "HitAll", "Reset"} << start;
        QTest::newRow("reset at start") << QStringList{"Reset"} << start;
        QTest::newRow("reset after build") << QStringList{"SetUp", "Build", "Reset"} << start;
        QTest::newRow("members loaded") << QStringList{"LoadMembers"}
                                        << QStringList{"Build", "ShuffleMembers", "LoadHits"};
        QTest::newRow("member list cancelled") << QStringList{"LoadMembers!"} << start;
        QTest::newRow("member list unreadable") << QStringList{"LoadMembers?"}
                                                << QStringList{"ShuffleMembers", "ShuffleHits"};
        QTest::newRow("hits loaded") << QStringList{"LoadMembers", "LoadHits"}
                                     << QStringList{"Build", "ShuffleMembers", "ShuffleHits", "LoadHits"};
        QTest::newRow("hits loaded again") << QStringList{"LoadMembers", "LoadHits", "LoadHits"}
                                           << QStringList{"Build", "ShuffleMembers", "ShuffleHits", "LoadHits"};
        QTest::newRow("hit list cancelled") << QStringList{"LoadMembers", "LoadHits!"}
                                            << QStringList{"Build", "ShuffleMembers", "LoadHits"};
        QTest::newRow("hits after hit-all") << QStringList{"LoadMembers", "Build", "HitAll", "LoadHits"}
                                            << QStringList{"Build", "ShuffleHits", "SaveText", "SaveWorkbook", "LoadHits"};
        QTest::newRow("build again") << QStringList{"LoadMembers", "Build", "HitAll", "LoadHits", "Build"}
                                     << QStringList{"HitAll", "SaveText", "SaveWorkbook", "LoadHits"};
    }

    void enabledAfter()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, enabled);
        QTemporaryDir folder;
        WindowFixture window;
        for (const QString& step : steps)
            Play(window, step, folder.path());

        for (int control = 0; control < SwitchedCount; ++control)
            QVERIFY2(window->switched(static_cast<Switched>(control))->isEnabled() == enabled.contains(Switches[control]),
                     Switches[control]);
        for (QWidget* always : std::initializer_list<QWidget*>{window->resetButton(), window->exitButton(),
                                                               window->clipboardButton(), window->fontButton(),
                                                               window->guideLink(), window->firstMemberBox(),
                                                               window->firstHitBox()})
            QVERIFY2(always->isEnabled(), qPrintable(always->objectName()));
    }
};

QUORVAN_TEST_MAIN(TestControlStates)
#include "TestControlStates.moc"
