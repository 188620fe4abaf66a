#include "WindowFixture.h"

using namespace quorvan;
using testing::WindowFixture;

namespace {
const QRgb White = qRgb(255, 255, 255);
const QRgb Black = qRgb(0, 0, 0);
} // namespace

class TestBuild : public QObject {
    Q_OBJECT

private slots:
    void buildDrawsTheLadder_data()
    {
        QTest::addColumn<int>("locale");
        QTest::addColumn<QString>("message");
        QTest::newRow("Japanese") << 1041
                                  << "■→→→でました！■Ｈｉｔの所でマウスをクリックするとMemberへ溯ります。";
        QTest::newRow("English") << 1033 << "*- completion -*  Mouse click in \"Hit\"";
    }

    void buildDrawsTheLadder()
    {
        QFETCH(int, locale);
        QFETCH(QString, message);
        WindowFixture window(locale, 0);
        TFMAIN& form = *window.form;
        window.ChooseCount(3);
        window.Click(form.BitBtn1);
        window.Click(form.BitBtn2);

        QCOMPARE(form.Image1->height(), 80);
        QCOMPARE(form.SText->text(), message);
        QCOMPARE(form.State.LadderBuilt, 1);
        QVERIFY(!form.BitBtn2->isEnabled());
        QVERIFY(form.Button1->isEnabled());
        QVERIFY(!form.Button4->isEnabled());
        QVERIFY(!form.Button5->isEnabled());
        QCOMPARE(window.platform.Cursor, MouseCursor::Default);

        // The seed-0 ladder: rungs at columns 2, 9, 37 below line 1.
        QCOMPARE(form.State.Grid.Cell(1, 2), RungDown);
        QCOMPARE(form.State.Grid.Cell(2, 37), RungUp);
        QCOMPARE(form.State.Grid.Cell(2, 29), RungDown);
        const QImage& image = form.Bitmap().Image();
        for (const int y : {20, 40, 60})
            QCOMPARE(image.pixel(220, y), Black);
        QCOMPARE(image.pixel(20, 30), Black);  // rung at column 2
        QCOMPARE(image.pixel(30, 30), White);  // no rung at column 3
        QCOMPARE(image.pixel(290, 50), Black); // rung at column 29, second gap
        QCOMPARE(image.pixel(220, 70), White);
    }

    void crossLinesUncheckedNeverCrosses()
    {
        WindowFixture window(1033, 8);
        TFMAIN& form = *window.form;
        form.CheckBox1->setChecked(false);
        window.ChooseCount(3);
        window.Click(form.BitBtn1);
        window.Click(form.BitBtn2);
        QCOMPARE(form.State.Grid.Cell(2, 25), RungUp);
        QCOMPARE(form.State.Grid.Cell(3, 25), RungNone);
    }

    void penIsBlackAfterRed()
    {
        WindowFixture window;
        TFMAIN& form = *window.form;
        window.Click(form.BitBtn1);
        form.Bitmap().SetPenColour(ColourRed);
        window.Click(form.BitBtn2);
        QCOMPARE(form.Bitmap().PenColour(), ColourBlack);
        QCOMPARE(form.Bitmap().PenWidth(), 2);
        QCOMPARE(form.Bitmap().Image().pixel(300, 20), Black);
    }

    void tallestLadderFitsTheBitmap()
    {
        WindowFixture window;
        TFMAIN& form = *window.form;
        window.ChooseCount(480);
        window.Click(form.BitBtn1);
        window.Click(form.BitBtn2);
        QVERIFY(window.platform.Errors.isEmpty());
        QCOMPARE(form.Image1->height(), 9620);
        QCOMPARE(form.Bitmap().Height(), 10620);
        QCOMPARE(form.Bitmap().Image().pixel(200, 9600), Black);
        QCOMPARE(form.Bitmap().Image().pixel(200, 9625), White);
        bool deepest = false;
        for (int column = 1; column <= 42; ++column)
            deepest |= form.State.Grid.Cell(480, column) == RungUp;
        QVERIFY(deepest);
        QVERIFY(form.Client()->height() >= 102 + 9620);
    }
};

QTEST_MAIN(TestBuild)
#include "TestBuild.moc"
