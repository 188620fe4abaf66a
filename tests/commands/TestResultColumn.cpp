#include "TestData.h"
#include "window/Pixels.h"
#include "window/WindowFixture.h"

#include <QTemporaryDir>

using namespace quorvan;
using namespace quorvan::testing;

namespace {

void VerifyStartOfLottery(WindowFixture& window, const QString& shuffle, const QString& prompt)
{
    MainWindow& form = *window;
    QVERIFY(window.BoxNames("edit3_").isEmpty());
    QStringList rows = window.BoxNames("edit1_") + window.BoxNames("edit2_");
    rows.sort();
    QCOMPARE(rows, QStringList({"edit1_1", "edit1_2", "edit2_1", "edit2_2"}));
    for (const QString& name : rows)
        QVERIFY(window.Box(name)->text().isEmpty());
    for (int row = 0; row < Ladder::Rows; ++row)
        for (int column = 0; column < Ladder::Columns; ++column)
            QCOMPARE(window.lottery().Grid.Cell(row, column), RungNone);
    QCOMPARE(form.outerSize().width(), 735);
    QCOMPARE(form.ladderImage()->height(), 60);
    const QImage& image = form.bitmap().Image();
    for (const int x : {0, 220, 439}) {
        QCOMPARE(image.pixel(x, 20), Black);
        QCOMPARE(image.pixel(x, 40), Black);
        QCOMPARE(image.pixel(x, 30), White);
    }
    QCOMPARE(window.lottery().Model.RowCount, 2);
    QVERIFY(!window.lottery().Model.LadderBuilt && !window.lottery().Model.ResultColumnShown);
    QCOMPARE(window.lottery().Model.LitHit, 0);
    QCOMPARE(window.lottery().Model.MemberShuffleCount, 0);
    QCOMPARE(window.lottery().Model.HitShuffleCount, 0);
    QCOMPARE(form.countSpinner()->position(), 2);
    QCOMPARE(form.countDisplay()->text(), QStringLiteral("2"));
    QCOMPARE(form.messageLine()->text(), prompt);
    QCOMPARE(form.shuffleMembersButton()->text(), shuffle);
    QCOMPARE(form.shuffleHitsButton()->text(), shuffle);
    QVERIFY(form.membersLoadedLabel()->text().isEmpty() && form.hitsLoadedLabel()->text().isEmpty());
    QCOMPARE(window.platform.Cursor, MouseCursor::Default);
    QVERIFY(window.platform.Errors.isEmpty());
}

} // namespace

class TestResultColumn : public QObject {
    Q_OBJECT

private slots:
    void hitAllListsEveryMember_data()
    {
        QTest::addColumn<int>("rows");
        QTest::newRow("2 rows") << 2;
        QTest::newRow("480 rows") << 480;
    }

    void hitAllListsEveryMember()
    {
        QFETCH(int, rows);
        WindowFixture window("en", 2024);
        MainWindow& form = *window;
        window.SetUp(rows);
        QStringList expected;
        for (int row = 1; row <= rows; ++row)
            expected.append(QStringLiteral("M%1").arg(row));
        window.Fill("edit1_", expected);
        window.Click(form.buildButton());
        window.Click(form.hitAllButton());

        QCOMPARE(window.BoxNames("edit3_").size(), rows);
        QStringList members;
        for (int row = 1; row <= rows; ++row) {
            EditBox* result = window.Box(QStringLiteral("edit3_%1").arg(row));
            QVERIFY(result && result->isVisible());
            QCOMPARE(window.Placed(result), QRect(703, 111 + 20 * (row - 1), 100, 21));
            members.append(result->text());
        }
        members.sort();
        expected.sort();
        QCOMPARE(members, expected);

        QCOMPARE(form.outerSize().width(), 840);
        QVERIFY(window.lottery().Model.ResultColumnShown);
        QCOMPARE(window.platform.Cursor, MouseCursor::Default);
        QVERIFY(window.platform.Errors.isEmpty());
    }

    void emptyMemberBoxesAreNamedByLine()
    {
        WindowFixture window("en", 0);
        MainWindow& form = *window;
        window.SetUp(3);
        form.firstMemberBox()->setText("  ");
        window.Click(form.buildButton());
        window.Click(form.hitAllButton());
        // Hits 1, 2, 3 reach members 1, 3, 2; blanks are a name like any other.
        QCOMPARE(window.Box("edit3_1")->text(), QStringLiteral("  "));
        QCOMPARE(window.Box("edit3_2")->text(), QStringLiteral("Member-3"));
        QCOMPARE(window.Box("edit3_3")->text(), QStringLiteral("Member-2"));

        window.Box("edit1_3")->setText("Changed later");
        QCOMPARE(window.Box("edit3_2")->text(), QStringLiteral("Member-3"));
    }

    void resultBoxesTakeTheFontAtFillTimeOnly()
    {
        WindowFixture window;
        MainWindow& form = *window;
        QFont chosen(QStringLiteral("DejaVu Serif"));
        chosen.setPixelSize(15);
        chosen.setHintingPreference(QFont::PreferNoHinting); // as every text of the designed area
        SetControlFont(form.firstMemberBox(), {chosen, QColor(0, 0, 128)});
        window.Click(form.setUpButton());
        window.Click(form.buildButton());
        window.Click(form.hitAllButton());
        EditBox* result = window.Box("edit3_2");
        QCOMPARE(result->font(), chosen);

        QFont later(QStringLiteral("DejaVu Sans"));
        later.setPixelSize(20);
        SetControlFont(form.firstMemberBox(), {later, QColor(0, 0, 0)});
        QCOMPARE(result->font(), chosen);
    }

    void secondHitAllKeepsOneBoxPerRow()
    {
        WindowFixture window;
        MainWindow& form = *window;
        window.PlayLottery(6);
        // As after a hit list import: Build is offered again, then ［HIT-ALL］.
        form.buildButton()->setEnabled(true);
        window.Click(form.buildButton());
        QCOMPARE(window.BoxNames("edit3_").size(), 6); // Build leaves the column alone
        QVERIFY(window.lottery().Model.ResultColumnShown);
        window.Click(form.hitAllButton());
        QCOMPARE(window.BoxNames("edit3_").size(), 6);
        QCOMPARE(form.tabs().Names().filter("edit3_").size(), 6);
        QVERIFY(form.saveTextButton()->isEnabled());
        QVERIFY(window.platform.Errors.isEmpty());
    }

    // Reset from each state, the columns shuffled, a member count shown and a hit traced where the state
    // has them, starts a new lottery in every way, and the next lottery plays.
    void resetFromEveryState_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("steps"); // of Set-up, Build and ［HIT-ALL］, before Reset
        QTest::addColumn<QString>("shuffle");
        QTest::addColumn<QString>("prompt");
        const QString shuffle = "Shuffle", prompt = "Please press the set execution button after specifying a set number";
        QTest::newRow("start") << "en" << 0 << shuffle << prompt;
        QTest::newRow("rows set up") << "en" << 1 << shuffle << prompt;
        QTest::newRow("built") << "en" << 2 << shuffle << prompt;
        QTest::newRow("results, Japanese") << "ja" << 3 << "ｼｬｯﾌﾙ" << "■→設定数を指定してから、設定実行ボタンを押下してください";
    }

    void resetFromEveryState()
    {
        QFETCH(QString, language);
        QFETCH(int, steps);
        QFETCH(QString, shuffle);
        QFETCH(QString, prompt);
        WindowFixture window(language);
        MainWindow& form = *window;
        window.ChooseCount(5);
        if (steps >= 1) {
            window.Click(form.setUpButton());
            for (QPushButton* button : {form.shuffleMembersButton(), form.shuffleMembersButton(), form.shuffleHitsButton()})
                window.Click(button);
            window.lottery().Model.MembersLoaded = 5;
            form.showLoadedCounts(window.lottery().Model.MembersLoaded, window.lottery().Model.HitsLoaded);
        }
        if (steps >= 2) {
            window.Click(form.buildButton());
            window.Click(window.Box("edit2_4"));
        }
        if (steps >= 3)
            window.Click(form.hitAllButton());
        window.Click(form.resetButton());
        VerifyStartOfLottery(window, shuffle, prompt);
        window.PlayLottery(5);
        QCOMPARE(window.BoxNames("edit3_").size(), 5);
    }

    void resetAfterImportedRowsFreesEveryBox()
    {
        // A member list import leaves ten rows with RowCount 2.
        WindowFixture window;
        MainWindow& form = *window;
        window.SetUp(10);
        window.lottery().Model.RowCount = 2;
        window.Click(form.buildButton());
        window.Click(form.hitAllButton());
        window.Click(form.resetButton());
        QVERIFY(window.BoxNames("edit3_").isEmpty());
        QCOMPARE(window.BoxNames("edit1_").size(), 2);
        QCOMPARE(window.BoxNames("edit2_").size(), 2);
    }

    // A key typed into a hit box after a reveal and into a result box after
    // ［HIT-ALL］ changes neither box nor any saved result.
    void aStrayKeyChangesNoSavedResult_data()
    {
        QTest::addColumn<QString>("name");
        for (const char* name : {"results.txt", "results.csv", "results.xls", "draw.qdraw"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void aStrayKeyChangesNoSavedResult()
    {
        QFETCH(QString, name);
        WindowFixture window("en", 2024);
        MainWindow& form = *window;
        window.SetUp(3);
        window.Fill("edit1_", {"Alice Brown", "Bob Stone", "Carol King"});
        window.Fill("edit2_", {"Tablet", "Camera", "Book"});
        window.Click(form.buildButton());
        window.Click(&form.hitBox(2));
        QTest::keyClicks(QApplication::focusWidget(), "QZQ");
        QCOMPARE(form.hitBox(2).text(), QStringLiteral("Camera"));
        window.Click(form.hitAllButton());
        const QString traced = form.resultBox(2).text();
        window.Click(&form.resultBox(2));
        QTest::keyClicks(&form.resultBox(2), "QZQ");
        QCOMPARE(form.resultBox(2).text(), traced);

        QTemporaryDir folder;
        const QString path = folder.filePath(name);
        window.platform.SaveAnswers.append(path);
        if (name.endsWith(".qdraw"))
            window.Run(&Commands::onSaveDraw);
        else
            window.Click(name.endsWith(".txt") ? form.saveTextButton() : form.saveWorkbookButton());
        QVERIFY(window.platform.Errors.isEmpty());
        const QByteArray saved = ReadTestFile(path);
        QVERIFY(saved.contains("Camera") || saved.contains(QByteArray("C\0a\0m\0e\0r\0a", 11)));
        QVERIFY(!saved.contains("QZQ") && !saved.contains(QByteArray("Q\0Z\0Q", 5)));
    }
};

QUORVAN_TEST_MAIN(TestResultColumn)
#include "TestResultColumn.moc"
