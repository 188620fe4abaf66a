// The organiser's safety nets: the fair draw on from the first start, a
// Build without it told how uneven it is, the lottery kept after every
// command and restored after a crash, and no unsaved results lost to a stray
// RESET or EXIT.

#include "TestData.h"
#include "window/WindowFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <memory>
#include <vector>

using namespace quorvan;
using testing::WindowFixture;

namespace {

const QString StateFile = QStringLiteral("lottery-in-progress.json");

void Type(WindowFixture& window, int rows)
{
    QStringList members, hits;
    for (int row = 1; row <= rows; ++row) {
        members << QStringLiteral("Member %1").arg(row);
        hits << QStringLiteral("Prize %1").arg(row);
    }
    window.Fill("edit1_", members);
    window.Fill("edit2_", hits);
}

// Starts a window on the kept lottery of `state`, answering the restore
// offer with `restore`; how many offers it made.
int RestoreOffers(const QString& state, bool restore)
{
    testing::FakePlatform platform;
    platform.State = state;
    platform.TwoWayAnswers.append(restore);
    MainWindow window(platform);
    Commands commands(window);
    return int(platform.TwoWayQuestions.size() / 3);
}

} // namespace

class TestNothingLost : public QObject {
    Q_OBJECT

private slots:
    void fairDrawIsOnUntilTurnedOff_data()
    {
        QTest::addColumn<QString>("stored"); // "-" for none
        QTest::addColumn<bool>("on");
        QTest::newRow("first start") << "-" << true;
        QTest::newRow("turned off") << "false" << false;
        QTest::newRow("turned on") << "true" << true;
    }

    void fairDrawIsOnUntilTurnedOff()
    {
        QFETCH(QString, stored);
        QFETCH(bool, on);
        testing::FakePlatform platform;
        if (stored != "-")
            platform.Settings.insert("FairDraw", stored);
        testing::ConfigureTestApplication();
        MainWindow window(platform);
        Commands commands(window);
        QCOMPARE(commands.lottery().Model.FairDraw, on);
        QCOMPARE(window.fairDrawBox()->isChecked(), on);
        window.fairDrawBox()->click();
        QCOMPARE(platform.Settings.value("FairDraw"), on ? QString("false") : QString("true"));
    }

    void unevenBuildIsToldAndOffered_data()
    {
        QTest::addColumn<bool>("fair");
        QTest::addColumn<int>("prizes");
        QTest::addColumn<bool>("told");
        QTest::newRow("4 prizes in order of 40") << false << 4 << true;
        QTest::newRow("fair draw") << true << 4 << false;
        QTest::newRow("a prize every row") << false << 40 << false;
    }

    void unevenBuildIsToldAndOffered()
    {
        QFETCH(bool, fair);
        QFETCH(int, prizes);
        QFETCH(bool, told);
        WindowFixture window("en", 2024);
        if (fair)
            window->fairDrawBox()->click();
        window.SetUp(40);
        Type(window, 40);
        for (int row = prizes + 1; row <= 40; ++row)
            window->hitBox(row).clear();
        window.Click(window->buildButton());
        if (!told) {
            QTest::qWait(500);
            QVERIFY(window->fairDrawOffer()->isHidden());
            return;
        }
        QTRY_VERIFY_WITH_TIMEOUT(window->fairDrawOffer()->isVisible(), 30000);
        // 4 prizes among 40 members: a fair draw gives each member 10 %; hits
        // standing in rows 1-4 reach only the first rows' members, far above it.
        const QRegularExpression told_(R"(member (\d+) wins ([\d.]+) % of the time, fair is 10\.0 %)");
        const QRegularExpressionMatch match = told_.match(window->statusText());
        QVERIFY2(match.hasMatch(), qPrintable(window->statusText()));
        QVERIFY(match.captured(1).toInt() <= 8);
        QVERIFY(match.captured(2).toDouble() > 30.0);

        window.Click(window->fairDrawOffer());
        QVERIFY(window.lottery().Model.FairDraw && window->fairDrawBox()->isChecked());
        QVERIFY(window.lottery().Model.LastBuild->Build.FairDraw);
        QCOMPARE(window.platform.Settings.value("FairDraw"), QString("true"));
        QVERIFY(window->fairDrawOffer()->isHidden());
    }

    // A crash (the window gone without closing) at each stage of a draw,
    // then a new start: the same lists, ladder, results and red path.
    // A command that moves the spinner itself is kept whole, once it has ended.
    void commandsMovingTheSpinnerAreKept_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("member import") << "import";
        QTest::newRow("draw record opened") << "open";
    }

    void commandsMovingTheSpinnerAreKept()
    {
        QFETCH(QString, command);
        QTemporaryDir state;
        WindowFixture window("en", 0, state.path());
        if (command == QLatin1String("import"))
            window.Load(window->loadMembersButton(), TestData("members-crlf.txt"));
        else
            window.commands->boundary().Run([&] { window.commands->openDrawFile(TestData("draws/plain-12.qdraw")); });
        QCOMPARE(window.platform.Errors, QStringList());
        QVERIFY(QFile::exists(state.filePath(QStringLiteral("lottery-in-progress.json"))));
    }

    void crashIsRestoredExactly_data()
    {
        QTest::addColumn<bool>("build");
        QTest::addColumn<bool>("keepRed"); // prizes' red paths kept (a setting)
        QTest::addColumn<QList<int>>("redBefore"); // hits revealed before ［HIT-ALL］
        QTest::addColumn<bool>("hitAll");
        QTest::addColumn<int>("redAfter"); // 0 for none
        QTest::addColumn<bool>("back");    // one reveal taken back at the end
        QTest::addColumn<bool>("earlier"); // an earlier shuffled draw of 4 rows, reset
        QTest::newRow("lists typed and shuffled") << false << false << QList<int>{} << false << 0 << false << false;
        QTest::newRow("built, hit 3 revealed") << true << false << QList<int>{3} << false << 0 << false << false;
        QTest::newRow("hit 3 revealed, all traced") << true << false << QList<int>{3} << true << 0 << false << false;
        QTest::newRow("all traced, hit 2 revealed") << true << false << QList<int>{} << true << 2 << false << false;
        QTest::newRow("red kept: hits 1, 5, 3 revealed") << true << true << QList<int>{1, 5, 3} << false << 0 << false << false;
        QTest::newRow("red kept: 6, 1, all traced, 4") << true << true << QList<int>{6, 1} << true << 4 << false << false;
        QTest::newRow("red kept: 2, 5, 6, one taken back") << true << true << QList<int>{2, 5, 6} << false << 0 << true << false;
        QTest::newRow("after an earlier draw of other rows") << true << false << QList<int>{4} << false << 0 << false << true;
    }

    void crashIsRestoredExactly()
    {
        QFETCH(bool, build);
        QFETCH(bool, keepRed);
        QFETCH(QList<int>, redBefore);
        QFETCH(bool, hitAll);
        QFETCH(int, redAfter);
        QFETCH(bool, back);
        QFETCH(bool, earlier);
        QTemporaryDir state;
        QMap<QString, QString> settings;
        if (keepRed)
            settings.insert("KeepRedPaths", "true");
        std::vector<int32_t> revealed;
        QImage ladder;
        QStringList members, hits, results;
        WindowModel before;
        QList<bool> enabled;
        bool crossLines = false;
        {
            WindowFixture first("en", 2024, state.path(), settings);
            if (earlier) {
                first.SetUp(4);
                Type(first, 4);
                first.Click(first->shuffleMembersButton());
                first.Click(first->buildButton());
                first.Click(first->resetButton());
            }
            first->crossLinesBox()->click();
            first.SetUp(6);
            Type(first, 6);
            first.Click(first->shuffleMembersButton()); // typing is no command; this is
            if (build)
                first.Click(first->buildButton());
            for (const int hit : redBefore)
                first.Click(&first->hitBox(hit));
            if (hitAll)
                first.Click(first->hitAllButton());
            if (redAfter)
                first.Click(&first->hitBox(redAfter));
            if (back)
                first.Run(&Commands::onRevealBack);
            ladder = first->bitmap().Image().copy();
            revealed = first.lottery().Reveals.Revealed();
            members = first.Column("edit1_", 6);
            hits = first.Column("edit2_", 6);
            results = first.Column("edit3_", 6);
            before = first.lottery().Model;
            crossLines = first->crossLinesBox()->isChecked();
            for (int control = 0; control < SwitchedCount; ++control)
                enabled.append(first->switched(Switched(control))->isEnabled());
        } // gone without closing, as in a crash
        QVERIFY(QFileInfo::exists(state.filePath(StateFile)));

        WindowFixture second("en", 77, state.path(), settings);
        QCOMPARE(second.platform.TwoWayQuestions.size(), 3); // asked once: question, Restore, Discard
        QCOMPARE(second.platform.TwoWayQuestions[1], QStringLiteral("Restore"));
        QCOMPARE(second.Column("edit1_", 6), members);
        QCOMPARE(second.Column("edit2_", 6), hits);
        QCOMPARE(second.Column("edit3_", 6), results);
        QVERIFY(second->bitmap().Image() == ladder);
        const WindowModel& after = second.lottery().Model;
        QCOMPARE(after.LitHit, before.LitHit);
        QCOMPARE(after.RedPrizes, before.RedPrizes);
        QCOMPARE(second.lottery().Reveals.Revealed(), revealed);
        QCOMPARE(after.LastBuild, before.LastBuild);
        QVERIFY(after.History == before.History);
        QCOMPARE(after.TracedResults.size(), before.TracedResults.size());
        QCOMPARE(second->crossLinesBox()->isChecked(), crossLines);
        for (int control = 0; control < SwitchedCount; ++control)
            QCOMPARE(second->switched(Switched(control))->isEnabled(), enabled[control]);
        QVERIFY(second.platform.Errors.isEmpty());
    }

    // The list check comes back with the lottery: its findings as they were
    // told, the hit line counted at import still meant to repeat.
    void listCheckIsRestored()
    {
        QTemporaryDir state, lists;
        WriteTestFile(lists.filePath("members.txt"), "M1\nM2\nM3\nM4\nM5\nM6\n");
        WriteTestFile(lists.filePath("hits.txt"), "Tablet\n2 × Mug\n");
        QStringList told;
        {
            WindowFixture first("en", 2024, state.path());
            first.Load(first->loadMembersButton(), lists.filePath("members.txt"));
            first.platform.Answers = {true};
            first.Load(first->loadHitsButton(), lists.filePath("hits.txt"));
            first.Click(first->buildButton());
            first.commands->onShowListFindings();
            told = first.platform.Notices;
        } // gone without closing, as in a crash
        QCOMPARE(told.size(), 1);
        QVERIFY(told[0].contains(QStringLiteral("“2 × Mug” counted as 2 hits “Mug”")));

        WindowFixture second("en", 77, state.path());
        QVERIFY(!second->listFindingsButton()->isHidden());
        second.commands->onShowListFindings();
        QCOMPARE(second.platform.Notices, told);
    }

    // A command that switches off its own button leaves the keyboard on no
    // destructive one: one more Enter discards nothing and asks nothing.
    void aStrayEnterAfterACommand_data()
    {
        QTest::addColumn<bool>("hitAll");
        QTest::newRow("after Build") << false;
        QTest::newRow("after ［HIT-ALL］") << true;
    }

    void aStrayEnterAfterACommand()
    {
        QFETCH(bool, hitAll);
        QTemporaryDir folder;
        WriteTestFile(folder.filePath("members.txt"), "M1\nM2\nM3\nM4\n");
        WriteTestFile(folder.filePath("hits.txt"), "Tablet\n");
        WindowFixture window("en", 2024, {}, {{"FairDraw", "true"}});
        window.Load(window->loadMembersButton(), folder.filePath("members.txt"));
        window.Load(window->loadHitsButton(), folder.filePath("hits.txt"));
        window.Click(window->buildButton());
        if (hitAll)
            window.Click(window->hitAllButton());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(window.platform.SaveQuestions, QStringList());
        QVERIFY(window.lottery().Model.LadderBuilt);
        QVERIFY(window->isVisible());
    }

    // Where the kept lottery goes: a discarded restore, a clean exit and a
    // Reset all leave nothing to offer at the next start.
    void keptLotteryEnds_data()
    {
        QTest::addColumn<QString>("ending");
        QTest::newRow("restore discarded") << "discard";
        QTest::newRow("clean exit") << "exit";
        QTest::newRow("reset") << "reset";
    }

    void keptLotteryEnds()
    {
        QFETCH(QString, ending);
        QTemporaryDir state;
        {
            WindowFixture first("en", 2024, state.path());
            first.PlayLottery(3);
            QVERIFY(QFileInfo::exists(state.filePath(StateFile)));
            if (ending == "exit")
                first.Click(first->exitButton());
            if (ending == "reset")
                first.Click(first->resetButton());
        }
        if (ending == "discard")
            QCOMPARE(RestoreOffers(state.path(), false), 1);
        QCOMPARE(RestoreOffers(state.path(), true), 0);
        QVERIFY(!QFileInfo::exists(state.filePath(StateFile)));
    }

    // Two copies of the program at once: the second is not offered the first's
    // running lottery, and however either ends, each crashed lottery is offered
    // again, once, to a later start, whether the later copies run side by side
    // or one after another.
    void twoCopiesKeepTheirOwnLotteries_data()
    {
        QTest::addColumn<bool>("secondCrashes"); // else it exits cleanly
        QTest::addColumn<bool>("laterOneByOne"); // each closed before the next starts
        QTest::newRow("second exits") << false << false;
        QTest::newRow("both crash") << true << false;
        QTest::newRow("both crash, later starts one by one") << true << true;
    }

    void twoCopiesKeepTheirOwnLotteries()
    {
        QFETCH(bool, secondCrashes);
        QFETCH(bool, laterOneByOne);
        QTemporaryDir state;
        QList<QStringList> kept;
        {
            WindowFixture first("en", 2024, state.path());
            first.SetUp(3);
            first.Fill("edit1_", {"Ann", "Ben", "Cy"});
            first.Click(first->shuffleMembersButton());
            kept.append(first.Column("edit1_", 4));
            WindowFixture second("en", 77, state.path());
            QCOMPARE(second.platform.TwoWayQuestions, QStringList());
            second.SetUp(4);
            second.Fill("edit1_", {"Dee", "Eve", "Fay", "Gus"});
            second.Click(second->shuffleMembersButton());
            if (secondCrashes)
                kept.append(second.Column("edit1_", 4));
            else
                second.Click(second->exitButton());
        } // the copies still running are gone without closing, as in a crash

        // Later starts, each offered at most one.
        QList<QStringList> restored;
        std::vector<std::unique_ptr<WindowFixture>> later;
        for (int start = 0; start < 3; ++start) {
            later.push_back(std::make_unique<WindowFixture>("en", 5, state.path()));
            QVERIFY(later.back()->platform.TwoWayQuestions.size() <= 3);
            if (!later.back()->platform.TwoWayQuestions.isEmpty())
                restored.append(later.back()->Column("edit1_", 4));
            if (laterOneByOne) {
                later.back()->Click((*later.back())->exitButton());
                later.pop_back();
            }
        }
        std::sort(kept.begin(), kept.end());
        std::sort(restored.begin(), restored.end());
        QCOMPARE(restored, kept);
    }

    // A kept lottery that cannot be read is told of by the name it is kept
    // under, out of the next start's way where it can be moved there; the
    // lottery this copy goes on to keep takes the place of no other's.
    void damagedKeptLotteryIsNamed_data()
    {
        QTest::addColumn<bool>("movable");
        QTest::newRow("set aside") << true;
        QTest::newRow("cannot be moved") << false;
    }

    void damagedKeptLotteryIsNamed()
    {
        QFETCH(bool, movable);
        QTemporaryDir state;
        const QString kept = state.filePath(StateFile);
        WriteTestFile(kept, "{broken");
        const QString another = state.filePath(QStringLiteral("lottery-in-progress-2.json")); // a killed copy's
        WriteTestFile(another, "{another");
        if (!movable) // a folder where it would go
            QVERIFY(QDir(state.path()).mkpath(StateFile + QStringLiteral(".20140501-090507.damaged/inside")));
        WindowFixture window("en", 2024, state.path());
        QCOMPARE(window.platform.Errors.size(), 1);
        const QString named = QRegularExpression(QStringLiteral("“(.*)”")).match(window.platform.Errors[0]).captured(1);
        QVERIFY2(ReadTestFile(named) == "{broken", qPrintable(window.platform.Errors[0]));
        QCOMPARE(named == kept, !movable);
        window.PlayLottery(3);
        QCOMPARE(ReadTestFile(another), QByteArray("{another"));
    }

    // A state folder that cannot be made says why, naming the file it was for
    // (the folder without permission means something only to an ordinary user).
    void stateFolderThatCannotBeMade_data()
    {
        QTest::addColumn<QString>("above"); // what stands above the state folder
        QTest::addColumn<QString>("reason");
        QTest::newRow("a file where a folder should be") << "file" << "Not a directory";
        QTest::newRow("a folder without write permission") << "locked" << "no permission to write";
    }

    void stateFolderThatCannotBeMade()
    {
        QFETCH(QString, above);
        QFETCH(QString, reason);
        QTemporaryDir home;
        const QString state = home.filePath(above + QStringLiteral("/share/Quorvan"));
        if (above == QLatin1String("file")) {
            WriteTestFile(home.filePath(above), "");
        } else {
            QVERIFY(QDir(home.path()).mkdir(above));
            QFile::setPermissions(home.filePath(above), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
            if (QDir().mkpath(state))
                QSKIP("this user writes into folders without write permission");
        }
        WindowFixture window("en", 2024, state);
        window.SetUp(2);
        Type(window, 2);
        window.Click(window->shuffleMembersButton());
        QCOMPARE(window.platform.Errors.size(), 1);
        const QString& message = window.platform.Errors[0];
        QVERIFY2(message.contains(QDir(state).filePath(StateFile)) && message.contains(reason), qPrintable(message));
        // Told once: while it goes on failing, the status line says so and no message stops the event.
        window.Click(window->shuffleMembersButton());
        QCOMPARE(window.platform.Errors.size(), 1);
        const QString status = window->statusText();
        QVERIFY2(status.startsWith(QLatin1String("Not kept safe against a crash: ")) && status.contains(reason)
                     && status.endsWith(QDir(state).filePath(StateFile) + ')'),
                 qPrintable(status));
    }

    // RESET and EXIT of built lotteries whose results no file holds yet.
    void unsavedResultsAreAskedFor_data()
    {
        QTest::addColumn<bool>("exit");
        QTest::addColumn<bool>("savedFirst"); // the draw record saved before
        QTest::addColumn<int>("answer");      // SaveAnswer
        QTest::addColumn<bool>("saveChosen"); // a file chosen in the save dialog
        QTest::addColumn<int>("questions");
        QTest::addColumn<bool>("gone");
        const int save = int(SaveAnswer::Save), discard = int(SaveAnswer::Discard), cancel = int(SaveAnswer::Cancel);
        QTest::newRow("reset, discard") << false << false << discard << false << 1 << true;
        QTest::newRow("reset, cancel") << false << false << cancel << false << 1 << false;
        QTest::newRow("reset, save") << false << false << save << true << 1 << true;
        QTest::newRow("reset, save cancelled") << false << false << save << false << 1 << false;
        QTest::newRow("reset of saved results") << false << true << cancel << false << 0 << true;
        QTest::newRow("exit, discard") << true << false << discard << false << 1 << true;
        QTest::newRow("exit, cancel") << true << false << cancel << false << 1 << false;
        QTest::newRow("exit, save") << true << false << save << true << 1 << true;
        QTest::newRow("exit of saved results") << true << true << cancel << false << 0 << true;
    }

    void unsavedResultsAreAskedFor()
    {
        QFETCH(bool, exit);
        QFETCH(bool, savedFirst);
        QFETCH(int, answer);
        QFETCH(bool, saveChosen);
        QFETCH(int, questions);
        QFETCH(bool, gone);
        QTemporaryDir folder;
        WindowFixture window("en", 2024);
        window.SetUp(3);
        Type(window, 3);
        window.Click(window->buildButton());
        if (savedFirst) {
            window.platform.SaveAnswers.append(folder.filePath("first.qdraw"));
            window.Run(&Commands::onSaveDraw);
        }
        window.platform.SaveFirstAnswers.append(SaveAnswer(answer));
        if (saveChosen)
            window.platform.SaveAnswers.append(folder.filePath("party.qdraw"));
        window.Click(exit ? window->exitButton() : window->resetButton());
        QCOMPARE(window.platform.SaveQuestions.size(), questions);
        QCOMPARE(QFileInfo::exists(folder.filePath("party.qdraw")), saveChosen);
        if (exit)
            QCOMPARE(window->isVisible(), !gone);
        else
            QCOMPARE(window.lottery().Model.LadderBuilt, !gone);
        if (gone && !exit) { // the next Enter must not reach RESET again, and the new lottery takes names
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(window->countSpinner()));
            QTest::keyClicks(&window->memberBox(1), "A");
            QCOMPARE(window->memberBox(1).text(), QStringLiteral("A"));
        }
    }
};

QUORVAN_TEST_MAIN(TestNothingLost)
#include "TestNothingLost.moc"
