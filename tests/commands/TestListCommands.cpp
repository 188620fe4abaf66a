#include "TestData.h"
#include "window/WindowFixture.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

using namespace quorvan;
using testing::WindowFixture;

Q_DECLARE_METATYPE(std::optional<quorvan::ImportChoice>)

namespace {

// A text file of `lines` lines "<prefix><n>".
QString WriteList(QTemporaryDir& folder, const char* name, const char* prefix, int lines)
{
    const QString path = folder.filePath(QString::fromLatin1(name));
    QByteArray bytes;
    for (int line = 1; line <= lines; ++line)
        bytes += QStringLiteral("%1%2\r\n").arg(QString::fromLatin1(prefix)).arg(line).toUtf8();
    WriteTestFile(path, bytes);
    return path;
}

} // namespace

class TestListCommands : public QObject {
    Q_OBJECT

private slots:
    void membersFromATextFile()
    {
        WindowFixture window;
        MainWindow& form = *window;
        window.Load(window->loadMembersButton(), TestData("members-crlf.txt"));
        QCOMPARE(window.Column("edit1_", 3), QStringList({"Alice", "Bob", "Carol"}));
        QCOMPARE(window.Column("edit2_", 3), QStringList({"", "", ""}));
        QCOMPARE(window.BoxNames("edit1_").size(), 3);
        QCOMPARE(form.countSpinner()->position(), 3);
        QCOMPARE(form.countDisplay()->text(), QStringLiteral("3"));
        QCOMPARE(form.membersLoadedLabel()->text(), QStringLiteral("3"));
        QCOMPARE(window.lottery().Model.RowCount, 2);
        QCOMPARE(window.platform.Filters.first(),
                 QStringLiteral("*.txt;*.csv;*.xls;*.xlsx;*.ods|*.txt;*.csv;*.xls;*.xlsx;*.ods|*.*|*.*"));
        QCOMPARE(window.platform.Cursor, MouseCursor::Default);

        // The rows are real rows: Build and a hit click work on them.
        window.Click(form.buildButton());
        QVERIFY(window.platform.Errors.isEmpty());
        QCOMPARE(form.ladderImage()->height(), 80);
    }

    void lineRulesReachTheBoxes_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("textLocale"); // LC_CTYPE; the messages stay English
        QTest::addColumn<QStringList>("members");
        const QString en = QStringLiteral("en_US.UTF-8");
        QTest::newRow("empty line") << "members-lf-empty-line.txt" << en << QStringList{"Alice", "Bob", "", "Dave"};
        QTest::newRow("CR alone") << "cr-only.txt" << en << QStringList{"one", "two", "three"};
        QTest::newRow("Ctrl-Z") << "ctrl-z.txt" << en << QStringList{"Alice", "Bob"};
        QTest::newRow("UTF-8 mark") << "utf8-bom.txt" << en << QStringList{"Alice", "Bob"};
        QTest::newRow("UTF-16 mark") << "members-utf16le-bom.txt" << en
                                     << QStringList{"Aiko", "Bruno", "Chloé", "鈴木 Emi"};
        QTest::newRow("code page 932") << "cp932.txt" << "ja_JP.UTF-8" << QStringList{"佐藤", "鈴木", "高橋"};
        QTest::newRow("CP949 under Korean") << "ko-cp949.txt" << "ko_KR.UTF-8"
                                            << QStringList{"김민준", "이서연", "박지호"};
        // CSV from Python's csv module: the first field of each record, its heading included.
        QTest::newRow("CSV, UTF-8 mark, quotes")
            << "members-quoted.csv" << en
            << QStringList{"Name", "Smith, John", "O\"Brien", "Line\nBreak", "Plain", "山田 太郎"};
        QTest::newRow("CSV, semicolons, code page 1252")
            << "members-semicolon.csv" << en << QStringList{"Name", "Zoë", "François", "Müller; Hans", "Ana"};
        QTest::newRow("CSV, Japanese Excel, English locale")
            << "ja-excel.csv" << en << QStringList{"氏名", "山田 太郎", "佐藤 花子", "鈴木 一郎", "高橋 美咲"};
        QTest::newRow("CSV, tabs") << "tabs.csv" << en << QStringList{"Name", "Alice", "Bob\tJr"};
        QTest::newRow("Unicode text, tabs") << "unicode-text-tabs.txt" << en << QStringList{"田中 太郎", "佐藤 花子"};
        // Encodings by content, whatever the locale.
        QTest::newRow("UTF-8, one bad byte") << "utf8-one-bad-byte.txt" << "ja_JP.UTF-8"
                                             << QStringList{"田中 太郎", "佐藤 \uFFFD子", "鈴木 一郎"};
        QTest::newRow("Shift_JIS under English") << "ja-shift-jis-short.txt" << en << QStringList{"山田"};
        QTest::newRow("CP1252 under Japanese") << "fr-cp1252.txt" << "ja_JP.UTF-8"
                                               << QStringList{"Müller", "José", "François", "Œdipe"};
        QTest::newRow("UTF-16 without a mark") << "utf16le-no-bom.txt" << en << QStringList{"田中 太郎", "佐藤 花子"};
        QTest::newRow("old Mac CR") << "cr-only-mac.txt" << en << QStringList{"Alice", "Bob", "Carol"};
    }

    void lineRulesReachTheBoxes()
    {
        QFETCH(QString, file);
        QFETCH(QString, textLocale);
        QFETCH(QStringList, members);
        WindowFixture window;
        window.platform.TextLocale = textLocale;
        window.Load(window->loadMembersButton(), TestData(qPrintable(file)));
        QCOMPARE(window.Column("edit1_", members.size()), members);
    }

    // The list checks tell the first findings in the status line after an
    // import and at Build, all of them on request, and are forgotten at Reset.
    void listChecksTellWhatTheyFind()
    {
        WindowFixture window;
        window.Load(window->loadMembersButton(), TestData("members-lf-empty-line.txt"));
        QCOMPARE(window->statusText(), QStringLiteral("List check: Row 3 of the members is empty"));
        auto* findings = window->findChild<QPushButton*>(QStringLiteral("ListFindingsButton"));
        QVERIFY(findings && !findings->isHidden());

        window.Click(window->buildButton());
        QCOMPARE(window->statusText(),
                 QStringLiteral("List check: Row 3 of the members is empty; 0 hits for 3 members"));
        window.Click(findings);
        QCOMPARE(window.platform.Notices,
                 QStringList{QStringLiteral("Row 3 of the members is empty\n0 hits for 3 members")});

        window.Click(window->resetButton());
        QVERIFY(findings->isHidden());
        QVERIFY(window->statusText().isEmpty());
    }

    // A name is at most 1,024 characters; a longer one is cut and told.
    void longNamesAreCutAndTold()
    {
        QTemporaryDir scratch;
        const QString path = scratch.filePath(QStringLiteral("long.txt"));
        QFile list(path);
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write("Ann\n" + QByteArray(1023, 'x') + "\xF0\x9F\x98\x80yz\n" + QByteArray(1500, 'y') + "\nBob\n");
        list.close();
        WindowFixture window;
        window.Load(window->loadMembersButton(), path);
        QCOMPARE(window.Column("edit1_", 4), QStringList({"Ann", QString(1023, 'x'), QString(1024, 'y'), "Bob"}));
        QCOMPARE(window->statusText(),
                 QStringLiteral("List check: Names in the member list cut to 1024 characters: rows 2, 3"));
    }

    void cancelResets()
    {
        WindowFixture window;
        window.ChooseCount(7);
        window.Click(window->loadMembersButton());
        QCOMPARE(window.BoxNames("edit1_").size(), 2);
        QCOMPARE(window->countSpinner()->position(), 2);
        QCOMPARE(window.platform.Cursor, MouseCursor::Default);
        QVERIFY(window.platform.Errors.isEmpty());
    }

    void unreadableFilesEndWithAMessage_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("other kind") << "/tmp/list.pdf";
        QTest::newRow("workbook") << TestData("members.xls");
        QTest::newRow("missing") << "/nonexistent/members.txt";
        QTest::newRow("folder") << QStringLiteral(QUORVAN_TEST_DATA "/folder.txt");
    }

    void unreadableFilesEndWithAMessage()
    {
        QFETCH(QString, path);
        QTemporaryDir scratch;
        if (path.endsWith("folder.txt")) {
            path = scratch.filePath("folder.txt");
            QDir().mkdir(path);
        }
        WindowFixture window;
        window.Load(window->loadMembersButton(), path);
        QCOMPARE(window.platform.Errors.size(), 1);
        QVERIFY2(window.platform.Errors.first().contains(path), qPrintable(window.platform.Errors.first()));
        // As the steps before the dialog left it: two empty rows.
        QCOMPARE(window.BoxNames("edit1_").size(), 2);
        QCOMPARE(window.platform.Cursor, MouseCursor::Default);
    }

    // A hit list fills the hit boxes from the top as far as there are members, in place of any
    // list loaded before; boxes below it keep what was typed; the count tells the lines read.
    void hitListsFillTheHitBoxes_data()
    {
        QTest::addColumn<int>("members");
        QTest::addColumn<int>("before"); // lines of a hit list loaded before
        QTest::addColumn<QString>("typed"); // into hit box 6 before the import
        QTest::addColumn<int>("lines");
        QTest::addColumn<QStringList>("hits");
        QTest::addColumn<QString>("loaded");
        QTest::newRow("more hits than members") << 10 << 0 << "" << 15
                                                << QStringList{"H1", "H2", "H3", "H4", "H5", "H6", "H7", "H8", "H9", "H10"}
                                                << "15";
        QTest::newRow("fewer hits, typed below") << 10 << 0 << "typed" << 4
                                                 << QStringList{"H1", "H2", "H3", "H4", "", "typed"} << "4";
        QTest::newRow("loaded again") << 6 << 6 << "" << 3 << QStringList{"H1", "H2", "H3", "", "", ""} << "3";
        QTest::newRow("no members") << 0 << 0 << "" << 3 << QStringList{"", ""} << "3";
    }

    void hitListsFillTheHitBoxes()
    {
        QFETCH(int, members);
        QFETCH(int, before);
        QFETCH(QString, typed);
        QFETCH(int, lines);
        QFETCH(QStringList, hits);
        QFETCH(QString, loaded);
        QTemporaryDir folder;
        WindowFixture window;
        window.Load(window->loadMembersButton(), WriteList(folder, "members.txt", "M", members));
        if (before > 0)
            window.Load(window->loadHitsButton(), WriteList(folder, "wrong.txt", "W", before));
        if (!typed.isEmpty())
            window.Box("edit2_6")->setText(typed);
        window.Load(window->loadHitsButton(), WriteList(folder, "hits.txt", "H", lines));
        QCOMPARE(window.Column("edit2_", int(hits.size())), hits);
        QCOMPARE(window->hitsLoadedLabel()->text(), loaded);
        // The open dialog starts empty, then at the list chosen last.
        QCOMPARE(window.platform.OpenStarts.first(), QString());
        QCOMPARE(window.platform.OpenStarts.last(), folder.filePath(before > 0 ? "wrong.txt" : "members.txt"));
    }

    void countedHitsAtTheUsersWord_data()
    {
        QTest::addColumn<bool>("counted");
        QTest::addColumn<QStringList>("hits");
        QTest::addColumn<QString>("loaded");
        QTest::newRow("counted") << true << QStringList{"Tablet", "Mug", "Mug", "Pen", "Pen", "Pen"} << "6";
        QTest::newRow("as written") << false << QStringList{"Tablet", "2 × Mug", "Pen ×３", "", "", ""} << "3";
    }

    void countedHitsAtTheUsersWord()
    {
        QFETCH(bool, counted);
        QFETCH(QStringList, hits);
        QFETCH(QString, loaded);
        QTemporaryDir folder;
        WindowFixture window;
        window.Load(window->loadMembersButton(), WriteList(folder, "members.txt", "M", 6));
        window.platform.Answers = {counted};
        window.Load(window->loadHitsButton(), TestData("hits-counted.csv"));
        QCOMPARE(window.platform.Questions.size(), 1);
        QCOMPARE(window.Column("edit2_", 6), hits);
        QCOMPARE(window->hitsLoadedLabel()->text(), loaded);
        QCOMPARE(window->statusBar()->currentMessage().contains(QStringLiteral("“2 × Mug” counted as 2 hits “Mug”")),
                 counted);
        // The prizes counted out are meant to repeat, at import and at Build.
        window.Click(window->buildButton());
        window.commands->onShowListFindings();
        QVERIFY(!window.platform.Notices.last().contains(QStringLiteral("appears")));
        QCOMPARE(window.platform.Notices.last().contains(QStringLiteral("counted as 3 hits")), counted);
    }

    // The question names the line that gives a count, or the first of several.
    void countQuestionWords_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QByteArray>("hits");
        QTest::addColumn<QString>("question");
        QTest::newRow("one line") << "en" << QByteArray("Tablet\n3 × Gift card\n")
                                  << "The hit line “3 × Gift card” gives a count.\nCount it as 3 hits “Gift card”?";
        QTest::newRow("two lines, Japanese")
            << "ja" << QByteArray("2 × Mug\nPen ×３\n")
            << "当たりのリストの 2 行に個数があります（例：“2 × Mug”）。\nそれぞれその個数の当たりとして数えますか？（“2 × Mug” は当たり “Mug” 2 個）";
    }

    void countQuestionWords()
    {
        QFETCH(QString, language);
        QFETCH(QByteArray, hits);
        QFETCH(QString, question);
        QTemporaryDir folder;
        WindowFixture window(language);
        window.Load(window->loadMembersButton(), WriteList(folder, "members.txt", "M", 6));
        WriteTestFile(folder.filePath("hits.txt"), hits);
        window.Load(window->loadHitsButton(), folder.filePath("hits.txt"));
        QCOMPARE(window.platform.Questions, QStringList{question});
    }

    void hitsAfterBuildOfferBuildAgain()
    {
        QTemporaryDir folder;
        WindowFixture window;
        MainWindow& form = *window;
        window.Load(window->loadMembersButton(), WriteList(folder, "members.txt", "M", 5));
        window.Click(form.buildButton());
        window.Click(form.hitAllButton());
        window.Load(window->loadHitsButton(), WriteList(folder, "hits.txt", "H", 600));
        QCOMPARE(form.hitsLoadedLabel()->text(), QStringLiteral("480"));
        QVERIFY(form.buildButton()->isEnabled());
        window.Click(form.buildButton());
        QVERIFY(form.hitAllButton()->isEnabled());
        window.Click(form.hitAllButton());
        QCOMPARE(window.BoxNames("edit3_").size(), 5);
        window.Click(form.resetButton());
        QCOMPARE(window.BoxNames("edit1_").size() + window.BoxNames("edit3_").size(), 2);
    }

    void cancelledHitListChangesNothing()
    {
        QTemporaryDir folder;
        WindowFixture window;
        window.Load(window->loadMembersButton(), WriteList(folder, "members.txt", "M", 3));
        window.Click(window->loadHitsButton());
        QVERIFY(window->loadHitsButton()->isEnabled());
        QVERIFY(window->hitsLoadedLabel()->text().isEmpty());
        QCOMPARE(window.platform.Cursor, MouseCursor::Default);
    }

    // A roster with employee numbers in column A and a heading row opens the
    // preview with both mended; the answer is kept for the file's name.
    void rosterThroughThePreview_data()
    {
        QTest::addColumn<std::optional<ImportChoice>>("answer");
        QTest::addColumn<QStringList>("members");
        const QStringList names{"Alice Brown", "Bob Green", "Carol White"};
        QTest::newRow("likely answer") << std::optional(ImportChoice{2, true, false}) << names;
        QTest::newRow("as it reads") << std::optional(ImportChoice{}) << QStringList{"No.", "1001", "1002", "1003"};
        QTest::newRow("names, heading kept") << std::optional(ImportChoice{2, false, false})
                                             << QStringList{"Name", "Alice Brown", "Bob Green", "Carol White"};
        QTest::newRow("cancelled") << std::optional<ImportChoice>() << QStringList{"", ""};
    }

    void rosterThroughThePreview()
    {
        QFETCH(std::optional<ImportChoice>, answer);
        QFETCH(QStringList, members);
        QTemporaryDir folder;
        const QString roster = folder.filePath("roster.csv");
        WriteTestFile(roster, "No.,Name\r\n1001,Alice Brown\r\n1002,Bob Green\r\n1003,Carol White\r\n");
        WindowFixture window;
        window.platform.ImportAnswers = {answer};
        window.Load(window->loadMembersButton(), roster);
        QCOMPARE(window.platform.ImportQuestions.size(), 1);
        const ImportQuestion& asked = window.platform.ImportQuestions.first();
        QCOMPARE(asked.Likely, (ImportChoice{2, true, false}));
        QCOMPARE(asked.FirstRows.first(), QStringList({"No.", "Name"}));
        QCOMPARE(asked.ColumnNames, QStringList({"A", "B"}));
        QVERIFY(asked.Why.contains("“No.”") && asked.Why.contains("column B holds names"));
        QVERIFY(asked.PastEmptyLabel.isEmpty());
        QCOMPARE(window.Column("edit1_", int(members.size())), members);
        QCOMPARE(window->loadHitsButton()->isEnabled(), answer.has_value());

        // The same file name again: read as chosen, without a question.
        window.Click(window->resetButton());
        window.Load(window->loadMembersButton(), roster);
        QCOMPARE(window.platform.ImportQuestions.size(), answer ? 1 : 2);
        if (answer)
            QCOMPARE(window.Column("edit1_", int(members.size())), members);
        QVERIFY(window.platform.Errors.isEmpty());
    }

    // With the lottery kept after every command, as the program runs.
    void memberListKeptAfterEachCommand()
    {
        QTemporaryDir state;
        WindowFixture window("en", 0, state.path());
        window.Load(window->loadMembersButton(), TestData("members-crlf.txt"));
        QCOMPARE(window.platform.Errors, QStringList());
        QCOMPARE(window.Column("edit1_", 3), QStringList({"Alice", "Bob", "Carol"}));
    }

    void listsThatReadWellAskNothing()
    {
        QTemporaryDir folder;
        WindowFixture window;
        window.Load(window->loadMembersButton(), TestData("members-crlf.txt"));
        window.Load(window->loadHitsButton(), WriteList(folder, "hits.csv", "Gift ", 3));
        QVERIFY(window.platform.ImportQuestions.isEmpty());
        QCOMPARE(window.Column("edit2_", 3), QStringList({"Gift 1", "Gift 2", "Gift 3"}));
    }

    void headingRowOfAHitList()
    {
        QTemporaryDir folder;
        const QString hits = folder.filePath("hits.txt");
        WriteTestFile(hits, "賞品\nタブレット\nマグ\n");
        WindowFixture window("ja");
        window.Load(window->loadMembersButton(), WriteList(folder, "members.txt", "M", 4));
        window.platform.ImportAnswers = {ImportChoice{1, true, false}};
        window.Load(window->loadHitsButton(), hits);
        QCOMPARE(window.platform.ImportQuestions.size(), 1);
        QVERIFY(window.platform.ImportQuestions.first().Why.contains("見出し"));
        QCOMPARE(window.Column("edit2_", 4), QStringList({"タブレット", "マグ", "", ""}));
        QCOMPARE(window->hitsLoadedLabel()->text(), QStringLiteral("2"));
    }

    // The file is read again as chosen in the preview only if it is still the
    // file the preview showed.
    void listChangedWhileThePreviewIsOpen_data()
    {
        QTest::addColumn<bool>("replaced"); // another file renamed over it, or itself rewritten
        QTest::newRow("replaced") << true;
        QTest::newRow("rewritten") << false;
    }

    void listChangedWhileThePreviewIsOpen()
    {
        QFETCH(bool, replaced);
        QTemporaryDir folder;
        const QString hits = folder.filePath("hits.txt");
        WriteTestFile(hits, "Prize\nTablet\nMug\n");
        WindowFixture window;
        window.Load(window->loadMembersButton(), WriteList(folder, "members.txt", "M", 4));
        window.platform.ImportAnswers = {ImportChoice{1, true, false}};
        window.platform.WhilePreviewOpen = [&] {
            const QString other = folder.filePath("other.txt");
            WriteTestFile(replaced ? other : hits, "Prize\nBicycle\n");
            if (replaced)
                QVERIFY(std::rename(qPrintable(other), qPrintable(hits)) == 0);
        };
        window.Load(window->loadHitsButton(), hits);
        QCOMPARE(window.platform.Errors.size(), 1);
        QVERIFY2(window.platform.Errors.first().contains(hits) && window.platform.Errors.first().contains("replaced or changed"),
                 qPrintable(window.platform.Errors.first()));
        QCOMPARE(window.Column("edit2_", 4), QStringList({"", "", "", ""}));
    }
};

QUORVAN_TEST_MAIN(TestListCommands)
#include "TestListCommands.moc"
