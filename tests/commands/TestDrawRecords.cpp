#include "TestData.h"
#include "drawrecord/DrawRecordFile.h"
#include "drawrecord/DrawVerification.h"
#include "window/WindowFixture.h"

#include <QCheckBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

using namespace quorvan;
using testing::WindowFixture;

namespace {

void SaveDraw(WindowFixture& window, const QString& path)
{
    window.platform.SaveAnswers.append(path);
    window.Run(&Commands::onSaveDraw);
}

void OpenDraw(WindowFixture& window, const QString& path)
{
    window.platform.OpenAnswers.append(path);
    window.Run(&Commands::onOpenDraw);
}

QJsonObject SavedJson(const QString& path)
{
    return QJsonDocument::fromJson(ReadTestFile(path)).object();
}

// The "event" of each entry of the record's history, with its column or seed.
QStringList Events(const QJsonObject& record)
{
    QStringList events;
    for (const QJsonValue& value : record[QStringLiteral("history")].toArray()) {
        const QJsonObject event = value.toObject();
        QString text = event[QStringLiteral("event")].toString();
        if (event.contains(QStringLiteral("column")))
            text += QLatin1Char(' ') + event[QStringLiteral("column")].toString();
        if (event.contains(QStringLiteral("kind")))
            text += QLatin1Char(' ') + event[QStringLiteral("kind")].toString();
        if (event.contains(QStringLiteral("seed")))
            text += QLatin1Char(' ') + QString::number(event[QStringLiteral("seed")].toInteger());
        events.append(text);
    }
    return events;
}

QStringList Names(const QString& prefix, int rows)
{
    QStringList names;
    for (int row = 1; row <= rows; ++row)
        names.append(prefix + QString::number(row));
    return names;
}

// What the window shows of a lottery.
struct Shown {
    QStringList Members, Hits, Results;
    QString Ladder;
    bool operator==(const Shown&) const = default;
};

Shown WhatIsShown(WindowFixture& window, int rows)
{
    return {window.Column("edit1_", rows), window.Column("edit2_", rows), window.Column("edit3_", rows),
            LadderDigest(window.lottery().Grid, rows)};
}

} // namespace

class TestDrawRecords : public QObject {
    Q_OBJECT

private slots:
    void fairDrawShufflesTheHitsFirst_data()
    {
        QTest::addColumn<bool>("fair");
        QTest::newRow("off") << false;
        QTest::newRow("on") << true;
    }

    void fairDrawShufflesTheHitsFirst()
    {
        QFETCH(bool, fair);
        WindowFixture window("en", 0);
        QCheckBox* fairBox = window->fairDrawBox();
        QVERIFY(!fairBox->isChecked());
        if (fair)
            fairBox->click();
        QCOMPARE(window.lottery().Model.FairDraw, fair);
        window.SetUp(6);
        const QStringList hits = Names("H", 6);
        window.Fill("edit2_", hits);
        window.Click(window->buildButton());

        // Either way the ladder is the one the clock's seed gives.
        QCOMPARE(window.lottery().Grid.Cell(1, 2), RungDown);
        QCOMPARE(window.lottery().Grid.Cell(2, 29), RungDown);
        const auto& history = window.lottery().Model.History;
        // Timed by the wall clock, in local time with its offset.
        QCOMPARE(history.back(), DrawEvent(BuildEvent{0, 6, true, fair, DrawRecordTime(window.platform.LocalNow())}));
        QVERIFY(std::get<BuildEvent>(history.back()).Time.startsWith("2014-05-01T09:05:07+"));
        const DrawEvent& before = history[history.size() - 2];
        if (!fair) {
            QCOMPARE(window.platform.SecureRandomRequests, 0);
            QCOMPARE(window.Column("edit2_", 6), hits);
            QCOMPARE(window->shuffleHitsButton()->text(), QStringLiteral("Shuffle"));
            QCOMPARE(before, DrawEvent(SetUpEvent{6}));
            return;
        }
        QVERIFY(window.platform.SecureRandomRequests > 0);
        const auto& shuffle = std::get<ShuffleEvent>(before);
        QVERIFY(shuffle.Fair && !shuffle.Seed && shuffle.Column == DrawColumn::Hits);
        QStringList shuffled;
        for (const int32_t row : shuffle.Order)
            shuffled.append(hits[row - 1]);
        QVERIFY(shuffled != hits);
        QCOMPARE(window.Column("edit2_", 6), shuffled);
        QCOMPARE(window->shuffleHitsButton()->text(), QStringLiteral("Shuffle(1)"));
        QCOMPARE(window.lottery().Model.LastBuild->Hits, shuffled);
    }

    void savedDrawOpensAsItWas_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<bool>("crossLines");
        QTest::addColumn<bool>("fair");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("verdict");
        QTest::newRow("3 rows") << 3 << true << false << "en"
                                << "Verified: same ladder, same results\nEvery shuffle by the program gives its recorded "
                                   "order from its seed. The record is consistent with itself; whether this was the first "
                                   "draw, or a fair one, cannot be told from this record.\nWarning: Fair draw was off at "
                                   "the last Build, so no uniform shuffle was applied; unless the lists were shuffled, the "
                                   "ladder alone favours the members near each hit's own line.";
        QTest::newRow("480 rows, no cross lines, fair, Japanese")
            << 480 << false << true << "ja"
            << "検証済み：同じあみだ、同じ結果\nプログラムによる並べ替えはどれも、シードから記録どおりの順になります。"
               "この記録はそれ自体として矛盾がありません。ただし、これが最初の抽選だったか、公平な抽選だったかは、"
               "この記録からはわかりません。";
    }

    void savedDrawOpensAsItWas()
    {
        QFETCH(int, rows);
        QFETCH(bool, crossLines);
        QFETCH(bool, fair);
        QFETCH(QString, language);
        QFETCH(QString, verdict);
        QTemporaryDir folder;
        WindowFixture window(language, 4242);
        window->crossLinesBox()->setChecked(crossLines);
        window.commands->onFairDrawToggled(fair);
        window.SetUp(rows);
        QStringList members = Names("M", rows);
        members[1].clear(); // an empty member shows as Member-2
        window.Fill("edit1_", members);
        window.Fill("edit2_", Names("H", rows));
        window.platform.Counter = 31337;
        window.Click(window->shuffleMembersButton());
        window.Click(window->buildButton());
        window.Click(window->hitAllButton());
        const Shown played = WhatIsShown(window, rows);

        SaveDraw(window, folder.filePath("lottery")); // the ending is added
        const QString path = folder.filePath("lottery.qdraw");
        const QJsonObject saved = SavedJson(path);
        QCOMPARE(saved["rows"].toInt(), rows);
        QCOMPARE(saved["fairDraw"].toBool(), fair);
        QCOMPARE(saved["time"].toString().left(19), QStringLiteral("2014-05-01T09:05:07"));
        QStringList events{"setup", "shuffle members program 31337", "build 31337"};
        if (fair)
            events.insert(2, "shuffle hits fair");
        QCOMPARE(Events(saved), events);

        window.Click(window->resetButton());
        window->crossLinesBox()->setChecked(!crossLines);
        window.commands->onFairDrawToggled(!fair);
        OpenDraw(window, path);
        // The record's switch is shown; the user's own stays as they left it.
        QCOMPARE(window->fairDrawBox()->isChecked(), fair);
        QCOMPARE(window.platform.Settings.value("FairDraw"), fair ? "false" : "true");
        QCOMPARE(window.platform.Errors, QStringList());
        QCOMPARE(window.platform.Notices, QStringList{verdict});
        QVERIFY(WhatIsShown(window, rows) == played);
        QCOMPARE(window->crossLinesBox()->isChecked(), crossLines);
        QCOMPARE(window->shuffleMembersButton()->text(), language == "ja" ? "ｼｬｯﾌﾙ(1)" : "Shuffle(1)");
        // As after ［HIT-ALL］: the results can be written, a hit click draws its path.
        QVERIFY(window.lottery().Model.ResultColumnShown && window.lottery().Model.LadderBuilt);
        QVERIFY(!window->hitAllButton()->isEnabled() && window->saveTextButton()->isEnabled());
        window.Click(window.Box("edit2_1"));
        QCOMPARE(window.lottery().Model.LitHit, 1);

        // Saved again, it is the same record.
        SaveDraw(window, folder.filePath("again.qdraw"));
        QJsonObject again = SavedJson(folder.filePath("again.qdraw"));
        QJsonObject first = saved;
        for (QJsonObject* record : {&again, &first}) {
            record->remove("time");
            record->remove("sha256");
        }
        QCOMPARE(again, first);
    }

    // Loading the hits after a Build is how Build runs a second time, and RESET starts a lottery anew: the
    // record shows every Build of the run.
    void recordShowsEveryBuild()
    {
        QTemporaryDir folder;
        const QString members = folder.filePath("members.txt");
        const QString hits = folder.filePath("hits.txt");
        WriteTestFile(members, "Ann\nBob\nCy\nDee\n");
        WriteTestFile(hits, "1st\n2nd\n3rd\n4th\n5th\n");
        WindowFixture window("en", 11);
        window.SetUp(2);
        window.Click(window->buildButton());
        window.Click(window->resetButton());
        window.Load(window->loadMembersButton(), members);
        window.Click(window->buildButton());
        window.Load(window->loadHitsButton(), hits);
        window.platform.Counter = 5;
        window.Click(window->shuffleHitsButton());
        window.platform.Counter = 12;
        window.Click(window->buildButton());
        SaveDraw(window, folder.filePath("draw.qdraw"));
        const QJsonObject saved = SavedJson(folder.filePath("draw.qdraw"));
        QCOMPARE(Events(saved), QStringList({"setup", "build 11", "setup", "setup", "load members", "build 11",
                                             "load hits", "shuffle hits program 5", "build 12"}));
        QCOMPARE(saved["seed"].toInteger(), 12);
        QCOMPARE(saved["hits"].toArray().size(), 4);
    }

    void savingOverAnotherRecordAsks_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::newRow("No keeps the earlier record") << false;
        QTest::newRow("Yes replaces it") << true;
    }

    void savingOverAnotherRecordAsks()
    {
        QFETCH(bool, answer);
        QTemporaryDir folder;
        const QString path = folder.filePath("Draw.qdraw");
        WriteTestFile(path, "earlier draw");
        WindowFixture window("en", 11);
        window.SetUp(3);
        window.Click(window->buildButton());
        window.platform.Answers = {answer};
        SaveDraw(window, path);
        QCOMPARE(window.platform.Questions, QStringList{QStringLiteral("\u201C%1\u201D already exists. Replace it?").arg(path)});
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll() != "earlier draw", answer);
    }

    void nothingToSaveBeforeBuild()
    {
        WindowFixture window;
        window.SetUp(3);
        window.Run(&Commands::onSaveDraw);
        QCOMPARE(window.platform.Notices, QStringList{"There is no draw to save yet: build the ladder first."});
        QVERIFY(window.platform.Filters.isEmpty());
    }

    void recordsThatFailLeaveTheWindowAsItWas_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        QTest::newRow("altered") << "draws/bad-altered.qdraw" << "the record has been altered since it was saved";
        QTest::newRow("cut short") << "draws/bad-cut-short.qdraw" << "it is not JSON text";
        QTest::newRow("a list") << "members-crlf.txt" << "It is not a Quorvan draw record";
        QTest::newRow("missing") << "draws/none.qdraw" << "There is no such file (any more)";
    }

    void recordsThatFailLeaveTheWindowAsItWas()
    {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        WindowFixture window("en", 99);
        window.SetUp(4);
        window.Fill("edit1_", Names("M", 4));
        window.Click(window->buildButton());
        window.Click(window->hitAllButton());
        const Shown before = WhatIsShown(window, 4);

        const QString path = TestData(qPrintable(name));
        OpenDraw(window, path);
        QCOMPARE(window.platform.Errors.size(), 1);
        QVERIFY2(window.platform.Errors.first().contains(QStringLiteral("\u201C%1\u201D").arg(path)),
                 qPrintable(window.platform.Errors.first()));
        QVERIFY2(window.platform.Errors.first().contains(reason), qPrintable(window.platform.Errors.first()));
        QVERIFY(window.platform.Notices.isEmpty());
        QVERIFY(WhatIsShown(window, 4) == before);
        QCOMPARE(window->countSpinner()->position(), 4);
    }

    // A record whose results its ladder does not give opens with its ladder, and says where it differs.
    void recordThatDiffersSaysWhere()
    {
        WindowFixture window;
        OpenDraw(window, TestData("draws/bad-differs.qdraw"));
        QCOMPARE(window.platform.Errors, QStringList());
        QCOMPARE(window.platform.Notices.size(), 1);
        const QStringList lines = window.platform.Notices.first().split('\n');
        QCOMPARE(lines.first(), QStringLiteral("Not verified: the record differs from its ladder."));
        QCOMPARE(lines.size(), 3);
        QVERIFY(lines[1].startsWith("Hit 1 ") && lines[2].startsWith("Hit 2 "));
        QVERIFY(window.lottery().Model.ResultColumnShown);
    }
};

QUORVAN_TEST_MAIN(TestDrawRecords)
#include "TestDrawRecords.moc"
