#include "app/TerminalText.h"
#include "window/WindowFixture.h"

#include <QImage>
#include <QTextBrowser>
#include <QTimer>

using namespace quorvan;
using testing::WindowFixture;

namespace {

ControlFont Font(const char* face, int pixels, QColor colour)
{
    QFont font(QString::fromLatin1(face));
    font.setPixelSize(pixels);
    font.setHintingPreference(QFont::PreferNoHinting); // as every text of the designed area
    return {font, colour};
}

void VerifyFont(QWidget* box, const ControlFont& expected)
{
    QVERIFY2(box, "box missing");
    QCOMPARE(box->font(), expected.Font);
    QCOMPARE(box->palette().color(QPalette::Active, QPalette::Text), expected.Colour);
}

} // namespace

class TestWindowUtilities : public QObject {
    Q_OBJECT

private slots:
    // quorvan --verify's words: what a terminal would act on is written out.
    void terminalTextShowsWhatWouldActOnTheTerminal_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("plain") << "Verified: Ann, 田中\n" << "Verified: Ann, 田中\n";
        QTest::newRow("clear the screen") << "\x1b[2J\x1b[HVerified" << "\\u{001B}[2J\\u{001B}[HVerified";
        QTest::newRow("carriage return") << "Not verified\rVerified" << "Not verified\\u{000D}Verified";
        QTest::newRow("C1 control") << QString(QChar(0x9B)) + "31m" << "\\u{009B}31m";
        QTest::newRow("right-to-left override") << QString(QChar(0x202E)) + "deifirev" << "\\u{202E}deifirev";
        QTest::newRow("isolate") << QString(QChar(0x2067)) + "x" + QChar(0x2069) << "\\u{2067}x\\u{2069}";
    }

    void terminalTextShowsWhatWouldActOnTheTerminal()
    {
        QFETCH(QString, text);
        QTEST(TerminalText(text), "shown");
    }

    void applyGivesTheFontToEveryRowBox()
    {
        WindowFixture window;
        MainWindow& form = *window;
        window.PlayLottery(5);
        const QFont resultFont = window.Box("edit3_3")->font();

        const ControlFont first = Font("DejaVu Serif", 18, QColor(200, 0, 0));
        const ControlFont second = Font("DejaVu Sans Mono", 11, QColor(0, 0, 200));
        window.platform.FontsToApply = {first, second};
        window.Click(form.fontButton());

        QCOMPARE(window.platform.FontDialogStarts.size(), 1);
        const ControlFont start = window.platform.FontDialogStarts.first();
        QCOMPARE(start.Font.family(), QStringLiteral("Terminal"));
        QCOMPARE(start.Font.pixelSize(), 13);
        for (int row = 1; row <= 5; ++row) {
            VerifyFont(window.Box(QStringLiteral("edit1_%1").arg(row)), second);
            VerifyFont(window.Box(QStringLiteral("edit2_%1").arg(row)), second);
            QCOMPARE(window.Box(QStringLiteral("edit3_%1").arg(row))->font(), resultFont);
        }
        QCOMPARE(window.Box("edit1_2")->height(), 11 + 8);

        // Cancelled after the applies: the dialog starts from the last applied next time.
        window.platform.FontsToApply.clear();
        window.Click(form.fontButton());
        QCOMPARE(window.platform.FontDialogStarts.last().Font, second.Font);
        QVERIFY(window.platform.Errors.isEmpty());
    }

    void okWithoutApplyChangesNoBox()
    {
        WindowFixture window;
        MainWindow& form = *window;
        window.Click(form.setUpButton());
        const QFont before = form.firstMemberBox()->font();
        const ControlFont confirmed = Font("DejaVu Serif", 20, QColor(0, 0, 0));
        window.platform.FontToConfirm = confirmed;
        window.Click(form.fontButton());
        QCOMPARE(form.firstMemberBox()->font(), before);
        QCOMPARE(window.Box("edit2_2")->font(), before);

        window.platform.FontToConfirm.reset();
        window.Click(form.fontButton());
        QCOMPARE(window.platform.FontDialogStarts.last().Font, confirmed.Font);
    }

    void setUpAfterApplyUsesTheAppliedFont()
    {
        WindowFixture window;
        MainWindow& form = *window;
        // Before any Set-up only row 1 has boxes though the spinner says 2.
        const ControlFont applied = Font("DejaVu Sans", 15, QColor(0, 120, 0));
        window.platform.FontsToApply = {applied};
        window.Click(form.fontButton());
        QVERIFY(window.platform.Errors.isEmpty());
        VerifyFont(form.firstMemberBox(), applied);
        VerifyFont(form.firstHitBox(), applied);

        window.SetUp(4);
        VerifyFont(window.Box("edit1_4"), applied);
        VerifyFont(window.Box("edit2_3"), applied);
    }

    void clipboardAndGuide()
    {
        WindowFixture window;
        MainWindow& form = *window;
        window.Click(form.clipboardButton());
        QCOMPARE(window.platform.CapturedWindow, &form);

        // The guide in a window of its own, its picture loaded from beside the page.
        window.Click(form.guideLink());
        QVERIFY(window.platform.Errors.isEmpty());
        auto* guide = form.findChild<QTextBrowser*>(QStringLiteral("guideWindow"));
        QVERIFY(guide && guide->isVisible() && guide->isWindow());
        QCOMPARE(guide->source(), QUrl(window.platform.Guide));
        QCOMPARE(guide->documentTitle(), QStringLiteral("Quorvan — user guide"));
        const QVariant picture = guide->loadResource(QTextDocument::ImageResource, QUrl(QStringLiteral("fairness.png")));
        QVERIFY(!QImage::fromData(picture.toByteArray()).isNull());
        // The page its language link names opens in the same window.
        guide->setSource(guide->source().resolved(QUrl(QStringLiteral("index.ja.html"))));
        QCOMPARE(guide->documentTitle(), QStringLiteral("Quorvan — 使い方"));
    }

    void exitEndsTheProgram()
    {
        WindowFixture window;
        window.SetUp(3);
        window.Click(window->buildButton());
        bool timedOut = false;
        QTimer::singleShot(0, window.get(), [&] { window.Click(window->exitButton()); });
        QTimer::singleShot(5000, qApp, [&] {
            timedOut = true;
            QApplication::quit();
        });
        QApplication::exec();
        QVERIFY(!timedOut);
        QVERIFY(!window->isVisible());
    }
};

QUORVAN_TEST_MAIN(TestWindowUtilities)
#include "TestWindowUtilities.moc"
