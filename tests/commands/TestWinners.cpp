// Winners in prize order: after a fair draw of 3 prizes among 6 members the
// winners view, its print and its saves list prize → member in the order the
// hits were loaded, each member the one ［HIT-ALL］ traced for that prize.

#include "TestData.h"
#include "window/WindowFixture.h"
#include "window/WinnersDialog.h"

#include "window/Pixels.h"
#include "window/Spinner.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTableWidget>
#include <QTemporaryDir>

using namespace quorvan;
using testing::WindowFixture;

namespace {

const QStringList Prizes{"Tablet", "Mug", "Pen"};

// Members M1..M6 and the three prizes, fairly drawn and, unless told, all traced.
void DrawThreeOfSix(WindowFixture& window, QTemporaryDir& folder, bool traceAll = true)
{
    const QString members = folder.filePath("members.txt");
    const QString hits = folder.filePath("hits.txt");
    WriteTestFile(members, "M1\nM2\nM3\nM4\nM5\nM6\n");
    WriteTestFile(hits, Prizes.join('\n').toUtf8() + '\n');
    window.Load(window->loadMembersButton(), members);
    window.Load(window->loadHitsButton(), hits);
    window->fairDrawBox()->setChecked(true);
    window.Click(window->buildButton());
    if (traceAll)
        window.Click(window->hitAllButton());
}

// "prize>member" for each prize in loaded order, from the boxes ［HIT-ALL］ filled.
QStringList TracedWinners(const WindowFixture& window)
{
    const QStringList hits = window.Column("edit2_", 6);
    const QStringList results = window.Column("edit3_", 6);
    QStringList winners;
    for (const QString& prize : Prizes)
        winners.append(prize + '>' + results[hits.indexOf(prize)]);
    return winners;
}

} // namespace

class TestWinners : public QObject {
    Q_OBJECT

private slots:
    void viewListsPrizeOrder()
    {
        QTemporaryDir folder;
        WindowFixture window;
        DrawThreeOfSix(window, folder);
        // The hit boxes hold the prizes among three empty rows: the fair draw moved them.
        QCOMPARE(window.Column("edit2_", 6).count(QString()), 3);
        window.commands->onWinnersView();
        auto* view = window->findChild<WinnersDialog*>();
        QVERIFY(view);
        QStringList shown;
        for (int row = 0; row < view->table->rowCount(); ++row)
            shown.append(view->table->item(row, 0)->text() + '>' + view->table->item(row, 1)->text());
        QCOMPARE(shown, TracedWinners(window));
        window.Click(view->printButton);
        QCOMPARE(window.platform.Printed.size(), 1);
        for (const QString& winner : shown)
            QVERIFY(window.platform.Printed[0].contains(winner.section('>', 1)));
    }

    // A click on a prize names its place in the list as loaded, the prize and
    // the winner, and marks the hit and the winner's member box.
    void revealNamesPrizeAndWinner_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("prize");
        QTest::addColumn<QString>("words");
        QTest::addColumn<QString>("blank"); // the words of a row without a prize
        QTest::newRow("English") << "en" << 1 << "2nd prize: Mug → %1" << "Hit %1 → %2 (member %3)";
        QTest::newRow("Japanese") << "ja" << 2 << "3等：Pen → %1" << "当たり %1 → %2（メンバー %3）";
    }

    void revealNamesPrizeAndWinner()
    {
        QFETCH(QString, language);
        QFETCH(int, prize);
        QFETCH(QString, words);
        QFETCH(QString, blank);
        QTemporaryDir folder;
        WindowFixture window(language);
        DrawThreeOfSix(window, folder);
        const QStringList hits = window.Column("edit2_", 6);
        const QStringList results = window.Column("edit3_", 6);
        const QColor plain = window.Box("edit3_1")->palette().color(QPalette::Base); // a box never marked
        const int row = int(hits.indexOf(Prizes[prize])) + 1;
        window.Click(window.Box(QStringLiteral("edit2_%1").arg(row)));
        QCOMPARE(window->statusText(), words.arg(results[row - 1]));
        QCOMPARE(window->statusBar()->accessibleName(), window->statusText()); // told to a screen reader
        const QString winnerBox = QStringLiteral("edit1_%1").arg(results[row - 1].mid(1));
        QVERIFY(window.Box(winnerBox)->palette().color(QPalette::Base) != plain);
        QVERIFY(window.Box(QStringLiteral("edit2_%1").arg(row))->palette().color(QPalette::Base) != plain);

        const int empty = int(hits.indexOf(QString())) + 1;
        window.Click(window.Box(QStringLiteral("edit2_%1").arg(empty)));
        const QString reached = results[empty - 1];
        QCOMPARE(window->statusText(), blank.arg(empty).arg(reached, reached.mid(1)));
        QCOMPARE(window.Box(winnerBox)->palette().color(QPalette::Base) == plain,
                 winnerBox != QStringLiteral("edit1_%1").arg(reached.mid(1)));
    }

    // Reveal next prize goes in the order the hits were loaded, whatever rows
    // the fair draw moved them to; ［HIT-ALL］ then says what it did in place
    // of the last reveal's words.
    void revealsInPrizeOrder_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("traced");
        QTest::newRow("English") << "en"
                                 << "Every path traced; winners: 3. View › Winners… lists them in prize order.";
        QTest::newRow("Japanese") << "ja" << "すべての道をたどりました。当選者 3 人。「表示 › 当選者…」で賞の順に一覧できます。";
    }

    void revealsInPrizeOrder()
    {
        QFETCH(QString, language);
        QFETCH(QString, traced);
        QTemporaryDir folder;
        WindowFixture window(language);
        window.platform.SecureSource.seed(1); // a fair draw that puts the prizes out of their order
        DrawThreeOfSix(window, folder, false);
        const QStringList hits = window.Column("edit2_", 6);
        QVERIFY2(hits.indexOf(Prizes[0]) > hits.indexOf(Prizes[1]) || hits.indexOf(Prizes[1]) > hits.indexOf(Prizes[2]),
                 "the fair draw left the prizes in row order: the test shows nothing");
        QStringList revealed;
        for (int reveal = 0; reveal < 3; ++reveal) {
            window.Run(&Commands::onRevealNext);
            revealed.append(hits[window.lottery().Reveals.Revealed().back() - 1]);
        }
        QCOMPARE(revealed, Prizes);
        window.Click(window->hitAllButton());
        QCOMPARE(window->statusText(), traced);
    }

    // With the setting on, every prize revealed keeps its path red; turned
    // off, only the last stays red. The setting is kept between runs.
    void keptRedPaths()
    {
        QTemporaryDir folder;
        WindowFixture window;
        DrawThreeOfSix(window, folder);
        const QStringList hits = window.Column("edit2_", 6);
        QAction* keep = window->menuBar()->findChild<QAction*>("KeepRedPathsEntry");
        QVERIFY(keep && !keep->isChecked());
        keep->trigger();
        QCOMPARE(window.platform.Settings.value("KeepRedPaths"), QStringLiteral("true"));

        window.Click(window.Box(QStringLiteral("edit2_%1").arg(hits.indexOf("Tablet") + 1)));
        const QImage first = window->bitmap().Image();
        window.Click(window.Box(QStringLiteral("edit2_%1").arg(hits.indexOf("Mug") + 1)));
        const QImage both = window->bitmap().Image();
        for (int y = 0; y < first.height(); ++y)
            for (int x = 0; x < first.width(); ++x)
                if (first.pixel(x, y) == testing::Red)
                    QCOMPARE(both.pixel(x, y), testing::Red);
        QVERIFY(testing::CountPixels(both, testing::Red) > testing::CountPixels(first, testing::Red));
        // The Mug taken back: the picture as before it was revealed.
        window.Run(&Commands::onRevealBack);
        QVERIFY(window->bitmap().Image() == first);
        window.Click(window.Box(QStringLiteral("edit2_%1").arg(hits.indexOf("Mug") + 1)));
        // A path that is no prize's, red and then black again, leaves the
        // kept paths whole where they share a rung.
        window.Click(window.Box(QStringLiteral("edit2_%1").arg(hits.indexOf(QString()) + 1)));
        window.Click(window.Box(QStringLiteral("edit2_%1").arg(hits.indexOf("Mug") + 1)));
        QVERIFY(window->bitmap().Image() == both);

        keep->trigger();
        QCOMPARE(window.platform.Settings.value("KeepRedPaths"), QStringLiteral("false"));
        const int mugAlone = testing::CountPixels(window->bitmap().Image(), testing::Red);
        QVERIFY(mugAlone < testing::CountPixels(both, testing::Red));
        // The same as a click on the Mug alone draws.
        window.Click(window.Box(QStringLiteral("edit2_%1").arg(hits.indexOf("Tablet") + 1)));
        window.Click(window.Box(QStringLiteral("edit2_%1").arg(hits.indexOf("Mug") + 1)));
        QCOMPARE(testing::CountPixels(window->bitmap().Image(), testing::Red), mugAlone);
    }

    void savedWinnersOnly_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("entry"); // of the save dialog's list
        QTest::newRow("text") << "winners.txt" << 1;
        QTest::newRow("xlsx") << "winners.xlsx" << 5;
        QTest::newRow("csv") << "winners.csv" << 7;
    }

    void savedWinnersOnly()
    {
        QFETCH(QString, name);
        QFETCH(int, entry);
        QTemporaryDir folder;
        WindowFixture window;
        DrawThreeOfSix(window, folder);
        const QString path = folder.filePath(name);
        window.platform.SaveAnswers.append(path);
        window.platform.SaveFilterChoices = {entry};
        window.Click(name.endsWith(".txt") ? window->saveTextButton() : window->saveWorkbookButton());
        QCOMPARE(window.platform.Errors, QStringList());
        QCOMPARE(window->statusText(), "Saved to " + QDir::toNativeSeparators(path));

        QStringList saved;
        if (name.endsWith(".txt")) {
            const QStringList lines = QString::fromUtf8(ReadTestFile(path)).split("\r\n", Qt::SkipEmptyParts);
            for (const QString& line : lines.mid(2))
                saved.append(line.section('\t', 0, 0) + '>' + line.section('\t', 1));
        } else {
            QProcess python;
            const QString reader = "/../workbook/read_" + name.section('.', -1) + ".py";
            python.start("/usr/bin/python3", {QStringLiteral(QUORVAN_TEST_SOURCE) + reader, path});
            QVERIFY(python.waitForFinished(60000));
            QVERIFY2(python.exitCode() == 0, python.readAllStandardError().constData());
            const QJsonObject cells = QJsonDocument::fromJson(python.readAllStandardOutput())["cells"].toObject();
            QCOMPARE(cells.size(), 3 + 2 * 3); // the heading row, then member and hit of each winner
            for (int row = 2; row <= 4; ++row)
                saved.append(cells[QStringLiteral("%1,3").arg(row)].toString() + '>'
                             + cells[QStringLiteral("%1,2").arg(row)].toString());
        }
        QCOMPARE(saved, TracedWinners(window));
    }

    void earlierWinnersLeftOut_data()
    {
        QTest::addColumn<QString>("earlier");     // a file in tests/data, or the text result below
        QTest::addColumn<QStringList>("members");
        QTest::addColumn<QStringList>("remaining");
        QStringList twelve;
        for (int member = 1; member <= 12; ++member)
            twelve.append(QStringLiteral("Member %1").arg(member));
        // The record's hits 2, 3 and 12 won nothing: members 4, 3 and 11 stay.
        QTest::newRow("draw record") << TestData("draws/plain-12.qdraw") << twelve + QStringList{"Zoe"}
                                     << QStringList{"Member 3", "Member 4", "Member 11", "Zoe"};
        QTest::newRow("text result, two rounds") << QString() << QStringList{"Ann", "Bob", "Cy", "Dee", "Eve"}
                                                 << QStringList{"Bob", "Dee"};
    }

    void earlierWinnersLeftOut()
    {
        QFETCH(QString, earlier);
        QFETCH(QStringList, members);
        QFETCH(QStringList, remaining);
        QTemporaryDir folder;
        if (earlier.isEmpty()) {
            earlier = folder.filePath("earlier.txt");
            WriteTestFile(earlier, "*===== 2026/12/01 10:00:00 =====*\r\n[HIT]\t[MEMBER]\r\nTablet\tAnn\r\n\tBob\r\n"
                                   "*===== 2026/12/02 10:00:00 =====*\r\n[HIT]\t[MEMBER]\r\nMug\tCy\r\nPen\tEve\r\n");
        }
        WindowFixture window;
        const QString list = folder.filePath("members.txt");
        WriteTestFile(list, members.join('\n').toUtf8());
        window.Load(window->loadMembersButton(), list);
        window.platform.OpenAnswers.append(earlier);
        window.commands->onLeaveOutEarlierWinners();
        QCOMPARE(window.Column("edit1_", int(remaining.size())), remaining);
        QCOMPARE(window->countSpinner()->position(), remaining.size());
        QCOMPARE(window.platform.Notices.size(), 1);
        QVERIFY(window.platform.Notices[0].startsWith(
            QStringLiteral("Left out %1 earlier winners").arg(members.size() - remaining.size())));
    }
};

QUORVAN_TEST_MAIN(TestWinners)
#include "TestWinners.moc"
