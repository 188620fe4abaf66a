#include "window/Pixels.h"
#include "window/WindowFixture.h"

using namespace quorvan;
using namespace quorvan::testing;

class TestBuild : public QObject {
    Q_OBJECT

private slots:
    void buildDrawsTheLadder_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("message");
        QTest::newRow("Japanese") << "ja"
                                  << "■→→→でました！■Ｈｉｔの所でマウスをクリックするとMemberへ溯ります。";
        QTest::newRow("English") << "en" << "*- completion -*  Mouse click in \"Hit\"";
    }

    void buildDrawsTheLadder()
    {
        QFETCH(QString, language);
        QFETCH(QString, message);
        WindowFixture window(language, 0);
        MainWindow& form = *window;
        window.SetUp(3);
        window.Click(form.buildButton());

        QCOMPARE(form.ladderImage()->height(), 80);
        QCOMPARE(form.messageLine()->text(), message);
        QVERIFY(window.lottery().Model.LadderBuilt);
        QCOMPARE(window.platform.Cursor, MouseCursor::Default);

        // The seed-0 ladder: rungs at columns 2, 9, 37 below line 1.
        QCOMPARE(window.lottery().Grid.Cell(1, 2), RungDown);
        QCOMPARE(window.lottery().Grid.Cell(2, 37), RungUp);
        QCOMPARE(window.lottery().Grid.Cell(2, 29), RungDown);
        const QImage& image = form.bitmap().Image();
        for (const int y : {20, 40, 60})
            QCOMPARE(image.pixel(220, y), Black);
        QCOMPARE(image.pixel(20, 30), Black);  // rung at column 2
        QCOMPARE(image.pixel(30, 30), White);  // no rung at column 3
        QCOMPARE(image.pixel(290, 50), Black); // rung at column 29, second gap
        QCOMPARE(image.pixel(220, 70), White);
    }

    void crossLinesUncheckedNeverCrosses()
    {
        WindowFixture window("en", 8);
        MainWindow& form = *window;
        form.crossLinesBox()->setChecked(false);
        window.SetUp(3);
        window.Click(form.buildButton());
        QCOMPARE(window.lottery().Grid.Cell(2, 25), RungUp);
        QCOMPARE(window.lottery().Grid.Cell(3, 25), RungNone);
    }

    void penIsBlackAfterRed()
    {
        WindowFixture window;
        MainWindow& form = *window;
        window.Click(form.setUpButton());
        form.bitmap().SetPenColour(ColourRed);
        window.Click(form.buildButton());
        QCOMPARE(form.bitmap().PenColour(), ColourBlack);
        QCOMPARE(form.bitmap().PenWidth(), 2);
        QCOMPARE(form.bitmap().Image().pixel(300, 20), Black);
    }

    void tallestLadderFitsTheBitmap()
    {
        WindowFixture window;
        MainWindow& form = *window;
        window.SetUp(480);
        window.Click(form.buildButton());
        QVERIFY(window.platform.Errors.isEmpty());
        QCOMPARE(form.ladderImage()->height(), 9620);
        QCOMPARE(form.bitmap().Height(), 10620);
        QCOMPARE(form.bitmap().Image().pixel(200, 9600), Black);
        QCOMPARE(form.bitmap().Image().pixel(200, 9625), White);
        bool deepest = false;
        for (int column = 1; column <= 42; ++column)
            deepest |= window.lottery().Grid.Cell(480, column) == RungUp;
        QVERIFY(deepest);
        QVERIFY(form.client()->height() >= 102 + 9620);
    }
};

QUORVAN_TEST_MAIN(TestBuild)
#include "TestBuild.moc"
