#include "TestData.h"
#include "window/WindowFixture.h"
#include "workbook/FreexlCells.h"
#include "workbook/WorkbookSaving.h"

#include <QTemporaryDir>

using namespace quorvan;
using testing::WindowFixture;

namespace {

QString CellOf(const QString& path, int row, int column)
{
    return ReadWithFreexl(path).Cells.value({row, column});
}

} // namespace

class TestWorkbookCommands : public QObject {
    Q_OBJECT

private slots:
    void membersAndHitsFromWorkbooks_data()
    {
        QTest::addColumn<QString>("hits");
        QTest::addColumn<QString>("tenth");
        QTest::newRow(".xls") << "hits-15.xls" << "Prize 10";
        QTest::newRow(".xlsx") << "hits-20.xlsx" << "Gift card ¥3000 #10";
        QTest::newRow(".ods") << "hits-20.ods" << "Gift card ¥3000 #10";
    }

    void membersAndHitsFromWorkbooks()
    {
        QFETCH(QString, hits);
        QFETCH(QString, tenth);
        WindowFixture window;
        MainWindow& form = *window;
        window.Load(form.loadMembersButton(), TestData("members-10.xls"));
        QCOMPARE(window.Column("edit1_", 3), QStringList({"佐藤", "鈴木", "高橋"}));
        QCOMPARE(window.Box("edit1_10")->text(), QStringLiteral("加藤"));
        QCOMPARE(form.countDisplay()->text(), QStringLiteral("10"));
        QCOMPARE(form.membersLoadedLabel()->text(), QStringLiteral("10"));
        QCOMPARE(form.countSpinner()->position(), 10);

        window.Load(form.loadHitsButton(), TestData(qPrintable(hits)));
        QCOMPARE(window.Box("edit2_10")->text(), tenth);
        QCOMPARE(form.hitsLoadedLabel()->text(), QStringLiteral("10"));
        QVERIFY(window.platform.Errors.isEmpty());
    }

    void listLengths_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("last");
        QTest::newRow("heading only") << "heading-only.xls" << 0 << "";
        QTest::newRow("empty .txt") << "empty.txt" << 0 << "";
        QTest::newRow("one line .txt") << "no-final-newline.txt" << 1 << "no newline at end";
        QTest::newRow("600 lines .txt") << "lines-600.txt" << 480 << "line480";
        QTest::newRow("600 members") << "members-600.xls" << 480 << "m480";
        QTest::newRow("600 members .xlsx") << "members-600.xlsx" << 480 << "m480";
        QTest::newRow("600 members .ods") << "members-600.ods" << 480 << "m480";
        // A CSV file is read as a text list: no heading row is skipped.
        QTest::newRow("600 records .csv") << "members-600.csv" << 480 << "m480";
        QTest::newRow("empty cell ends .xlsx") << "mixed-types.xlsx" << 8 << "text";
        QTest::newRow("empty cell ends .ods") << "mixed-types.ods" << 13 << "0.25";
        QTest::newRow("empty cell ends") << "gap-ends-list.xls" << 2 << "b";
        QTest::newRow("mixed types") << "mixed-types.xls" << 5 << "text";
        QTest::newRow("two sheets") << "two-sheets.xls" << 2 << "first-sheet-2";
        QTest::newRow("formulas") << "formulas.xls" << 8 << "plain text";
    }

    void listLengths()
    {
        QFETCH(QString, file);
        QFETCH(int, count);
        QFETCH(QString, last);
        WindowFixture window;
        window.Load(window->loadMembersButton(), TestData(file.toLatin1().constData()));
        // Names below the empty cell that ends the list are told, with where the list stopped.
        const QString stop = QStringLiteral("The member list stops at the empty cell in row %1; 1 name follows below it")
                                 .arg(count + 2);
        QCOMPARE(window->statusText().contains(stop), file == "gap-ends-list.xls" || file == "mixed-types.xlsx" || file == "mixed-types.ods");
        QCOMPARE(window->countDisplay()->text(), QString::number(count));
        QCOMPARE(window->membersLoadedLabel()->text(), QString::number(count));
        // A shorter list keeps the two rows, empty below it.
        QCOMPARE(window->countSpinner()->position(), std::max(count, 2));
        if (count > 0)
            QCOMPARE(window.Box(QStringLiteral("edit1_%1").arg(count))->text(), last);
        for (int row = count + 1; row <= 2; ++row)
            QCOMPARE(window.Box(QStringLiteral("edit1_%1").arg(row))->text(), QString());
        QVERIFY(!window.Box(QStringLiteral("edit1_%1").arg(std::max(count, 2) + 1)));
        if (count == 480)
            QCOMPARE(window.Placed(window.Box("edit1_480")), QRect(7, 9691, 121, 21));
        QVERIFY(window.platform.Errors.isEmpty());
    }

    // Formulas saved without results (openpyxl, odfpy, xlwt) and numbers with
    // number formats (openpyxl, odfpy, LibreOffice's .xls), made by
    // tests/data/make/make_list_workbooks.py; the members are what
    // LibreOffice Calc 7.4 shows (its CSV export of the cells as shown).
    // A formula it cannot work out stops the import at its cell.
    void listsReadAsTheSpreadsheetShows_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("members");
        QTest::addColumn<QString>("message");
        QTest::newRow("formulas without results .xlsx")
            << "formulas-no-results.xlsx"
            << QStringList({"Tanaka Aiko", "  Díaz , bruno", "martinCHLOÉ", "Tanaka-Aiko-Sales", "Díaz/BRUNO",
                            "Martin Chloé", "chloé10", "0.3", "No. 3.5", "Tanaka Aiko!", "plain text"})
            << "";
        QTest::newRow("formulas without results .xls (xlwt)")
            << "formulas-no-results.xls"
            << QStringList({"Tanaka Aiko", "Díaz, BRUNO", "Martin Chloé", "chloé10", "0.3", "No. 3.5"}) << "";
        QTest::newRow("formulas without results .ods")
            << "formulas-no-results.ods"
            << QStringList({"Tanaka Aiko", "Díaz, Bruno", "Martin Chloé", "a bAIKO", "0.3"}) << "";
        const QStringList formats = {"007", "1,234,568", "3.14", "15%", "¥1,235", "(1,234.50)", "1.23E+04",
                                     "2014-05-01", "9:05", "1 May 2014 1:05 PM", "0.3", "42 pts", "tab\there"};
        QTest::newRow("number formats .xlsx") << "number-formats.xlsx" << formats << "";
        QTest::newRow("number formats .xls") << "number-formats.xls" << formats << "";
        QTest::newRow("number formats .ods")
            << "number-formats.ods"
            << QStringList({"007", "1,234,568", "15%", "¥1,235", "1.23E+04", "3.14", "0.3", "2014/05/01"}) << "";
        QTest::newRow("formula that cannot be worked out")
            << "formula-unsupported.xlsx" << QStringList({""}) << "Cell A3 holds the formula =VLOOKUP(";
    }

    void listsReadAsTheSpreadsheetShows()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, members);
        QFETCH(QString, message);
        WindowFixture window;
        window.Load(window->loadMembersButton(), TestData(qPrintable(file)));
        QCOMPARE(window.Column("edit1_", int(members.size())), members);
        QCOMPARE(window.platform.Errors.size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty()) {
            QVERIFY2(window.platform.Errors.first().contains(message), qPrintable(window.platform.Errors.first()));
            QVERIFY(window.platform.Errors.first().contains(file));
        } else {
            QCOMPARE(window->countDisplay()->text(), QString::number(members.size()));
        }
    }

    // Where the list is not where the import reads it, the list check says
    // so (tests/data/make/make_list_workbooks.py made these workbooks).
    void workbookListsOutOfPlaceAreTold_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("column"); // the column answered, when the preview asks
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("finding");
        QTest::newRow("column B .xlsx")
            << "names-in-column-b.xlsx" << 1 << "en"
            << "Member workbook: no names in column A; column B holds 3 (only column A is read)";
        QTest::newRow("column B .ods") << "names-in-column-b.ods" << 1 << "ja"
                                       << "メンバーのブック: A列に名前がありません。B列に2件あります";
        // The roster read from its empty column D: the column read is named,
        // and column A, beside it, is where entries are.
        QTest::newRow("column D chosen .xlsx")
            << "roster-numbers-and-names.xlsx" << 4 << "en"
            << "Member workbook: no names in column D; column A holds 3 (only column D is read)";
        QTest::newRow("column D chosen .xls")
            << "roster-numbers-and-names.xls" << 4 << "en" << "no names in column D; column A holds 3";
        QTest::newRow("column D chosen .ods") << "roster-numbers-and-names.ods" << 4 << "ja"
                                              << "D列に名前がありません。A列に3件あります（読むのはD列だけです）";
        QTest::newRow("sheet 2 .xlsx") << "names-on-sheet-2.xlsx" << 1 << "en"
                                       << "Member workbook: no names on the first sheet; sheet “Members” holds 2";
        QTest::newRow("sheet 2 .xls") << "names-on-sheet-2.xls" << 1 << "ja" << "シート「Members」に2件あります";
        QTest::newRow("hidden first sheet .xlsx")
            << "hidden-first-sheet.xlsx" << 1 << "en" << "Member workbook: its first sheet “Old” is hidden";
        QTest::newRow("hidden first sheet .xls")
            << "hidden-first-sheet.xls" << 1 << "ja" << "最初のシート「Old」は非表示ですが";
        QTest::newRow("hidden first sheet .ods") << "hidden-first-sheet.ods" << 1 << "en" << "“Old” is hidden";
    }

    void workbookListsOutOfPlaceAreTold()
    {
        QFETCH(QString, file);
        QFETCH(int, column);
        QFETCH(QString, language);
        QFETCH(QString, finding);
        WindowFixture window(language);
        window.platform.ImportAnswers = {ImportChoice{column}};
        window.Load(window->loadMembersButton(), TestData(qPrintable(file)));
        QVERIFY2(window->statusText().contains(finding), qPrintable(window->statusText()));
        QVERIFY(window.platform.Errors.isEmpty());
    }

    // A list stopped by an empty cell with names below it is read on past the
    // gap when the user says so in the preview; the preview opens only for such a list.
    void gapReadPastAtTheUsersWord()
    {
        WindowFixture window;
        window.platform.ImportAnswers = {ImportChoice{1, false, true}};
        window.Load(window->loadMembersButton(), TestData("members-10.xls"));
        QVERIFY(window.platform.ImportQuestions.isEmpty());
        window.Click(window->resetButton());
        window.Load(window->loadMembersButton(), TestData("gap-ends-list.xls"));
        QCOMPARE(window.platform.ImportQuestions.size(), 1);
        const ImportQuestion& asked = window.platform.ImportQuestions.first();
        QCOMPARE(asked.Likely, (ImportChoice{1, false, true}));
        QVERIFY(asked.HeadingLabel.isEmpty());
        QCOMPARE(asked.FirstRows, (QList<QStringList>{{"Member"}, {"a"}, {"b"}, {}, {"d"}}));
        QVERIFY(asked.Why.contains("row 4; below it: 1 more"));
        QCOMPARE(window.Column("edit1_", 3), QStringList({"a", "b", "d"}));
        QCOMPARE(window->countDisplay()->text(), QStringLiteral("3"));
    }

    // A roster with employee numbers in column A and names in column B
    // (openpyxl, odfpy, LibreOffice's .xls): the preview offers column B,
    // asks nothing of a heading, and the column answered is read.
    void rosterWorkbookThroughThePreview_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("column"); // the column answered
        QTest::addColumn<QStringList>("members");
        const QStringList names{"Tanaka, Aiko", "Díaz, Bruno", "佐藤 花子"};
        for (const char* kind : {"xls", "xlsx", "ods"})
            QTest::addRow("likely answer, .%s", kind)
                << QStringLiteral("roster-numbers-and-names.") + QLatin1String(kind) << 2 << names;
        QTest::newRow("as it reads, .xlsx") << "roster-numbers-and-names.xlsx" << 1 << QStringList{"1024", "1025", "2031"};
        QTest::newRow("extensions, .ods") << "roster-numbers-and-names.ods" << 3 << QStringList{"301", "302", "417"};
    }

    void rosterWorkbookThroughThePreview()
    {
        QFETCH(QString, file);
        QFETCH(int, column);
        QFETCH(QStringList, members);
        WindowFixture window;
        window.platform.ImportAnswers = {ImportChoice{column}};
        window.Load(window->loadMembersButton(), TestData(qPrintable(file)));
        QCOMPARE(window.platform.ImportQuestions.size(), 1);
        const ImportQuestion& asked = window.platform.ImportQuestions.first();
        QCOMPARE(asked.Likely, ImportChoice{2});
        QVERIFY(asked.HeadingLabel.isEmpty() && asked.PastEmptyLabel.isEmpty());
        QCOMPARE(asked.ColumnNames, QStringList({"A", "B", "C"}));
        QCOMPARE(asked.FirstRows.value(0), QStringList({"Employee No.", "Name", "Extension"}));
        QCOMPARE(asked.FirstRows.value(3), QStringList({"2031", "佐藤 花子", "417"}));
        QVERIFY2(asked.Why.contains("column B holds names"), qPrintable(asked.Why));
        QCOMPARE(window.Column("edit1_", 3), members);
        QCOMPARE(window->countDisplay()->text(), QStringLiteral("3"));
        QVERIFY(window.platform.Errors.isEmpty());
    }

    // A file behind the wrong ending is read as what its first bytes show,
    // or refused with what it is and what to do.
    void filesAreWhatTheirBytesShow_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("first"); // the first member, or empty when refused
        QTest::addColumn<QString>("message");
        QTest::newRow(".xlsx named .xls") << "renamed-xlsx.xls" << "2nd prize #1" << "";
        QTest::newRow(".ods named .xlsx") << "renamed-ods.xlsx" << "2nd prize #1" << "";
        QTest::newRow(".xls named .txt") << "renamed-xls.txt" << "佐藤" << "";
        QTest::newRow("CSV named .xls") << "csv-export.xls" << "Name" << "";
        QTest::newRow("HTML named .xls") << "web-export.xls" << "" << "This is an HTML table";
        QTest::newRow("SpreadsheetML named .xls") << "spreadsheetml-2003.xls" << "" << "Excel 2003 XML spreadsheet";
    }

    void filesAreWhatTheirBytesShow()
    {
        QFETCH(QString, file);
        QFETCH(QString, first);
        QFETCH(QString, message);
        WindowFixture window;
        window.Load(window->loadMembersButton(), TestData(qPrintable(file)));
        QCOMPARE(window->firstMemberBox()->text(), first);
        QCOMPARE(window.platform.Errors.size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty()) {
            QVERIFY(window.platform.Errors.first().contains(message));
            QVERIFY(window.platform.Errors.first().contains(file));
        }
    }

    void excelWritesTheResults_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("xls") << "result.xls";
        QTest::newRow("xlsx") << "result.xlsx";
        QTest::newRow("ods") << "result.ods";
        QTest::newRow("csv") << "result.csv";
    }

    void excelWritesTheResults()
    {
        QFETCH(QString, name);
        QTemporaryDir folder;
        const QString path = folder.filePath(name);
        WindowFixture window("en", 0);
        MainWindow& form = *window;
        window.SetUp(3);
        form.firstMemberBox()->setText("太郎 😀");
        form.firstHitBox()->setText("First prize");
        window.Click(form.buildButton());
        window.Click(form.hitAllButton());
        window.platform.SaveAnswers.append(path);
        window.Click(form.saveWorkbookButton());
        QVERIFY2(window.platform.Errors.isEmpty(), qPrintable(window.platform.Errors.join("\n")));
        QCOMPARE(window.platform.SaveStarts, QStringList({"VessapoResult.XLS"}));

        if (name.endsWith(".xls")) {
            QCOMPARE(CellOf(path, 1, 1), QStringLiteral("2014/05/01 9:05:07"));
            QCOMPARE(CellOf(path, 1, 2), QStringLiteral("Member"));
            QCOMPARE(CellOf(path, 1, 3), QStringLiteral("Hit"));
            QCOMPARE(CellOf(path, 2, 2), QStringLiteral("太郎 😀"));
            QCOMPARE(CellOf(path, 2, 3), QStringLiteral("First prize"));
            QCOMPARE(CellOf(path, 3, 2), QStringLiteral("Member-3"));
            QCOMPARE(CellOf(path, 4, 2), QStringLiteral("Member-2"));
            QCOMPARE(CellOf(path, 4, 3), QString());
            QCOMPARE(CellOf(path, 2, 1), QString());
            QCOMPARE(CellOf(path, 5, 2), QString());
        } else if (name.endsWith(".csv")) {
            QCOMPARE(ReadTestFile(path).split('\n').at(1), QByteArray(",太郎 😀,First prize\r"));
        } else {
            QVERIFY(QFile(path).size() > 0);
        }
    }

    // The dialog offers the two kinds of workbook. A name without an ending
    // gets the ending of the kind chosen; a name of another kind is refused.
    void excelFileTypeFollowsTheName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("saved"); // empty: refused
        QTest::addColumn<QByteArray>("start");
        const QByteArray xls("\xD0\xCF\x11\xE0"), zip("PK\x03\x04"), csv("\xEF\xBB\xBF" "2014");
        QTest::newRow("no ending, .xls chosen") << "out" << 0 << "out.xls" << xls;
        QTest::newRow("no ending, .xlsx chosen") << "out" << 1 << "out.xlsx" << zip;
        QTest::newRow("no ending, .ods chosen") << "out" << 2 << "out.ods" << zip;
        QTest::newRow("no ending, .csv chosen") << "out" << 3 << "out.csv" << csv;
        QTest::newRow(".XLSX, .xls chosen") << "out.XLSX" << 0 << "out.XLSX" << zip;
        QTest::newRow(".Csv, .xlsx chosen") << "out.Csv" << 1 << "out.Csv" << csv;
        QTest::newRow(".txt") << "notes.txt" << 0 << "" << QByteArray();
    }

    void excelFileTypeFollowsTheName()
    {
        QFETCH(QString, name);
        QFETCH(int, kind);
        QFETCH(QString, saved);
        QFETCH(QByteArray, start);
        QTemporaryDir folder;
        WindowFixture window;
        window.PlayLottery(2);
        window.platform.SaveAnswers.append(folder.filePath(name));
        window.platform.SaveFilterChoices.append(kind);
        window.Click(window->saveWorkbookButton());
        QCOMPARE(window.platform.Filters,
                 QStringList({"Excel 97\u20132003 workbook|*.xls|Excel workbook|*.xlsx|OpenDocument "
                              "spreadsheet|*.ods|CSV file|*.csv"}));
        const QStringList files = QDir(folder.path()).entryList(QDir::Files | QDir::Hidden);
        if (saved.isEmpty()) {
            QCOMPARE(files, QStringList());
            QCOMPARE(window.platform.Errors.size(), 1);
            const QString message = window.platform.Errors.first();
            QVERIFY2(message.contains(folder.filePath(name)) && message.contains("(.ods)"), qPrintable(message));
        } else {
            QCOMPARE(files, QStringList({saved}));
            QVERIFY(ReadTestFile(folder.filePath(saved)).startsWith(start));
            QVERIFY(window.platform.Errors.isEmpty());
        }
    }

    void existingFilesAreAskedAbout()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("old.xls");
        WriteTestFile(path, "earlier");
        WindowFixture window("ja");
        window.PlayLottery(2);
        window.platform.SaveAnswers = {path, path};
        window.platform.Answers = {false, true};
        window.Click(window->saveWorkbookButton());
        QCOMPARE(window.platform.SaveStarts.first(), QStringLiteral("Vessapo結果.XLS"));
        QCOMPARE(window.platform.Questions.size(), 1);
        QVERIFY(window.platform.Questions.first().contains(path));
        QCOMPARE(ReadTestFile(path), QByteArray("earlier"));

        window.Click(window->saveWorkbookButton());
        QCOMPARE(CellOf(path, 1, 2), QStringLiteral("Member"));
        QVERIFY(window.platform.Errors.isEmpty());
    }

    // Cancelled, the dialog writes nothing, not even into the folder it started in.
    void cancelWritesNothing()
    {
        QTemporaryDir folder;
        WindowFixture window;
        window.PlayLottery(2);
        window.platform.SaveAnswers = {folder.filePath("first.xls"), std::nullopt};
        window.Click(window->saveWorkbookButton());
        window.Click(window->saveWorkbookButton());
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"first.xls"}));
        QVERIFY(window.platform.Questions.isEmpty());
        QVERIFY(window.platform.Errors.isEmpty());
    }

    void badWorkbookEndsTheImportWithAMessage()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("list.xls");
        // A compound file's signature with nothing after it: a workbook cut short.
        WriteTestFile(path, QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + QByteArray(24, '\0'));
        WindowFixture window;
        window.Load(window->loadMembersButton(), path);
        QCOMPARE(window.platform.Errors.size(), 1);
        QVERIFY(window.platform.Errors.first().contains(path));
        QVERIFY(window->shuffleMembersButton()->isEnabled());
        QVERIFY(!window->buildButton()->isEnabled());
    }
};

QUORVAN_TEST_MAIN(TestWorkbookCommands)
#include "TestWorkbookCommands.moc"
