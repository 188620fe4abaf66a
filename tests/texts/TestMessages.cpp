#include "files/FileError.h"
#include "platform/FakePlatform.h"
#include "workbook/ReaderProcess.h"

using namespace quorvan;
using namespace std::chrono_literals;
using quorvan::testing::FakePlatform;

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
        const QString english = QString::fromUtf8(TextOf(id).English);
        FakePlatform platform;
        platform.Speak(QStringLiteral("ja"));
        const QString japanese = Say(id);
        QVERIFY(!english.isEmpty());
        QVERIFY2(japanese != english, qPrintable(english));
        for (const char* placeholder : {"%1", "%2", "%3"})
            QCOMPARE(japanese.contains(QLatin1String(placeholder)), english.contains(QLatin1String(placeholder)));
    }

    void aFileNameIsNotFilledIn_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("message");
        QTest::newRow("English") << "en" << "Cannot read the list file \u201C/a/%3.txt\u201D:\nIt is a folder, not a file.";
        QTest::newRow("Japanese") << "ja" << "リストファイルを読み込めません：\u201C/a/%3.txt\u201D\nファイルではなくフォルダーです。";
    }

    void aFileNameIsNotFilledIn()
    {
        QFETCH(QString, language);
        FakePlatform platform;
        platform.Speak(language);
        const FileError error(Say(MessageId::CannotReadListFile), QStringLiteral("/a/%3.txt"),
                              Say(MessageId::IsAFolder));
        QTEST(error.Message(), "message");
        QTEST(QString::fromUtf8(error.what()), "message");
    }

    // The reader program sends the number of its message and its arguments;
    // the program tells it in the user's language, with an argument's own "%2" kept.
    void readerMessagesComeInBothLanguages_data()
    {
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("japanese");
        QTest::newRow("one argument") << QByteArray::fromStdString(EncodeMessage(MessageId::WorkbookDamagedWithCode, {"7"}))
                                      << "The workbook is damaged (error 7)." << "ブックが壊れています（エラー 7）。";
        QTest::newRow("three arguments")
            << QByteArray::fromStdString(EncodeMessage(MessageId::ZipPartNotXml, {"xl/%2.xml", "12", "not well-formed"}))
            << "Its part \u201Cxl/%2.xml\u201D is damaged: line 12: not well-formed."
            << "その部分「xl/%2.xml」が壊れています（12 行目: not well-formed）。";
    }

    void readerMessagesComeInBothLanguages()
    {
        QFETCH(QByteArray, sent);
        FakePlatform platform;
        for (const char* language : {"en", "ja"}) {
            platform.Speak(QString::fromLatin1(language));
            try {
                RunReader(QStringLiteral("/bin/sh"),
                          {QStringLiteral("-c"), QStringLiteral("printf '%s' 'F%1'").arg(QString::fromUtf8(sent))}, -1,
                          10s, 100);
                QFAIL("the reader's failure was not raised");
            } catch (const ReaderError& error) {
                QTEST(error.Message(), language == QLatin1String("ja") ? "japanese" : "english");
            }
        }
    }
};

QUORVAN_TEST_GUILESS_MAIN(TestMessages)
#include "TestMessages.moc"
