// The program's modules as built: the window's needs none of the libraries
// its documents' functions use, which only the documents' module links, and
// that module, loaded from the folder the window's lies in, does its work;
// a file in its place that is no such module is refused and not kept loaded.

#include "documents/DocumentFunctions.h"
#include "platform/LoadedDocuments.h"
#include "texts/UserText.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <dlfcn.h>

using namespace quorvan;

namespace {

QString ModuleFile(const char* name)
{
    return QStringLiteral(QUORVAN_MODULE_DIRECTORY) + QLatin1Char('/') + QLatin1String(name);
}

// Whether the module's dynamic section names `library` among those it needs.
bool NeedsLibrary(const QString& module, const QString& library)
{
    QProcess readelf;
    readelf.start(QStringLiteral("readelf"), {QStringLiteral("--dynamic"), module});
    const QRegularExpression needed(QStringLiteral(R"(\(NEEDED\)\s+Shared library: \[)") + QRegularExpression::escape(library)
                                    + QStringLiteral(R"(\.so)"));
    return readelf.waitForFinished() && readelf.exitCode() == 0
           && needed.match(QString::fromLatin1(readelf.readAllStandardOutput())).hasMatch();
}

} // namespace

class TestModules : public QObject {
    Q_OBJECT

private slots:
    void documentsLibrariesAreTheDocumentsModulesAlone_data()
    {
        QTest::addColumn<QString>("library");
        for (const char* library : {"libqrencode", "libxlsxwriter", "libzip", "libuchardet", "libQt6PrintSupport"})
            QTest::newRow(library) << QString::fromLatin1(library);
    }

    void documentsLibrariesAreTheDocumentsModulesAlone()
    {
        QFETCH(QString, library);
        QVERIFY(NeedsLibrary(ModuleFile(DocumentsModuleFile), library));
        QVERIFY(!NeedsLibrary(ModuleFile("quorvan-window.so"), library));
        QVERIFY(!NeedsLibrary(ModuleFile("quorvan-commandline.so"), library));
    }

    void documentsModuleLoadsAndWorks()
    {
        void* module = dlopen(QFile::encodeName(ModuleFile(DocumentsModuleFile)).constData(), RTLD_NOW | RTLD_LOCAL);
        QVERIFY2(module, dlerror());
        auto* entry = reinterpret_cast<DocumentsEntry*>(dlsym(module, DocumentsEntrySymbol));
        QVERIFY2(entry, dlerror());
        const DocumentFunctions& documents = *entry();

        const CellMap cells{{{1, 1}, QStringLiteral("くじ")}, {{2, 3}, QStringLiteral("Hit 1")}};
        const WorkbookBytes xlsx = documents.Workbooks.Xlsx(QStringLiteral("QUORVAN"), cells);
        QCOMPARE(xlsx.Reason, QString());
        QVERIFY(xlsx.Bytes.startsWith("PK\x03\x04")); // a zip archive
        const WorkbookBytes ods = documents.Workbooks.Ods(QStringLiteral("QUORVAN"), cells);
        QCOMPARE(ods.Reason, QString());
        // The first entry of an OpenDocument package: "mimetype", stored, after its 30-byte local header.
        QCOMPARE(ods.Bytes.mid(30, 54), QByteArray("mimetypeapplication/vnd.oasis.opendocument.spreadsheet"));

        // Version 1 (21 modules a side) holds a short text; four modules of quiet zone around it.
        QCOMPARE(documents.QrCode(QStringLiteral("A"), 3).size(), QSize(29 * 3, 29 * 3));

        const QString names = QStringLiteral("山田太郎\n佐藤花子\n鈴木一郎\n高橋美咲\n田中健太\n伊藤直子\n渡辺健二\n");
        QCOMPARE(documents.DetectEncoding(QStringEncoder("Shift_JIS").encode(names)), QByteArray("SHIFT_JIS"));
    }

    void brokenDocumentsModuleIsRefused_data()
    {
        QTest::addColumn<QString>("copiedFrom"); // empty: no file at all; "-": a text file
        QTest::addColumn<QString>("reason");     // the loader's own words
        QTest::newRow("missing") << QString() << "No such file or directory";
        QTest::newRow("a text file") << "-" << "invalid ELF header";
        QTest::newRow("another module") << ModuleFile("quorvan-commandline.so") << "undefined symbol: quorvan_documents";
    }

    void brokenDocumentsModuleIsRefused()
    {
        QFETCH(QString, copiedFrom);
        QFETCH(QString, reason);
        const QTemporaryDir folder;
        const QString file = folder.filePath(QLatin1String(DocumentsModuleFile));
        if (copiedFrom == QLatin1String("-")) {
            QFile text(file);
            QVERIFY(text.open(QIODevice::WriteOnly) && text.write(QByteArray("not a module\n").repeated(16)) > 0);
        } else if (!copiedFrom.isEmpty()) {
            QVERIFY(QFile::copy(copiedFrom, file));
        }
        QString message;
        try {
            LoadDocumentsModule(file);
        } catch (const UserError& error) {
            message = error.Message();
        }
        QVERIFY2(message.contains(reason), qPrintable(message));
        QCOMPARE(message.count(file), 1);
        // Nothing of a refused file stays in the process.
        QVERIFY(!dlopen(QFile::encodeName(file).constData(), RTLD_NOW | RTLD_NOLOAD));
    }
};

QUORVAN_TEST_MAIN(TestModules)
#include "TestModules.moc"
