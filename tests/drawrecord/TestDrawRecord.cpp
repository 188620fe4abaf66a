#include "ErrorOf.h"
#include "TestData.h"
#include "drawrecord/DrawRecordFile.h"
#include "drawrecord/DrawVerification.h"
#include "ladder/SeededGeneration.h"
#include "platform/FakePlatform.h"

#include <QCryptographicHash>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <functional>
#include <memory>

using namespace quorvan;

namespace {

using Change = std::function<void(QJsonObject&)>;

const QString SamplePath = QStringLiteral("/records/sample.qdraw");

// A record as Save draw writes it: an earlier lottery of 2 rows, then this
// one's Set-up, a program shuffle and a fair one of the hits, then the
// Build, with the ladder and results that Build gives.
DrawRecord Sample(const QStringList& members, const QStringList& hits, bool crossLines = true, uint32_t seed = 8,
                  bool fair = true)
{
    const auto rows = static_cast<int32_t>(members.size());
    const BuildEvent build{seed, rows, crossLines, fair, QStringLiteral("2024-05-01T09:04:59+09:00")};
    std::vector<int32_t> reversed;
    for (int32_t row = rows; row >= 1; --row)
        reversed.push_back(row);
    const auto grid = std::make_unique<Ladder>();
    GenerateLadderFromSeed({rows, crossLines}, seed, *grid);
    std::vector<DrawEvent> history{SetUpEvent{2}, BuildEvent{5, 2, false, false, {}}, SetUpEvent{rows},
                                   LoadEvent{DrawColumn::Members, rows},
                                   ShuffleEvent{DrawColumn::Hits, false, 77, ProgramShuffleOrder(rows, 77)}};
    if (fair)
        history.push_back(ShuffleEvent{DrawColumn::Hits, true, std::nullopt, reversed});
    history.push_back(build);
    return DrawRecord{QStringLiteral("2.2"),
                      QStringLiteral("2024-05-01T09:05:07+09:00"),
                      {build, members, hits},
                      history,
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
        const DrawRecord read = ParseDrawRecord(DrawRecordBytes(written), SamplePath);
        QCOMPARE(read.ProgramVersion, written.ProgramVersion);
        QCOMPARE(read.Time, written.Time);
        QVERIFY(read.Draw == written.Draw);
        QVERIFY(read.History == written.History);
        QCOMPARE(read.LadderDigest, written.LadderDigest);
        QVERIFY(read.Results == written.Results);
        QVERIFY(DrawDifferences(read).isEmpty());
    }

    // One value, many spellings: JSON says these are the record as written.
    void recordSpelledOtherwiseReads_data()
    {
        QTest::addColumn<QByteArray>("content");
        const QByteArray bytes = DrawRecordBytes(ThreeRows());
        const auto spelled = [&](const QByteArray& from, const QByteArray& to) {
            QByteArray changed = bytes;
            return changed.replace(from, to);
        };
        QTest::newRow("no blanks") << QJsonDocument(AsJson(ThreeRows())).toJson(QJsonDocument::Compact);
        QTest::newRow("name escaped") << spelled("\"Ann\"", "\"\\u0041\\u006En\"");
        QTest::newRow("key escaped") << spelled("\"members\"", "\"m\\u0065mbers\"");
        const qsizetype digestAt = bytes.indexOf(",\n    \"sha256\"");
        QByteArray digestFirst = bytes;
        QTest::newRow("digest first") << digestFirst.remove(digestAt, 82).insert(1, bytes.mid(digestAt + 1, 81) + ",");
    }

    void recordSpelledOtherwiseReads()
    {
        QFETCH(QByteArray, content);
        QVERIFY(ParseDrawRecord(content, SamplePath).Draw == ThreeRows().Draw);
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
        QByteArray digestBroken = DrawRecordBytes(sample);
        digestBroken.insert(digestBroken.indexOf("\"sha256\": \"") + 11 + 64, "\\n");
        QTest::newRow("digest ending in a line break") << digestBroken << false
                                                       << "\u201Csha256\u201D should be 64 lower-case hexadecimal digits";
        QTest::newRow("481 rows") << Redigested(sample, Set("rows", 481)) << false
                                  << "\u201Crows\u201D should be a whole number from 2 to 480";
        QTest::newRow("seed below 0") << Redigested(sample, Set("seed", -1)) << false
                                      << "\u201Cseed\u201D should be a whole number from 0 to 4294967295";
        QTest::newRow("member missing") << Redigested(sample, Set("members", QJsonArray{"Ann", "Bob"})) << false
                                        << "\u201Cmembers\u201D should be a list of 3 entries";
        QTest::newRow("name of 1,025 characters")
            << Redigested(sample, Set("members", QJsonArray{QString(1025, QLatin1Char('a')), "Bob", "Cy"})) << false
            << "should be a text of at most 1024 characters";
        QTest::newRow("member a number") << Redigested(sample, Set("members", QJsonArray{"Ann", 2, "Cy"})) << false
                                         << "\u201Cmembers[1]\u201D should be a text";
        QTest::newRow("order repeats a row")
            << Redigested(sample, InArray("history", 4, [](QJsonObject& shuffle) {
                   shuffle[QStringLiteral("order")] = QJsonArray{1, 1, 3};
               }))
            << false << "\u201Chistory[4].order\u201D should be each row number from 1 to the row count once";
        QTest::newRow("fair shuffle with a seed")
            << Redigested(sample, InArray("history", 5, [](QJsonObject& shuffle) { shuffle[QStringLiteral("seed")] = 5; }))
            << false << "no entry \u201Chistory[5].seed\u201D";
        QTest::newRow("unknown event")
            << Redigested(sample, InArray("history", 3, [](QJsonObject& load) { load[QStringLiteral("event")] = "undo"; }))
            << false << "\u201Chistory[3].event\u201D should be one of setup, load, shuffle, build";
        QTest::newRow("other program") << Redigested(sample, Set("program", "NotQuorvan")) << false
                                       << "\u201Cprogram\u201D should be one of Quorvan";
        QTest::newRow("decomposed name") << Redigested(sample, Set("members", QJsonArray{"Ann", "Bob", "Cy\u0301"}))
                                         << false << "\u201Cmembers[2]\u201D should be a text in Unicode's composed form";
        const auto history = [&](const std::function<void(QJsonArray&)>& change) {
            return Redigested(sample, [&](QJsonObject& object) {
                QJsonArray events = object[QStringLiteral("history")].toArray();
                change(events);
                object[QStringLiteral("history")] = events;
            });
        };
        QTest::newRow("shuffle after the last build")
            << history([](QJsonArray& events) { events.append(events[4]); }) << false
            << "\u201Chistory[7]\u201D comes after the last Build";
        QTest::newRow("fair build, no fair shuffle") << history([](QJsonArray& events) { events.removeAt(5); }) << false
                                                     << "the fair Build \u201Chistory[5]\u201D does not follow";
        QTest::newRow("fair shuffle, plain build")
            << history([](QJsonArray& events) { events.insert(1, events[5]); }) << false
            << "the fair shuffle \u201Chistory[1]\u201D is not followed";
        QTest::newRow("unknown entry") << Redigested(sample, Set("comment", "x")) << false
                                       << "a draw record has no entry \u201Ccomment\u201D";
        QTest::newRow("last build differs")
            << Redigested(sample, InArray("history", 6, [](QJsonObject& build) { build[QStringLiteral("seed")] = 9; }))
            << false << "its last Build in the history does not match";
        QTest::newRow("time without offset") << Redigested(sample, Set("time", "2024-05-01T09:05:07")) << false
                                             << "\u201Ctime\u201D should be an ISO 8601 date and time";
        // One value, one spelling: what a JSON reader might take in more than one way.
        const QByteArray bytes = DrawRecordBytes(sample);
        const auto spelled = [&](const QByteArray& from, const QByteArray& to) {
            QByteArray changed = bytes;
            return changed.replace(from, to);
        };
        QTest::newRow("byte order mark") << "\xEF\xBB\xBF" + bytes << false << "It begins with a byte order mark";
        QTest::newRow("row count 3.0") << spelled("\"rows\": 3,", "\"rows\": 3.0,") << false
                                       << "The number 3.0 at byte";
        QTest::newRow("row count 0.3e1") << spelled("\"rows\": 3,", "\"rows\": 0.3e1,") << false
                                         << "The number 0.3e1 at byte";
        QTest::newRow("seed a fraction") << spelled("\"seed\": 8,", "\"seed\": 8.5,") << false
                                         << "The number 8.5 at byte";
        QTest::newRow("seed -0") << spelled("\"seed\": 8,", "\"seed\": -0,") << false << "The number -0 at byte";
        QTest::newRow("key twice") << spelled("\"rows\": 3,", "\"rows\": 3, \"rows\": 3,") << false
                                   << "The key \u201Crows\u201D appears twice in one object";
        QTest::newRow("two keys one escape apart") << spelled("\"rows\": 3,", "\"rows\": 3, \"a\\nb\": 1, \"anb\": 1,")
                                                   << true << "the record has been altered";
        QTest::newRow("seed .5") << spelled("\"seed\": 8,", "\"seed\": .5,") << false << "The number .5 at byte";
        QTest::newRow("escape JSON has not") << spelled("\"Ann\"", "\"\\Ann\"") << false
                                             << "it is not JSON text: invalid escape sequence";
        QTest::newRow("raw tab") << spelled("\"Ann\"", "\"A\tnn\"") << false
                                 << "A control character stands unescaped in a text";
        QTest::newRow("lone surrogate") << spelled("\"Ann\"", "\"A\\ud800nn\"") << false
                                        << "one half of a surrogate pair without the other";
        QTest::newRow("surrogate in UTF-8") << spelled("\"Ann\"", "\"A\xED\xA0\x80nn\"") << false << "it is not JSON text: invalid UTF8 string";
        QTest::newRow("results out of order")
            << Redigested(sample, InArray("results", 0, [](QJsonObject& result) { result[QStringLiteral("hit")] = 2; }))
            << false << "\u201Cresults[0].hit\u201D should be a whole number from 1 to 1";
        QTest::newRow("result with an unknown entry")
            << Redigested(sample, InArray("results", 1, [](QJsonObject& result) { result[QStringLiteral("note")] = 1; }))
            << false << "a draw record has no entry \u201Cresults[1].note\u201D";
        QTest::newRow("result without a member name")
            << Redigested(sample, InArray("results", 0, [](QJsonObject& result) { result.remove(QStringLiteral("memberName")); }))
            << false << "\u201Cresults[0].memberName\u201D should be a text";
    }

    void badRecordsAreRefused()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, altered);
        QFETCH(QString, reason);
        try {
            ParseDrawRecord(content, SamplePath);
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
        testing::FakePlatform platform;
        platform.Speak(name.startsWith(QLatin1String("ja")) ? QStringLiteral("ja") : QStringLiteral("en"));
        const QString error = ErrorOf<FileError>([&] { ReadDrawRecord(path); });
        QVERIFY2(error.contains(path) && error.contains(reason), qPrintable(error));
    }

    void differencesAreNamed_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("verdict");
        const DrawRecord sample = ThreeRows();
        const DrawResult first = sample.Results[0];
        const DrawResult second = sample.Results[1];
        QTest::newRow("verified")
            << DrawRecordBytes(sample) << "en"
            << "Verified: same ladder, same results\nEvery shuffle by the program gives its recorded order from its seed. "
               "The record is consistent with itself; whether this was the first draw, or a fair one, cannot be told "
               "from this record.";
        QTest::newRow("verified, Japanese")
            << DrawRecordBytes(sample) << "ja"
            << "検証済み：同じあみだ、同じ結果\nプログラムによる並べ替えはどれも、シードから記録どおりの順になります。"
               "この記録はそれ自体として矛盾がありません。ただし、これが最初の抽選だったか、公平な抽選だったかは、"
               "この記録からはわかりません。";
        QTest::newRow("verified, no fair draw")
            << DrawRecordBytes(Sample({"Ann", "Bob", "Cy"}, {"Gold", "Silver", "Bronze"}, true, 8, false)) << "en"
            << "Verified: same ladder, same results\nEvery shuffle by the program gives its recorded order from its seed. "
               "The record is consistent with itself; whether this was the first draw, or a fair one, cannot be told "
               "from this record.\nWarning: Fair draw was off at the last Build, so no uniform shuffle was applied; "
               "unless the lists were shuffled, the ladder alone favours the members near each hit's own line.";
        // Seed 77 gives 3 rows the order 2, 3, 1 (the generator as the guide describes it, worked in Python).
        QTest::newRow("program shuffle not from its seed")
            << Redigested(sample, InArray("history", 4, [](QJsonObject& shuffle) {
                   shuffle[QStringLiteral("order")] = QJsonArray{1, 2, 3};
               }))
            << "en"
            << "Not verified: the record differs from its ladder.\nThe shuffle \u201Chistory[4]\u201D is not the order "
               "the program's generator gives from its seed 77.";
        // The first two hits' members swapped, with a digest that fits; names
        // that hold %-numbers are told as they are.
        const auto swapped = [](const DrawRecord& record) -> Change {
            const DrawResult first = record.Results[0];
            const DrawResult second = record.Results[1];
            return [=](QJsonObject& object) {
                InArray("results", 0, [&](QJsonObject& result) {
                    result[QStringLiteral("member")] = second.Member;
                    result[QStringLiteral("memberName")] = second.MemberName;
                })(object);
                InArray("results", 1, [&](QJsonObject& result) {
                    result[QStringLiteral("member")] = first.Member;
                    result[QStringLiteral("memberName")] = first.MemberName;
                })(object);
            };
        };
        const auto told = [](const DrawResult& found, const DrawResult& said) {
            const auto number = [](int32_t value) { return QString::number(value); };
            return QStringLiteral("Hit ") + number(found.Hit) + QStringLiteral(" “") + found.HitName
                + QStringLiteral("”: the record says member ") + number(said.Member) + QStringLiteral(" “")
                + said.MemberName + QStringLiteral("”, the ladder gives member ") + number(found.Member)
                + QStringLiteral(" “") + found.MemberName + QStringLiteral("”.");
        };
        for (const DrawRecord& record :
             {sample, Sample({"50%2 off", "Bob %1", "Cy"}, {"Prize %3 / %5", "Silver %6", "Bronze"})}) {
            QTest::newRow(qPrintable(QStringLiteral("two results swapped: ") + record.Draw.Members[0]))
                << Redigested(record, swapped(record)) << "en"
                << QStringLiteral("Not verified: the record differs from its ladder.\n")
                       + told(record.Results[0], record.Results[1]) + QLatin1Char('\n')
                       + told(record.Results[1], record.Results[0]);
        }
        // The digest of another ladder: the results still fit, the ladder does not.
        const DrawRecord otherSeed = Sample({"Ann", "Bob", "Cy"}, {"Gold", "Silver", "Bronze"}, true, 0);
        QTest::newRow("other ladder, Japanese")
            << Redigested(sample, Set("ladder", otherSeed.LadderDigest)) << "ja"
            << "検証できません：記録とあみだが違います。\nシード8から作り直したあみだは、記録のあみだと違います。";
    }

    void differencesAreNamed()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, language);
        QFETCH(QString, verdict);
        testing::FakePlatform platform;
        platform.Speak(language);
        const DrawRecord record = ParseDrawRecord(content, SamplePath);
        QCOMPARE(DrawVerdict(record, DrawDifferences(record), 20), verdict);
    }
};

QUORVAN_TEST_GUILESS_MAIN(TestDrawRecord)
#include "TestDrawRecord.moc"
