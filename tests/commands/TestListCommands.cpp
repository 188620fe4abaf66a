#include "TestData.h"
#include "WindowFixture.h"

#include <QTemporaryDir>

using namespace quorvan;
using testing::WindowFixture;

namespace {

int BoxCount(const TFMAIN& form, const char* prefix)
{
    int count = 0;
    for (const QObject* child : form.Client()->children())
        count += child->objectName().toLower().startsWith(QString::fromLatin1(prefix));
    return count;
}

struct Enabled {
    bool build, setUp, spinner, loadMembers, loadHits, shuffleMembers, shuffleHits;
};

void VerifyEnabled(const TFMAIN& form, Enabled expected)
{
    QCOMPARE(form.BitBtn2->isEnabled(), expected.build);
    QCOMPARE(form.BitBtn1->isEnabled(), expected.setUp);
    QCOMPARE(form.UpDown1->isEnabled(), expected.spinner);
    QCOMPARE(form.Button3->isEnabled(), expected.loadMembers);
    QCOMPARE(form.Button6->isEnabled(), expected.loadHits);
    QCOMPARE(form.Button4->isEnabled(), expected.shuffleMembers);
    QCOMPARE(form.Button5->isEnabled(), expected.shuffleHits);
}

void LoadMembers(WindowFixture& window, const QString& path)
{
    window.platform.OpenAnswers.append(path);
    window.Click(window.form->Button3);
}

void LoadHits(WindowFixture& window, const QString& path)
{
    window.platform.OpenAnswers.append(path);
    window.Click(window.form->Button6);
}

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
        TFMAIN& form = *window.form;
        LoadMembers(window, TestData("members-crlf.txt"));
        QCOMPARE(window.Column("edit1_", 3), QStringList({"Alice", "Bob", "Carol"}));
        QCOMPARE(window.Column("edit2_", 3), QStringList({"", "", ""}));
        QCOMPARE(BoxCount(form, "edit1_"), 3);
        QCOMPARE(form.UpDown1->Position(), 3);
        QCOMPARE(form.CT->text(), QStringLiteral("3"));
        QCOMPARE(form.Label1->text(), QStringLiteral("3"));
        QCOMPARE(form.State.RowCount, 2);
        VerifyEnabled(form, {true, false, false, false, true, true, false});
        QCOMPARE(window.platform.Filters.first(), QStringLiteral("*.txt;*.xls|*.txt;*.xls|*.*|*.*"));
        QCOMPARE(window.platform.Cursor, MouseCursor::Default);

        // The rows are real rows: Build and a hit click work on them.
        window.Click(form.BitBtn2);
        QVERIFY(window.platform.Errors.isEmpty());
        QCOMPARE(form.Image1->height(), 80);
    }

    void emptyAndOneLineFilesKeepTwoRows()
    {
        WindowFixture window;
        LoadMembers(window, TestData("empty.txt"));
        QCOMPARE(window.form->CT->text(), QStringLiteral("0"));
        QCOMPARE(window.form->Label1->text(), QStringLiteral("0"));
        QCOMPARE(window.form->UpDown1->Position(), 2);
        QCOMPARE(window.Column("edit1_", 2), QStringList({"", ""}));
        QVERIFY(window.form->BitBtn2->isEnabled());

        WindowFixture single;
        LoadMembers(single, TestData("no-final-newline.txt"));
        QCOMPARE(single.Column("edit1_", 2), QStringList({"no newline at end", ""}));
        QCOMPARE(single.form->CT->text(), QStringLiteral("1"));
        QCOMPARE(single.form->UpDown1->Position(), 2);
    }

    void sixHundredLinesPlaceFourHundredEighty()
    {
        WindowFixture window;
        LoadMembers(window, TestData("lines-600.txt"));
        QCOMPARE(window.form->CT->text(), QStringLiteral("480"));
        QCOMPARE(window.form->UpDown1->Position(), 480);
        QCOMPARE(BoxCount(*window.form, "edit1_"), 480);
        QCOMPARE(window.Box("edit1_480")->text(), QStringLiteral("line480"));
        QCOMPARE(window.Box("edit1_480")->geometry(), QRect(7, 9691, 121, 21));
        QVERIFY(!window.Box("edit1_481"));
    }

    void lineRulesReachTheBoxes()
    {
        const std::pair<const char*, QStringList> files[] = {
            {"members-lf-empty-line.txt", {"Alice", "Bob", "", "Dave"}},
            {"cr-only.txt", {"onetwothree", ""}},
            {"ctrl-z.txt", {"Alice", "Bob"}},
            {"utf8-bom.txt", {"Alice", "Bob"}},
            {"members-utf16le-bom.txt", {"Aiko", "Bruno", "Chloé", "鈴木 Emi"}},
        };
        for (const auto& [file, members] : files) {
            WindowFixture window;
            LoadMembers(window, TestData(file));
            QCOMPARE(window.Column("edit1_", members.size()), members);
        }
        WindowFixture japanese(1041);
        LoadMembers(japanese, TestData("cp932.txt"));
        QCOMPARE(japanese.Column("edit1_", 3), QStringList({"佐藤", "鈴木", "高橋"}));
    }

    void cancelResets()
    {
        WindowFixture window;
        window.ChooseCount(7);
        window.Click(window.form->Button3);
        QCOMPARE(BoxCount(*window.form, "edit1_"), 2);
        QCOMPARE(window.form->UpDown1->Position(), 2);
        VerifyEnabled(*window.form, {false, true, true, true, false, false, false});
        QCOMPARE(window.platform.Cursor, MouseCursor::Default);
        QVERIFY(window.platform.Errors.isEmpty());
    }

    void unreadableFilesEndWithAMessage_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("other kind") << "/tmp/list.csv";
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
        LoadMembers(window, path);
        QCOMPARE(window.platform.Errors.size(), 1);
        QVERIFY2(window.platform.Errors.first().contains(path), qPrintable(window.platform.Errors.first()));
        // As the steps before the dialog left it: two empty rows, shuffles offered, Build not.
        QCOMPARE(BoxCount(*window.form, "edit1_"), 2);
        VerifyEnabled(*window.form, {false, false, false, false, false, true, true});
        QCOMPARE(window.platform.Cursor, MouseCursor::Default);
        // Reset leads on.
        window.Click(window.form->BitBtn3);
        VerifyEnabled(*window.form, {false, true, true, true, false, false, false});
    }

    void hitsFillUpToTheMemberCount()
    {
        QTemporaryDir folder;
        WindowFixture window;
        TFMAIN& form = *window.form;
        LoadMembers(window, WriteList(folder, "members.txt", "M", 10));
        LoadHits(window, WriteList(folder, "hits.txt", "H", 15));
        QCOMPARE(window.Column("edit2_", 10),
                 QStringList({"H1", "H2", "H3", "H4", "H5", "H6", "H7", "H8", "H9", "H10"}));
        QCOMPARE(form.Label2->text(), QStringLiteral("15"));
        VerifyEnabled(form, {true, false, false, false, false, true, true});
        QCOMPARE(window.platform.OpenStarts, QStringList({"", folder.filePath("members.txt")}));
    }

    void shortHitListLeavesTheOtherRows()
    {
        QTemporaryDir folder;
        WindowFixture window;
        LoadMembers(window, WriteList(folder, "members.txt", "M", 10));
        window.Box("edit2_6")->setText("typed");
        LoadHits(window, WriteList(folder, "hits.txt", "H", 4));
        QCOMPARE(window.Column("edit2_", 6), QStringList({"H1", "H2", "H3", "H4", "", "typed"}));
        QCOMPARE(window.form->Label2->text(), QStringLiteral("4"));
    }

    void hitsAfterBuildOfferBuildAgain()
    {
        QTemporaryDir folder;
        WindowFixture window;
        TFMAIN& form = *window.form;
        LoadMembers(window, WriteList(folder, "members.txt", "M", 5));
        window.Click(form.BitBtn2);
        window.Click(form.Button1);
        LoadHits(window, WriteList(folder, "hits.txt", "H", 600));
        QCOMPARE(form.Label2->text(), QStringLiteral("480"));
        QVERIFY(form.BitBtn2->isEnabled());
        window.Click(form.BitBtn2);
        QVERIFY(form.Button1->isEnabled());
        window.Click(form.Button1);
        QCOMPARE(BoxCount(form, "edit3_"), 5);
        window.Click(form.BitBtn3);
        QCOMPARE(BoxCount(form, "edit1_") + BoxCount(form, "edit3_"), 2);
    }

    void cancelledHitListChangesNothing()
    {
        QTemporaryDir folder;
        WindowFixture window;
        LoadMembers(window, WriteList(folder, "members.txt", "M", 3));
        window.Click(window.form->Button6);
        QVERIFY(window.form->Button6->isEnabled());
        QVERIFY(window.form->Label2->text().isEmpty());
        QCOMPARE(window.platform.Cursor, MouseCursor::Default);
    }

    void noMembersPlaceNoHits()
    {
        QTemporaryDir folder;
        WindowFixture window;
        LoadMembers(window, TestData("empty.txt"));
        LoadHits(window, WriteList(folder, "hits.txt", "H", 3));
        QCOMPARE(window.Column("edit2_", 2), QStringList({"", ""}));
        QCOMPARE(window.form->Label2->text(), QStringLiteral("3"));
    }
};

QTEST_MAIN(TestListCommands)
#include "TestListCommands.moc"
