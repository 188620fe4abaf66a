// The QR code is read back by zbar's zbarimg, a reader we did not write.

#include "documents/QrCode.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace quorvan;

class TestQrCode : public QObject {
    Q_OBJECT

private slots:
    void zbarReadsWhatWasEncoded_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("digest A") << "798baa8038575c8d6149e4484b9bd837c230389ac43cfe3bd8328b8a637497f8";
        QTest::newRow("short") << "F65TN-01RAX";
    }

    void zbarReadsWhatWasEncoded()
    {
        QFETCH(QString, text);
        QTemporaryDir folder;
        const QString path = folder.filePath("code.png");
        QVERIFY(QrCodeImage(text, 4).save(path));
        QProcess zbar;
        zbar.start("zbarimg", {"--quiet", "--raw", path});
        QVERIFY(zbar.waitForFinished());
        QCOMPARE(zbar.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(zbar.readAllStandardOutput()).trimmed(), text);
    }
};

QUORVAN_TEST_MAIN(TestQrCode)
#include "TestQrCode.moc"
