// The manual page against the program: every list and result ending it names
// is one the program reads or writes, and its options are the ones
// `quorvan --help` lists, no more and no fewer.

#include "files/FileKinds.h"
#include "texts/UserText.h"
#include "workbook/WorkbookSaving.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace quorvan;

namespace {

QString ManualPage()
{
    QFile file(QStringLiteral(QUORVAN_MANUAL));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The lines of the section or subsection `heading` (".SH OPTIONS", ".SS Lists it reads"),
// up to the next heading.
QString Section(const QString& heading)
{
    const QString page = ManualPage();
    const qsizetype start = page.indexOf(heading + QLatin1Char('\n'));
    if (start < 0)
        return {};
    static const QRegularExpression next(QStringLiteral("\n\\.S[HS] "));
    const qsizetype end = page.indexOf(next, start + heading.size());
    return page.mid(start, end < 0 ? -1 : end - start);
}

// The endings the text names as "*.ending".
QStringList Endings(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("\\*\\.([A-Za-z0-9]+)"));
    QStringList endings;
    for (const auto& match : pattern.globalMatch(text))
        endings << match.captured(1);
    endings.removeDuplicates();
    return endings;
}

// The long and short options the text names ("--verify", "-h"); the manual
// page writes each hyphen as "\-".
QStringList Options(QString text)
{
    text.replace(QStringLiteral("\\-"), QStringLiteral("-"));
    static const QRegularExpression pattern(QStringLiteral("(?<![\\w-])(--?[a-z][a-z-]*)"));
    QStringList options;
    for (const auto& match : pattern.globalMatch(text))
        options << match.captured(1);
    options.removeDuplicates();
    options.sort();
    return options;
}

void AddEndingRows(const QString& heading)
{
    QTest::addColumn<QString>("ending");
    const QStringList endings = Endings(Section(heading));
    QVERIFY2(!endings.isEmpty(), qPrintable(heading));
    for (const QString& ending : endings)
        QTest::newRow(qPrintable(ending)) << ending;
}

} // namespace

class TestManualPage : public QObject {
    Q_OBJECT
private slots:
    void listEndingsAreRead_data() { AddEndingRows(QStringLiteral(".SS Lists it reads")); }
    void listEndingsAreRead()
    {
        QFETCH(QString, ending);
        QVERIFY(KindOfListFile(QStringLiteral("list.") + ending) != ListFileKind::Other);
        QVERIFY(KindOfListFile(QStringLiteral("LIST.") + ending.toUpper()) != ListFileKind::Other);
    }

    void resultEndingsAreWritten_data() { AddEndingRows(QStringLiteral(".SS Results it writes")); }
    void resultEndingsAreWritten()
    {
        QFETCH(QString, ending);
        const QTemporaryDir folder;
        SavedWorkbookFormat(folder.filePath(QStringLiteral("result.") + ending));
        SavedWorkbookFormat(folder.filePath(QStringLiteral("RESULT.") + ending.toUpper()));
        // "a name with any other ending is refused": the text result's own, for one.
        QVERIFY_THROWS_EXCEPTION(UserError, SavedWorkbookFormat(folder.filePath(QStringLiteral("result.txt"))));
    }

    void optionsAreTheProgramsOwn()
    {
        QProcess program;
        program.start(QStringLiteral(QUORVAN_PROGRAM), {QStringLiteral("--help")});
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitCode(), 0);
        const QStringList helped = Options(QString::fromUtf8(program.readAllStandardOutput()));
        const QStringList manual = Options(Section(QStringLiteral(".SH OPTIONS")));
        QVERIFY(helped.contains(QStringLiteral("--verify")));
        QCOMPARE(manual, helped);
    }
};

QUORVAN_TEST_GUILESS_MAIN(TestManualPage)
#include "TestManualPage.moc"
