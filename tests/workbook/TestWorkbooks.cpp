#include "ErrorOf.h"
#include "TestData.h"
#include "documents/DocumentTable.h"
#include "files/FileError.h"
#include "files/FileKinds.h"
#include "sheetreader/SheetRecords.h"
#include "workbook/FreexlCells.h"
#include "workbook/WorkbookReader.h"
#include "workbook/WorkbookSaving.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

#include <csignal>

using namespace quorvan;

namespace {

WorkbookReading Reading()
{
    return {QStringLiteral(QUORVAN_HELPER_DIRECTORY "/quorvan-sheet-reader"),
            [](const QDate& date) { return date.toString(QStringLiteral("yyyy/MM/dd")); },
            [](const QTime& time) { return time.toString(QStringLiteral("H:mm:ss")); },
            {}};
}

QStringList ColumnTexts(const QString& path, int rows, quint16 column = 1)
{
    const WorkbookReader sheet(path, Reading(), WorkbookKindOf(path).value_or(WorkbookKind::Xls), column);
    QStringList texts;
    for (int row = 1; row <= rows; ++row)
        texts.append(sheet.CellText(row, column));
    return texts;
}

// The result sheet of `rows` rows with texts no code page holds.
CellMap ResultCells(int rows)
{
    CellMap cells;
    cells.insert({1, 1}, QStringLiteral("2014/05/01 9:05:07"));
    cells.insert({1, 2}, QStringLiteral("Member"));
    cells.insert({1, 3}, QStringLiteral("Hit"));
    for (int row = 1; row <= rows; ++row) {
        cells.insert({row + 1, 2}, row == 2 ? QString() : QStringLiteral("メンバー%1 😀").arg(row));
        cells.insert({row + 1, 3}, QStringLiteral("Hit %1 — ñ").arg(row));
    }
    return cells;
}

void Save(const QString& path, const CellMap& cells)
{
    SaveWorkbook(path, QStringLiteral("QUORVAN"), cells, DocumentTable().Workbooks);
}

// The sheets and cells of the workbook at `path` as another program reads
// them: Debian's own interpreter, which has the xlrd, openpyxl and odfpy
// packages (read_<kind>.py).
void ReadWithPython(const QString& path, QJsonObject& read)
{
    QProcess python;
    const QString reader = "read_" + path.section('.', -1) + ".py";
    python.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(QUORVAN_TEST_SOURCE "/") + reader, path});
    QVERIFY(python.waitForFinished(60000));
    QVERIFY2(python.exitCode() == 0, python.readAllStandardError().constData());
    read = QJsonDocument::fromJson(python.readAllStandardOutput()).object();
}

QByteArray Record(quint16 type, const QByteArray& body)
{
    QByteArray heading(4, '\0');
    qToLittleEndian<quint16>(type, heading.data());
    qToLittleEndian<quint16>(quint16(body.size()), heading.data() + 2);
    return heading + body;
}

// A workbook stream of that version (0x0500: Excel 5.0/95; 0x0600: 97-2003)
// in code page 1252, whose one sheet holds `cells`.
QByteArray WorkbookStream(quint16 version, const QByteArray& cells)
{
    QByteArray bof(16, '\0');
    qToLittleEndian<quint16>(version, bof.data());
    const QByteArray codePage("\xE4\x04", 2);
    const QByteArray sheetAt = Record(0x0809, bof) + Record(0x0042, codePage) + QByteArray(4, '\0');
    QByteArray globals = Record(0x0809, bof) + Record(0x0042, codePage) + Record(0x0085, QByteArray(6, '\0'))
                         + Record(0x000A, {});
    qToLittleEndian<quint32>(quint32(globals.size()), globals.data() + sheetAt.size());
    return globals + Record(0x0809, bof) + cells + Record(0x000A, {});
}

// A formula in row 2 of column A whose result is a text, which comes in the
// STRING record after it.
QByteArray TextFormulaInRow2()
{
    QByteArray body(20, '\0');
    body[0] = 1;
    body[12] = body[13] = '\xFF';
    return Record(0x0006, body);
}

} // namespace

class TestWorkbooks : public QObject {
    Q_OBJECT

private slots:
    // Numbers, dates and times read alike from every kind; formulas by the
    // values saved with them; the first sheet's column A only.
    void readsCellsAsText_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("cells");
        const QStringList kinds = {"Value", "42", "3.5", "TRUE", "2014/05/01"};
        QTest::newRow("members .xls") << "members-10.xls" << QStringList({"Member", "佐藤", "鈴木"});
        QTest::newRow("mixed .xls") << "mixed-types.xls" << kinds + QStringList({"text", ""});
        // Its date and time cell has the format "yyyy-mm-dd hh:mm:ss", shown so (as LibreOffice shows it).
        QTest::newRow("mixed .xlsx (openpyxl)")
            << "mixed-types.xlsx"
            << kinds + QStringList({"9:05:07", "2014-05-01 09:05:07", "#DIV/0!", "text", "", "after the gap", ""});
        QTest::newRow("mixed .ods (odfpy)")
            << "mixed-types.ods"
            << kinds + QStringList({"9:05:07", "2014/05/01 9:05:07", "two   spaces\ttab", "first line\nsecond line",
                                    "span", "repeated", "repeated", "repeated", "0.25", "", "after the gap", ""});
        // Saved by LibreOffice: names built by formulas, a sum and a comparison,
        // read as the results it saved with them (in .xlsx it saves the
        // comparison as the number 1).
        const QStringList names = {"Member", "Tanaka, Aiko", "Díaz, Bruno", "Martin, Chloé", "Ivanov, Dmitri",
                                   "鈴木, Emi", "50"};
        QTest::newRow("formulas .xls") << "formulas.xls" << names + QStringList({"TRUE", "plain text", ""});
        QTest::newRow("formulas .xlsx") << "formulas.xlsx" << names + QStringList({"1", "plain text", ""});
        // Its last shared text in runs of rich text, with a phonetic guide that is no part of the text.
        QTest::newRow("rich text .xlsx") << "rich-text.xlsx" << names + QStringList({"1", "佐藤 Rich", ""});
        QTest::newRow("hits .ods (LibreOffice)")
            << "hits-20.ods" << QStringList({"Hit", "2nd prize #1", "Gift card ¥3000 #2"});
        QTest::newRow("two sheets .xls") << "two-sheets.xls" << QStringList({"Member", "first-sheet-1"});
        QTest::newRow("gap .xls") << "gap-ends-list.xls" << QStringList({"Member", "a", "b", "", "d"});
    }

    void readsCellsAsText()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, cells);
        QCOMPARE(ColumnTexts(TestData(qPrintable(file)), int(cells.size())), cells);
    }

    // A roster (openpyxl, odfpy, LibreOffice's .xls of it) read in the column asked for.
    void readsTheColumnAsked_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("column");
        QTest::addColumn<QStringList>("cells");
        const QStringList names = {"Name", "Tanaka, Aiko", "Díaz, Bruno", "佐藤 花子", ""};
        const QStringList extensions = {"Extension", "301", "302", "417", ""};
        for (const char* kind : {"xls", "xlsx", "ods"}) {
            const QString file = QStringLiteral("roster-numbers-and-names.") + QLatin1String(kind);
            QTest::addRow("names, .%s", kind) << file << 2 << names;
            QTest::addRow("numbers, .%s", kind) << file << 3 << extensions;
            QTest::addRow("past the last, .%s", kind) << file << 256 << QStringList(5);
        }
    }

    void readsTheColumnAsked()
    {
        QFETCH(QString, file);
        QFETCH(int, column);
        QFETCH(QStringList, cells);
        QCOMPARE(ColumnTexts(TestData(qPrintable(file)), int(cells.size()), quint16(column)), cells);
    }

    // The roster wider and longer than the preview (openpyxl, odfpy,
    // LibreOffice's .xls of it), each number telling its own cell: the
    // column asked for is read whole, other columns only in the preview's corner.
    void previewIsTheSheetsCorner_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("column");
        for (const char* kind : {"xls", "xlsx", "ods"}) {
            const QString file = QStringLiteral("wide-roster.") + QLatin1String(kind);
            QTest::addRow("column A, .%s", kind) << file << 1;
            QTest::addRow("column J, .%s", kind) << file << 10;
        }
    }

    void previewIsTheSheetsCorner()
    {
        QFETCH(QString, file);
        QFETCH(int, column);
        const WorkbookReader sheet(TestData(qPrintable(file)), Reading(), *WorkbookKindOf(file), quint16(column));
        const QStringList headings = {"Employee No.", "Name", "Extension", "Floor", "Desk", "Badge",
                                      "Locker", "Car park", "Team", "Room", "Mail stop", "Shift"};
        const QStringList names = {"Abe Ren",  "Baker Ida", "Chen Wei", "Dahl Ove", "Eze Ada",  "Fox Ana",
                                   "Gale Tom", "Hill Eve",  "Ito Yui",  "Jones Al", "Kaur Jas", "Lee Min",
                                   "Mori Sho", "Nash Lia",  "Ode Ife",  "Park Ji",  "Quinn Bo", "Roy Dev",
                                   "Sato Emi", "Tran Vu",   "Ueda Rin", "Vega Luz", "Ward Kit", "Xu Lan",
                                   "Yoon Ha",  "Zeno Pia",  "Abbot Cy", "Berg Liv", "Cruz Mar"};
        for (int row = 1; row <= 31; ++row)
            for (int cell = 1; cell <= 13; ++cell) {
                const bool sent = cell == column || (row <= 16 && cell <= 8);
                const QString held = row > 30 || cell > 12 ? QString()
                                     : row == 1            ? headings[cell - 1]
                                     : cell == 1           ? QString::number(7000 + row)
                                     : cell == 2           ? names[row - 2]
                                                           : QString::number(row * 100 + cell);
                const QString read = sheet.CellText(row, cell);
                QVERIFY2(read == (sent ? held : QString()),
                         qPrintable(QStringLiteral("row %1, column %2: %3").arg(row).arg(cell).arg(read)));
            }
    }

    // Texts of formulas that no sample file holds.
    void formulaTexts_data()
    {
        QTest::addColumn<quint16>("version");
        QTest::addColumn<QByteArray>("records");
        QTest::addColumn<QString>("text");
        const QByteArray wide("\x01" "c\0\x42\x30" "e\0", 7);
        QTest::newRow("continued in wide characters")
            << quint16(0x0600) << Record(0x0207, QByteArray("\x05\0\0" "ab", 5)) + Record(0x003C, wide) << "abcあe";
        QTest::newRow("Excel 5.0/95 code page") << quint16(0x0500) << Record(0x0207, QByteArray("\x04\0" "Jos\xE9", 6))
                                                << "José";
    }

    void formulaTexts()
    {
        QFETCH(quint16, version);
        QFETCH(QByteArray, records);
        QFETCH(QString, text);
        const QByteArray stream = WorkbookStream(version, TextFormulaInRow2() + records);
        const ListColumn column = FormulaAndBooleanValues({stream.constData(), std::size_t(stream.size())});
        QCOMPARE(QString::fromStdString(column.cells.at(1).bytes), text);
    }

    void xlsRoundTrip_data()
    {
        QTest::addColumn<int>("rows");
        QTest::newRow("2 rows") << 2;
        QTest::newRow("480 rows") << 480;
        QTest::newRow("long texts") << -1;
    }

    void xlsRoundTrip()
    {
        QFETCH(int, rows);
        CellMap cells = ResultCells(std::abs(rows));
        if (rows < 0) // strings that cross the table's record boundaries
            for (int row = 2; row <= 40; ++row)
                cells.insert({row, 2}, QString(1000 + row, QChar(0x3042 + row % 50)));
        QTemporaryDir folder;
        const QString path = folder.filePath("result.XLS");
        Save(path, cells);

        CellMap written = cells;
        written.removeIf([](const auto& cell) { return cell.value().isEmpty(); });
        const FreexlWorkbook read = ReadWithFreexl(path);
        QCOMPARE(read.Sheets, QStringList({"QUORVAN"}));
        QCOMPARE(read.Cells, written);
    }

    // Texts longer than the workbook library takes, in the list's column or
    // beside it, as our own results hold them (xlrd reads them the same:
    // otherReadersReadOurWorkbooks): the reader takes them from the table itself.
    void longTextsInXlsOpen_data()
    {
        QTest::addColumn<CellMap>("cells");
        const QString longest(32767, QChar(0x3042));
        QTest::newRow("in column A") << CellMap({{{1, 1}, "Member"}, {{2, 1}, longest}, {{3, 1}, "after"}});
        QTest::newRow("in column B") << CellMap({{{1, 1}, "Member"}, {{2, 1}, "Ann"}, {{2, 2}, longest}, {{3, 1}, "7"}});
    }

    void longTextsInXlsOpen()
    {
        QFETCH(CellMap, cells);
        QTemporaryDir folder;
        const QString path = folder.filePath("long.xls");
        Save(path, cells);
        QCOMPARE(ColumnTexts(path, 3), QStringList({cells.value({1, 1}), cells.value({2, 1}), cells.value({3, 1})}));
    }

    void badWorkbooksNameTheFileAndReason()
    {
        QTemporaryDir folder;
        const auto write = [&](const char* name, const QByteArray& bytes) {
            const QString path = folder.filePath(QString::fromLatin1(name));
            WriteTestFile(path, bytes);
            return path;
        };
        QFile good(TestData("members-10.xls"));
        QVERIFY(good.open(QIODevice::ReadOnly));
        const QByteArray xls = good.readAll();
        Save(folder.filePath("real.xlsx"), ResultCells(2));
        QFile xlsx(folder.filePath("real.xlsx"));
        QVERIFY(xlsx.open(QIODevice::ReadOnly));

        const QStringList bad = {
            write("empty.xls", {}),
            write("text.xls", "Alice\r\nBob\r\n"),
            write("renamed.xls", xlsx.readAll()),
            write("truncated.xls", xls.left(1500)),
            folder.filePath("missing.xls"),
            folder.path(),
        };
        for (const QString& path : bad) {
            const QString error = ErrorOf<FileError>([&] { ColumnTexts(path, 2); });
            QVERIFY2(error.contains(path), qPrintable(path + ": " + error));
        }
    }

    // Found by fuzzing: reading this one made the workbook library lose
    // memory, which now stays in the reading process (the sanitized build
    // would report it otherwise). Its broken records leave no cells.
    void workbookThatLeaksInTheLibrary()
    {
        QCOMPARE(ColumnTexts(TestData("leaking-sheet.xls"), 3), QStringList({"", "", ""}));
    }

    // The program trusts nothing the reader program does: a stand-in reader
    // that sends too little, dies or sends a cell whose length overruns.
    void readerThatMisbehaves_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("reason");
        QTest::newRow("cut short") << "printf 'R\\001\\000\\000'" << "The reader sent damaged cells.";
        QTest::newRow("length overruns")
            << "printf 'R\\001\\000\\000\\000\\001\\000\\000\\377\\377\\377\\377abc'"
            << "The reader sent damaged cells.";
        QTest::newRow("cell not asked for") << "printf 'R\\021\\000\\000\\000\\002\\000\\000\\001\\000\\000\\000x'"
                                            << "The reader sent damaged cells.";
        // B1 of the preview, 20,000 characters: far longer than any name.
        QTest::newRow("preview cell too long")
            << "printf 'R\\001\\000\\000\\000\\002\\000\\000\\040\\116\\000\\000'; head -c 20000 /dev/zero | tr '\\0' x"
            << "The reader sent damaged cells.";
        QTest::newRow("crash") << "kill -SEGV $$" << QStringLiteral("The reader stopped on signal %1").arg(SIGSEGV);
        // More than the longest list the reader can send: stopped, not taken whole.
        QTest::newRow("sends too much") << "printf R; exec head -c 100000000 /dev/zero" << "The reader sent more than";
        // A reason of 20 MB: its start is shown.
        QTest::newRow("endless reason") << "printf F; head -c 20000000 /dev/zero | tr '\\0' x" << "xxxxxxxxxx";
    }

    void readerThatMisbehaves()
    {
        QFETCH(QString, script);
        QFETCH(QString, reason);
        QTemporaryDir folder;
        const QString reader = folder.filePath("reader");
        WriteTestFile(reader, "#!/bin/sh\n" + script.toUtf8() + "\n");
        QFile::setPermissions(reader, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        WorkbookReading reading = Reading();
        reading.ReaderProgram = reader;
        const QString path = TestData("members-10.xls");
        const QString error = ErrorOf<FileError>([&] { WorkbookReader(path, reading); });
        QVERIFY2(error.contains(path) && error.contains(reason), qPrintable(error.left(1000)));
        QVERIFY2(error.size() < 1000, qPrintable(QString::number(error.size())));
    }

    void failedSavesKeepTheEarlierFile()
    {
        QTemporaryDir folder;
        for (const char* name : {"kept.xls", "kept.xlsx", "kept.ods", "kept.csv"}) {
            const QString path = folder.filePath(QString::fromLatin1(name));
            Save(path, ResultCells(3));
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray before = file.readAll();
            file.close();
            // A sheet name the file cannot hold is refused before anything is written.
            QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                                     SaveWorkbook(path, QString(40, QLatin1Char('x')), ResultCells(1),
                                                  DocumentTable().Workbooks));
            // So is one whose writer cannot be had (its part of the program missing): named, with why.
            const auto missing = [](const QString&, const CellMap&) -> WorkbookBytes {
                throw UserError(QStringLiteral("no writer"));
            };
            if (path.endsWith(QLatin1String(".xlsx")) || path.endsWith(QLatin1String(".ods"))) {
                const QString error = ErrorOf<FileError>(
                    [&] { SaveWorkbook(path, QStringLiteral("QUORVAN"), ResultCells(1), {missing, missing}); });
                QVERIFY2(error.contains(path) && error.contains(QLatin1String("no writer")), qPrintable(error));
            }
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), before);
        }
        for (const QString& path : {folder.path(), QStringLiteral("/nonexistent-folder/r.xls"),
                                    QStringLiteral("/nonexistent-folder/r.xlsx"), QStringLiteral("/nonexistent-folder/r.ods"),
                                    QStringLiteral("/nonexistent-folder/r.csv")}) {
            const QString error = ErrorOf<FileError>([&] { Save(path, ResultCells(2)); });
            QVERIFY2(error.contains(path), qPrintable(path + ": " + error));
        }
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList({"kept.csv", "kept.ods", "kept.xls", "kept.xlsx"}));
    }
    // Characters XML cannot hold, and texts that look like the escapes
    // Excel writes for them (_xHHHH_), are written escaped as Excel writes
    // them: the workbook opens in openpyxl, and reads back as it was filled.
    void xlsxKeepsEveryCharacter()
    {
        const QStringList texts({QStringLiteral("Ann\uFFFE"), QStringLiteral("Bob\uFFFF"),
                                 QStringLiteral("_x0041_ C\u0001"), QStringLiteral("_x005F_ D")});
        CellMap cells;
        for (int row = 1; row <= texts.size(); ++row)
            cells.insert({row, 1}, texts[row - 1]);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("result.xlsx"));
        Save(path, cells);
        QJsonObject read;
        ReadWithPython(path, read);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(ColumnTexts(path, int(texts.size())), texts);
    }

    // Readers we did not write read what we write.
    void otherReadersReadOurWorkbooks_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<CellMap>("cells");
        QTest::addColumn<QString>("mark"); // what the reader sees before each text
        QTest::newRow("xlsx, 480 rows") << "result.xlsx" << ResultCells(480) << QString();
        QTest::newRow("ods, 480 rows") << "result.ods" << ResultCells(480) << QString();
        QTest::newRow("csv, 480 rows") << "result.csv" << ResultCells(480) << QString();
        // What a spreadsheet would run as a formula stays text, by the apostrophe spreadsheets use.
        const CellMap formulas({{{1, 1}, "=HYPERLINK(\"http://x\",\"y\")"}, {{1, 2}, "+81 3"}, {{1, 3}, "-1"},
                                {{2, 1}, "@SUM(A1)"}, {{2, 2}, "\tx"}, {{2, 3}, "\rx"}});
        QTest::newRow("csv, formula starts") << "result.csv" << formulas << "'";
        // What the formats would fold or cannot hold as they are.
        const CellMap awkward({{{1, 1}, " lead"}, {{1, 2}, "a  b"}, {{1, 3}, "trail "}, {{2, 1}, "tab\there"},
                               {{2, 2}, "two\nlines"}, {{2, 3}, "<&>\"q\", ;"}, {{3, 2}, "  "}});
        QTest::newRow("ods, blanks and marks") << "result.ods" << awkward << QString();
        QTest::newRow("csv, blanks and marks") << "result.csv" << awkward << QString();
        QTest::newRow("xls, 480 rows") << "result.xls" << ResultCells(480) << QString();
        // The first record of the string table holds 4106 characters of
        // this string: the 4106th is the first half of the emoji.
        QTest::newRow("xls, emoji across a record boundary")
            << "result.xls" << CellMap({{{1, 1}, QString(4105, QLatin1Char('a')) + QStringLiteral("😀")}}) << QString();
        // The longest texts a box holds, over several continuation records.
        QTest::newRow("xls, longest texts")
            << "result.xls"
            << CellMap({{{1, 1}, QString(32767, QLatin1Char('a'))}, {{2, 1}, QString(32767, QChar(0x3042))}}) << QString();
    }

    void otherReadersReadOurWorkbooks()
    {
        QFETCH(QString, name);
        QFETCH(CellMap, cells);
        QFETCH(QString, mark);
        QTemporaryDir folder;
        const QString path = folder.filePath(name);
        Save(path, cells);

        QJsonObject read;
        ReadWithPython(path, read);
        if (QTest::currentTestFailed())
            return;
        // CSV has no sheets; an .ods has its "mimetype" first, stored, as the format asks.
        QCOMPARE(read["sheets"].toVariant().toStringList(), name.endsWith(".csv") ? QStringList() : QStringList({"QUORVAN"}));
        if (name.endsWith(".ods"))
            QVERIFY(ReadTestFile(path).mid(30).startsWith("mimetypeapplication/vnd.oasis.opendocument.spreadsheet"));
        const QJsonObject readCells = read["cells"].toObject();
        int nonEmpty = 0;
        for (auto cell = cells.begin(); cell != cells.end(); ++cell) {
            const QString key = QStringLiteral("%1,%2").arg(cell.key().first).arg(cell.key().second);
            if (cell.value().isEmpty())
                continue;
            ++nonEmpty;
            QCOMPARE(readCells[key].toString(), mark + cell.value());
        }
        QCOMPARE(readCells.size(), nonEmpty);
    }
};

QUORVAN_TEST_MAIN(TestWorkbooks)
#include "TestWorkbooks.moc"
