// The list checks find repeated names, empty entries inside a list and a
// hit list shorter than the member list, and nothing else.

#include "lists/ListChecks.h"
#include "platform/FakePlatform.h"

using namespace quorvan;
using quorvan::testing::FakePlatform;

class TestListChecks : public QObject {
    Q_OBJECT
private slots:
    void findings_data();
    void findings();
    void notesOfTheFilesAreTold();
    void summaryShowsTheFirstTwoAndCountsTheRest();
    void namesHoldingPercentNumbersStayWhole_data();
    void namesHoldingPercentNumbersStayWhole();
};

void TestListChecks::findings_data()
{
    QTest::addColumn<QStringList>("members");
    QTest::addColumn<QStringList>("hits");
    QTest::addColumn<bool>("beforeBuild");
    QTest::addColumn<bool>("hitsSpread");
    QTest::addColumn<QStringList>("expected");

    const QStringList three{"Ann", "Bob", "Cy"};
    QTest::newRow("clean lists") << three << QStringList{"1st", "2nd", "3rd"} << true << false << QStringList{};
    QTest::newRow("case, width and spacing")
        << QStringList{"Ann  Lee", "bob", "ＡＮＮ LEE ", "Bob", "Ｂｏｂ"} << QStringList{"a", "b", "c", "d", "e"}
        << false << false
        << QStringList{"“Ann  Lee” appears 2 times in the members (rows 1, 3)",
                       "“bob” appears 3 times in the members (rows 2, 4, 5)"};
    QTest::newRow("repeated hit") << three << QStringList{"Prize", "Blank", "Blank"} << false << false
                                  << QStringList{"“Blank” appears 2 times in the hits (rows 2, 3)"};
    // An empty member takes part in the draw wherever it is; empty hits at
    // the end are hits missing, which the count of hits tells.
    QTest::newRow("empty members anywhere, hits inside")
        << QStringList{"Ann", " ", "Cy", "", ""} << QStringList{"a", "", "c", "", ""} << false << false
        << QStringList{"Row 2 of the members is empty", "Rows 4–5 of the members are empty",
                       "Row 2 of the hits is empty"};
    QTest::newRow("fewer hits") << three << QStringList{"1st", "", ""} << false << false
                                << QStringList{"1 hit for 3 members"};
    QTest::newRow("no hits yet after a member import") << three << QStringList{"", "", ""} << false << false
                                                       << QStringList{};
    QTest::newRow("no hits at Build") << three << QStringList{"", "", ""} << true << false
                                      << QStringList{"0 hits for 3 members"};
    QTest::newRow("one member, no hit") << QStringList{"Ann", ""} << QStringList{"", ""} << true << false
                                        << QStringList{"Row 2 of the members is empty", "0 hits for 1 member"};
    QTest::newRow("no-prize rows after a fair draw")
        << three << QStringList{"", "1st", ""} << true << true << QStringList{"1 hit for 3 members"};
    QTest::newRow("members still checked after a fair draw")
        << QStringList{"Ann", "", "Cy"} << QStringList{"", "1st", ""} << true << true
        << QStringList{"Row 2 of the members is empty", "1 hit for 2 members"};
}

void TestListChecks::findings()
{
    QFETCH(QStringList, members);
    QFETCH(QStringList, hits);
    QFETCH(bool, beforeBuild);
    QFETCH(bool, hitsSpread);
    QFETCH(QStringList, expected);
    FakePlatform platform;
    platform.Speak(QStringLiteral("en"));
    const ListFindings found = CheckLists(members, hits, beforeBuild, hitsSpread);
    QCOMPARE(DescribeFindings(found), expected);
    QCOMPARE(found.empty(), expected.isEmpty());
    platform.Speak(QStringLiteral("ja"));
    QCOMPARE(DescribeFindings(found).size(), expected.size());
}

// What reading the files had to do is told for the list it was read into.
void TestListChecks::notesOfTheFilesAreTold()
{
    ListNotes members;
    members.ReplacedLines = {2, 7};
    members.TabColumns = true;
    ListNotes hits;
    hits.DroppedCrLines = {3};
    hits.StopRow = 5;
    hits.NamesBelow = 5;
    const ListFindings found = CheckLists({"A", "B"}, {"x", "y"}, false, false, members, hits);
    FakePlatform platform;
    platform.Speak(QStringLiteral("en"));
    QCOMPARE(DescribeFindings(found),
             QStringList({"The member file has bytes that are no text in lines 2, 7; they show as “\uFFFD”",
                          "The member file's lines hold tabs: only the first column was read",
                          "The hit file has a CR without LF in lines 3; it was left out",
                          "The hit list stops at the empty cell in row 5; 5 names follow below it"}));
    platform.Speak(QStringLiteral("ja"));
    QCOMPARE(DescribeFindings(found).size(), 4);
    QVERIFY(DescribeFindings(found).last().contains(QStringLiteral("5行目")));
}

void TestListChecks::summaryShowsTheFirstTwoAndCountsTheRest()
{
    const ListFindings found = CheckLists({"A", "", "A", "", "B"}, {"x"}, false, false);
    FakePlatform platform;
    platform.Speak(QStringLiteral("en"));
    QCOMPARE(SummarizeFindings(found),
             QStringLiteral("List check: “A” appears 2 times in the members (rows 1, 3); "
                            "Row 2 of the members is empty; 2 more"));
    QVERIFY(SummarizeFindings(CheckLists({"A"}, {"x"}, true, false)).isEmpty());
    platform.Speak(QStringLiteral("ja"));
    QVERIFY(SummarizeFindings(found).startsWith(QStringLiteral("リストの確認: ")));
}

// A name holding "%2" is shown as it is, in every language.
void TestListChecks::namesHoldingPercentNumbersStayWhole_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("expected");
    QTest::newRow("English") << "en" << "“50%2 off” appears 2 times in the members (rows 1, 3)";
    QTest::newRow("Japanese") << "ja" << "メンバーに「50%2 off」が2回あります（1, 3行目）";
}

void TestListChecks::namesHoldingPercentNumbersStayWhole()
{
    QFETCH(QString, language);
    QFETCH(QString, expected);
    FakePlatform platform;
    platform.Speak(language);
    const ListFindings found = CheckLists({"50%2 off", "Prize %3 / %5", "50%2 off"}, {"a", "b", "c"}, false, false);
    QCOMPARE(DescribeFindings(found), QStringList{expected});
}

QUORVAN_TEST_GUILESS_MAIN(TestListChecks)
#include "TestListChecks.moc"
