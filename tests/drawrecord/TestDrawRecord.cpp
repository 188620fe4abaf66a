#include "TestData.h"
#include "drawrecord/DrawRecordFile.h"
#include "drawrecord/DrawVerification.h"
#include "ladder/NoDrawing.h"
#include "ladder/SeededGeneration.h"

#include <QCryptographicHash>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

using namespace quorvan;

namespace {

using Change = std::function<void(QJsonObject&)>;

const QString SamplePath = QStringLiteral("/records/sample.qdraw");

// A record as Save draw writes it: a program shuffle and a fair one of the
// hits, then the Build, with the ladder and results that Build gives.
DrawRecord Sample(const QStringList& members, const QStringList& hits, bool crossLines = true, uint32_t seed = 8)
{
    const auto rows = static_cast<int32_t>(members.size());
    const BuildEvent build{seed, rows, crossLines, true};
    std::vector<int32_t> reversed;
    for (int32_t row = rows; row >= 1; --row)
        reversed.push_back(row);
    const auto grid = std::make_unique<Ladder>();
    NoDrawing nowhere;
    GenerateLadderFromSeed({rows, crossLines}, seed, *grid, nowhere);
    return DrawRecord{QStringLiteral("2.2"),
                      QStringLiteral("2024-05-01T09:05:07+09:00"),
                      {build, members, hits},
                      {LoadEvent{DrawColumn::Members, rows}, ShuffleEvent{DrawColumn::Hits, false, 77, reversed},
                       ShuffleEvent{DrawColumn::Hits, true, std::nullopt, reversed}, build},
                      LadderDigest(*grid, rows),
                      TraceResults(*grid, members, hits)};
}

DrawRecord ThreeRows()
{
    return Sample({"Ann", "Bob", "Cy"}, {"Gold", "Silver", "Bronze"});
}

QJsonObject AsJson(const DrawRecord& record)
{
    return QJsonDocument::fromJson(DrawRecordBytes(record)).object();
}

// The record's JSON after `change`, with its digest made to fit again.
QByteArray Redigested(const DrawRecord& record, const Change& change)
{
    QJsonObject object = AsJson(record);
    change(object);
    object.remove(QStringLiteral("sha256"));
    object[QStringLiteral("sha256")] =
        QString::fromLatin1(QCryptographicHash::hash(CanonicalJson(object), QCryptographicHash::Sha256).toHex());
    return QJsonDocument(object).toJson();
}

// Sets entry `index` of the array `key` with `change`.
Change InArray(const char* key, qsizetype index, const std::function<void(QJsonObject&)>& change)
{
    return [=](QJsonObject& object) {
        QJsonArray array = object[QLatin1String(key)].toArray();
        QJsonObject entry = array[index].toObject();
        change(entry);
        array[index] = entry;
        object[QLatin1String(key)] = array;
    };
}

Change Set(const char* key, const QJsonValue& value)
{
    return [=](QJsonObject& object) { object[QLatin1String(key)] = value; };
}

} // namespace

class TestDrawRecord : public QObject {
    Q_OBJECT

private slots:
    void recordReadsBackAsWritten_data()
    {
        QTest::addColumn<QStringList>("members");
        QTest::addColumn<QStringList>("hits");
        QTest::newRow("plain") << QStringList{"Ann", "Bob"} << QStringList{"Gold", "Silver"};
        QTest::newRow("Japanese and symbols")
            << QStringList{"山田 太郎", "ｼｬｯﾌﾙ\"\\/", "\t\n\r\b\f\u0001\u001f\u007f", "\u2028🎲", ""}
            << QStringList{"一等", "", "A", "B", "C"};
        QStringList many, prizes;
        for (int row = 1; row <= 480; ++row) {
            many.append(QStringLiteral("member %1").arg(row));
            prizes.append(QStringLiteral("賞 %1").arg(row));
        }
        QTest::newRow("480 rows") << many << prizes;
    }

    void recordReadsBackAsWritten()
    {
        QFETCH(QStringList, members);
        QFETCH(QStringList, hits);
        const DrawRecord written = Sample(members, hits);
        const DrawRecord read = ParseDrawRecord(DrawRecordBytes(written), SamplePath, false);
        QCOMPARE(read.ProgramVersion, written.ProgramVersion);
        QCOMPARE(read.Time, written.Time);
        QVERIFY(read.Draw == written.Draw);
        QVERIFY(read.History == written.History);
        QCOMPARE(read.LadderDigest, written.LadderDigest);
        QVERIFY(read.Results == written.Results);
        QVERIFY(DrawDifferences(read, false).isEmpty());
    }

    // Python's own JSON module, told to write the canonical form, gives the
    // bytes the digest was taken over.
    void pythonFindsTheSameDigest()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("draw.qdraw"));
        WriteTestFile(path, DrawRecordBytes(Sample({"山田\"\\", "\t\u0001\u2028🎲"}, {"一等", "/"})));
        QProcess python;
        python.start(QStringLiteral("python3"),
                     {QStringLiteral("-c"),
                      QStringLiteral("import hashlib, json, sys\n"
                                     "record = json.load(open(sys.argv[1], encoding='utf-8'))\n"
                                     "said = record.pop('sha256')\n"
                                     "canonical = json.dumps(record, sort_keys=True, separators=(',', ':'), "
                                     "ensure_ascii=False)\n"
                                     "print(hashlib.sha256(canonical.encode('utf-8')).hexdigest() == said)"),
                      path});
        QVERIFY(python.waitForFinished());
        QCOMPARE(python.readAllStandardOutput().trimmed(), QByteArray("True"));
    }

    void badRecordsAreRefused_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("altered");
        QTest::addColumn<QString>("reason");
        const DrawRecord sample = ThreeRows();
        QTest::newRow("not JSON") << QByteArray("{\"format\": ") << false << "it is not JSON text";
        QTest::newRow("JSON, no object") << QByteArray("[]") << false << "It is not a Quorvan draw record.";
        QTest::newRow("other format") << Redigested(sample, Set("format", "quorvan-draws")) << false
                                      << "It is not a Quorvan draw record.";
        QTest::newRow("newer format") << Redigested(sample, Set("formatVersion", 2)) << false
                                      << "format version 2; this Quorvan reads versions up to 1";
        QByteArray renamed = DrawRecordBytes(sample);
        renamed.replace("\"Bob\"", "\"Rob\"");
        QTest::newRow("name changed") << renamed << true << "the record has been altered";
        QTest::newRow("digest missing") << QJsonDocument([&] {
            QJsonObject object = AsJson(sample);
            object.remove(QStringLiteral("sha256"));
            return object;
        }()).toJson() << false << "\u201Csha256\u201D should be 64 lower-case hexadecimal digits";
        QTest::newRow("481 rows") << Redigested(sample, Set("rows", 481)) << false
                                  << "\u201Crows\u201D should be a whole number from 2 to 480";
        QTest::newRow("seed below 0") << Redigested(sample, Set("seed", -1)) << false
                                      << "\u201Cseed\u201D should be a whole number from 0 to 4294967295";
        QTest::newRow("seed a fraction") << Redigested(sample, Set("seed", 8.5)) << false
                                         << "\u201Cseed\u201D should be a whole number";
        QTest::newRow("member missing") << Redigested(sample, Set("members", QJsonArray{"Ann", "Bob"})) << false
                                        << "\u201Cmembers\u201D should be a list of 3 entries";
        QTest::newRow("name of 1,025 characters")
            << Redigested(sample, Set("members", QJsonArray{QString(1025, QLatin1Char('a')), "Bob", "Cy"})) << false
            << "should be a text of at most 1024 characters";
        QTest::newRow("member a number") << Redigested(sample, Set("members", QJsonArray{"Ann", 2, "Cy"})) << false
                                         << "\u201Cmembers[1]\u201D should be a text";
        QTest::newRow("order repeats a row")
            << Redigested(sample, InArray("history", 1, [](QJsonObject& shuffle) {
                   shuffle[QStringLiteral("order")] = QJsonArray{1, 1, 3};
               }))
            << false << "\u201Chistory[1].order\u201D should be each row number from 1 to the row count once";
        QTest::newRow("fair shuffle with a seed")
            << Redigested(sample, InArray("history", 2, [](QJsonObject& shuffle) { shuffle[QStringLiteral("seed")] = 5; }))
            << false << "no entry \u201Chistory[2].seed\u201D";
        QTest::newRow("unknown event")
            << Redigested(sample, InArray("history", 0, [](QJsonObject& load) { load[QStringLiteral("event")] = "undo"; }))
            << false << "\u201Chistory[0].event\u201D should be one of load, shuffle, build";
        QTest::newRow("unknown entry") << Redigested(sample, Set("comment", "x")) << false
                                       << "a draw record has no entry \u201Ccomment\u201D";
        QTest::newRow("last build differs")
            << Redigested(sample, InArray("history", 3, [](QJsonObject& build) { build[QStringLiteral("seed")] = 9; }))
            << false << "its last Build in the history does not match";
        QTest::newRow("time without offset") << Redigested(sample, Set("time", "2024-05-01T09:05:07")) << false
                                             << "\u201Ctime\u201D should be an ISO 8601 date and time";
        QTest::newRow("results out of order")
            << Redigested(sample, InArray("results", 0, [](QJsonObject& result) { result[QStringLiteral("hit")] = 2; }))
            << false << "\u201Cresults[0].hit\u201D should be a whole number from 1 to 1";
    }

    void badRecordsAreRefused()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, altered);
        QFETCH(QString, reason);
        try {
            ParseDrawRecord(content, SamplePath, false);
            QFAIL("read without complaint");
        } catch (const AlteredRecord& error) {
            QVERIFY(altered);
            QVERIFY2(QString::fromUtf8(error.what()).contains(reason), error.what());
        } catch (const FileError& error) {
            const QString message = QString::fromUtf8(error.what());
            QVERIFY(!altered);
            QVERIFY2(message.startsWith(QStringLiteral("Cannot open the draw record \u201C%1\u201D").arg(SamplePath)),
                     error.what());
            QVERIFY2(message.contains(reason), error.what());
        }
    }

    void filesThatAreNoRecords_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("reason");
        QTest::newRow("folder") << "folder" << QByteArray() << "It is a folder, not a file.";
        QTest::newRow("over 16 MB") << "large.qdraw" << QByteArray(MostDrawRecordBytes + 1, ' ')
                                    << "It is larger than 16777216 bytes";
        QTest::newRow("Japanese") << "ja.qdraw" << QByteArray("[]") << "Quorvanの抽選記録ではありません。";
    }

    void filesThatAreNoRecords()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);
        QTemporaryDir folder;
        const QString path = folder.filePath(name);
        if (name == QLatin1String("folder"))
            QDir().mkdir(path);
        else
            WriteTestFile(path, content);
        const bool japanese = name.startsWith(QLatin1String("ja"));
        QVERIFY_THROWS_EXCEPTION(FileError, ReadDrawRecord(path, japanese));
        try {
            ReadDrawRecord(path, japanese);
        } catch (const FileError& error) {
            QVERIFY2(QString::fromUtf8(error.what()).contains(path), error.what());
            QVERIFY2(QString::fromUtf8(error.what()).contains(reason), error.what());
        }
    }

    void differencesAreNamed_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("japanese");
        QTest::addColumn<QString>("verdict");
        const DrawRecord sample = ThreeRows();
        const DrawResult first = sample.Results[0];
        const DrawResult second = sample.Results[1];
        QTest::newRow("verified") << DrawRecordBytes(sample) << false << "Verified: same ladder, same results";
        QTest::newRow("verified, Japanese") << DrawRecordBytes(sample) << true << "検証済み：同じあみだ、同じ結果";
        // The first two hits' members swapped, with a digest that fits.
        const Change swapped = [&](QJsonObject& object) {
            InArray("results", 0, [&](QJsonObject& result) {
                result[QStringLiteral("member")] = second.Member;
                result[QStringLiteral("memberName")] = second.MemberName;
            })(object);
            InArray("results", 1, [&](QJsonObject& result) {
                result[QStringLiteral("member")] = first.Member;
                result[QStringLiteral("memberName")] = first.MemberName;
            })(object);
        };
        QTest::newRow("two results swapped")
            << Redigested(sample, swapped) << false
            << QStringLiteral("Not verified: the record differs from its ladder.\n"
                              "Hit 1 \u201CGold\u201D: the record says member %1 \u201C%2\u201D, the ladder gives "
                              "member %3 \u201C%4\u201D.\n"
                              "Hit 2 \u201CSilver\u201D: the record says member %3 \u201C%4\u201D, the ladder gives "
                              "member %1 \u201C%2\u201D.")
                   .arg(second.Member)
                   .arg(second.MemberName)
                   .arg(first.Member)
                   .arg(first.MemberName);
        // The digest of another ladder: the results still fit, the ladder does not.
        const DrawRecord otherSeed = Sample({"Ann", "Bob", "Cy"}, {"Gold", "Silver", "Bronze"}, true, 0);
        QTest::newRow("other ladder, Japanese")
            << Redigested(sample, Set("ladder", otherSeed.LadderDigest)) << true
            << "検証できません：記録とあみだが違います。\nシード8から作り直したあみだは、記録のあみだと違います。";
    }

    void differencesAreNamed()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, japanese);
        QFETCH(QString, verdict);
        const DrawRecord record = ParseDrawRecord(content, SamplePath, japanese);
        QCOMPARE(DrawVerdict(DrawDifferences(record, japanese), japanese, 20), verdict);
    }

    // Records saved by earlier versions of the program verify with every later one.
    void committedRecordsVerify_data()
    {
        QTest::addColumn<QString>("path");
        const QDir folder(TestData("draws"));
        for (const QString& name : folder.entryList({QStringLiteral("*.qdraw")}))
            if (!name.startsWith(QLatin1String("bad-")))
                QTest::newRow(qPrintable(name)) << folder.filePath(name);
    }

    void committedRecordsVerify()
    {
        QFETCH(QString, path);
        QCOMPARE(DrawDifferences(ReadDrawRecord(path, false), false), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestDrawRecord)
#include "TestDrawRecord.moc"
