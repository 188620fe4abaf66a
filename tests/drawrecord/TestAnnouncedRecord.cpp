#include "ErrorOf.h"
#include "TestData.h"
#include "drawrecord/AnnouncedRecordFile.h"
#include "drawrecord/AnnouncementFile.h"
#include "drawrecord/DrawRecordFile.h"

#include <QJsonDocument>
#include <QJsonObject>

using namespace quorvan;

namespace {

// An announcement with a source of each kind.
Announcement Sample()
{
    return {QStringLiteral("quorvan-announced-draw-1"),
            QStringLiteral("5d943c78a6fce5b2d04e6364cf181d82"),
            QStringLiteral("Summer raffle"),
            QStringLiteral("Quorvan club"),
            QStringLiteral("2026-12-10T09:00:00+09:00"),
            QStringLiteral("2026-12-12T20:00:00+09:00"),
            5,
            true,
            {"Ann", "Bob", "山田 太郎", "Dee", "Eve"},
            {"一等", "Second", "Third", "Fourth", "Fifth"},
            {{QStringLiteral("Lotto of 12 December"), SourceKind::Public,
              QStringLiteral("the six main numbers, ascending, two digits each, one space between"), 0, {}, {}},
             {QStringLiteral("Three dice at the hall"), SourceKind::Dice, {}, 3, {}, {}},
             {QStringLiteral("Members' secrets"), SourceKind::Participants, {}, 0,
              QStringLiteral("2026-12-12T12:00:00+09:00"), {"Ann", "Bob", "Cy"}}}};
}

// The values typed in: Cy never revealed.
std::vector<SourceValue> Values(const QByteArray& digest)
{
    return {{QStringLiteral("Lotto of 12 December"), QStringLiteral("03 11 19 27 34 41"), {}},
            {QStringLiteral("Three dice at the hall"), QStringLiteral("526"), {}},
            {QStringLiteral("Members' secrets"), {},
             {{"Ann", CommitmentDigest(digest, "Ann", "blue whale"), QStringLiteral("blue whale")},
              {"Bob", CommitmentDigest(digest, "Bob", "7731"), QStringLiteral("7731")},
              {"Cy", CommitmentDigest(digest, "Cy", "never told"), std::nullopt}}}};
}

} // namespace

class TestAnnouncedRecord : public QObject {
    Q_OBJECT

private slots:
    // The committed announcement and its draw are what this program writes for them.
    void committedDrawIsWhatTheProgramWrites()
    {
        const QByteArray text = AnnouncementBytes(Sample());
        QCOMPARE(ParseAnnouncement(text, "sample"), Sample());
        const AnnouncedRecord record = DrawAnnounced(text, Sample(), Values(AnnouncementDigest(text)),
                                                     QStringLiteral("2.2"), QStringLiteral("2026-12-12T20:05:00+09:00"));
        const QByteArray bytes = AnnouncedRecordBytes(record);
        if (const QByteArray folder = qgetenv("QUORVAN_WRITE_GOLDEN"); !folder.isEmpty()) {
            WriteTestFile(folder + "/announced.qannounce", text);
            WriteTestFile(folder + "/announced.qdraw", bytes);
        }
        QCOMPARE(ReadTestFile(TestData("draws/announced.qannounce")), text);
        QCOMPARE(ReadTestFile(TestData("draws/announced.qdraw")), bytes);
        const AnnouncedRecord read = ParseAnnouncedRecord(bytes, "sample");
        QCOMPARE(AnnouncedDifferences(read, AnnouncementDigest(text)), QStringList());
    }

    void badAnnouncementsAreRefused_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("reason");
        const QByteArray text = AnnouncementBytes(Sample());
        QTest::newRow("blanks") << QJsonDocument::fromJson(text).toJson() << "not written byte for byte in its canonical form";
        Announcement diceOnly = Sample();
        diceOnly.Sources.erase(diceOnly.Sources.begin());
        diceOnly.Sources.pop_back();
        QTest::newRow("dice alone") << AnnouncementBytes(diceOnly) << "no randomness source outside the organiser's control";
        Announcement late = Sample();
        late.Sources[2].CommitBy = QStringLiteral("2026-12-13T00:00:00+09:00");
        QTest::newRow("commit after the draw") << AnnouncementBytes(late) << "commit after the randomness is fixed";
        Announcement twice = Sample();
        twice.Sources[2].Participants[2] = QStringLiteral("Ann");
        QTest::newRow("participant twice") << AnnouncementBytes(twice) << "The name \u201CAnn\u201D stands twice";
        QTest::newRow("drawId ending in a line break")
            << QByteArray(text).replace("d82\"", "d82\\n\"") << "32 lower-case hexadecimal digits";
        QTest::newRow("rows 5.0") << QByteArray(text).replace("\"rows\":5", "\"rows\":5.0") << "The number 5.0 at byte";
    }

    void badAnnouncementsAreRefused()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);
        const QString error = ErrorOf<FileError>([&] { ParseAnnouncement(content, "sample"); });
        QVERIFY2(error.contains(reason), qPrintable(error));
    }

    void shortCodeIsReadAloud()
    {
        // The first 50 bits of 00 01 02 03 04 05 06 … in Crockford's base 32, worked by hand:
        // 00000 00000 00000 10000 00100 00000 11000 00100 00000 10100.
        QByteArray digest(32, '\0');
        for (int index = 0; index < 32; ++index)
            digest[index] = static_cast<char>(index);
        QCOMPARE(ShortCode(digest), QStringLiteral("000G4-0R40M"));
    }
};

QUORVAN_TEST_GUILESS_MAIN(TestAnnouncedRecord)
#include "TestAnnouncedRecord.moc"
