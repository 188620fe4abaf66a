#include "FileError.h"
#include "ReaderProcess.h"

#include <QTest>

using namespace quorvan;
using namespace std::chrono_literals;

Q_DECLARE_METATYPE(quorvan::MessageId)

class TestMessages : public QObject {
    Q_OBJECT

private slots:
    void everyMessageIsInBothLanguages_data()
    {
        QTest::addColumn<MessageId>("id");
        for (int id = 0; id < static_cast<int>(MessageId::Count); ++id)
            QTest::addRow("%d", id) << static_cast<MessageId>(id);
    }

    void everyMessageIsInBothLanguages()
    {
        QFETCH(MessageId, id);
        const Words words = Say(id);
        QVERIFY(!words.English.isEmpty());
        QVERIFY(!words.Japanese.isEmpty());
        QVERIFY2(words.Japanese != words.English, qPrintable(words.English));
        for (const char* placeholder : {"%1", "%2", "%3"})
            QCOMPARE(words.Japanese.contains(QLatin1String(placeholder)),
                     words.English.contains(QLatin1String(placeholder)));
    }

    void aFileNameIsNotFilledIn()
    {
        const FileError error(Say(MessageId::CannotReadListFile), QStringLiteral("/a/%3.txt"),
                              Say(MessageId::IsAFolder));
        QCOMPARE(QString::fromUtf8(error.what()),
                 QStringLiteral("Cannot read the list file \u201C/a/%3.txt\u201D:\nIt is a folder, not a file."));
        QCOMPARE(error.Message().Japanese,
                 QStringLiteral("リストファイルを読み込めません：\u201C/a/%3.txt\u201D\nファイルではなくフォルダーです。"));
    }

    // The reader program sends the number of its message; the program has both languages of it.
    void readerMessagesComeInBothLanguages()
    {
        const std::string sent = EncodeMessage(MessageId::WorkbookDamagedWithCode, "7");
        try {
            RunReader(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("printf 'F%1'").arg(sent.c_str())},
                      10s, 100);
            QFAIL("the reader's failure was not raised");
        } catch (const ReaderError& error) {
            QCOMPARE(error.Message().English, QStringLiteral("The workbook is damaged (error 7)."));
            QCOMPARE(error.Message().Japanese, QStringLiteral("ブックが壊れています（エラー 7）。"));
        }
    }
};

QTEST_GUILESS_MAIN(TestMessages)
#include "TestMessages.moc"
