#include "ladder/FairnessFigures.h"
#include "window/FairnessDialog.h"
#include "window/HeatMap.h"
#include "window/WindowFixture.h"

#include <QPointer>
#include <QProcess>
#include <QTemporaryDir>

using namespace quorvan;
using testing::WindowFixture;

namespace {

constexpr int RunTimeout = 60000; // the sanitizer build is slow

FairnessDialog* OpenView(WindowFixture& window)
{
    window.commands->onFairnessView();
    return window->findChild<FairnessDialog*>();
}

// The cells of a CSV file as Python's own csv module reads them, but the corner cell.
QStringList CsvCells(const QString& path)
{
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral("-c"),
                  QStringLiteral("import csv, sys\n"
                                 "rows = list(csv.reader(open(sys.argv[1], newline='')))\n"
                                 "print(*rows[0][1:], *(cell for row in rows[1:] for cell in row))"),
                  path});
    python.waitForFinished();
    return QString::fromUtf8(python.readAllStandardOutput()).simplified().split(QLatin1Char(' '));
}

} // namespace

class TestFairnessView : public QObject {
    Q_OBJECT

private slots:
    void runsAndSaves_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("figuresStart");
        QTest::newRow("English") << "en" << QStringLiteral("Most likely: hit ");
        QTest::newRow("Japanese") << "ja" << QStringLiteral("最も多い組: Hit ");
    }
    void runsAndSaves()
    {
        QFETCH(QString, language);
        QFETCH(QString, figuresStart);
        WindowFixture window(language);
        window.ChooseCount(7);
        window->crossLinesBox()->setChecked(false);
        FairnessDialog* view = OpenView(window);
        QVERIFY(view && view->isVisible());
        QCOMPARE(OpenView(window), view); // asked again, the open view comes forward
        QCOMPARE(window->findChildren<FairnessDialog*>().size(), 1);
        QCOMPARE(view->rowsBox->value(), 7);
        QVERIFY(!view->crossLinesBox->isChecked());
        QVERIFY(!view->savePictureButton->isEnabled());

        window.Click(view->runButton);
        QTRY_VERIFY_WITH_TIMEOUT(view->result().has_value(), RunTimeout);
        QCOMPARE(view->progressBar->value(), FairnessDialog::Ladders);
        QCOMPARE(view->drawnMap->map().size(), QSize(7, 7));
        QCOMPARE(view->shuffledMap->map().size(), QSize(7, 7));
        // Without crossing lines the paths move little: the likeliest pair is
        // far above the fair 1/7, and it is the first words shown.
        const FairnessFigures drawn = FiguresOf(view->result()->AsDrawn, FairnessDialog::Ladders);
        QVERIFY(drawn.TimesFair > 1.5);
        QVERIFY2(view->drawnFigures->text().startsWith(figuresStart + QString::number(drawn.LikeliestHit)),
                 qPrintable(view->drawnFigures->text()));
        QVERIFY(view->shuffledFigures->text().startsWith(figuresStart));

        QTemporaryDir folder;
        // The picture: a name without an ending is given ".png".
        window.platform.SaveAnswers = {folder.filePath("fairness")};
        window.Click(view->savePictureButton);
        QVERIFY2(window.platform.Errors.isEmpty(), qPrintable(window.platform.Errors.join("\n")));
        const QImage picture(folder.filePath("fairness.png"));
        QCOMPARE(picture.size(), view->resultPanel->size() * view->resultPanel->devicePixelRatio());

        // The matrix: the save dialog's first entry is the ladder as drawn, the second after a shuffle.
        window.platform.SaveAnswers = {folder.filePath("drawn.csv"), folder.filePath("shuffled.csv")};
        window.platform.SaveFilterChoices = {0, 1};
        window.Click(view->saveMatrixButton);
        window.Click(view->saveMatrixButton);
        // Members 1-7 across; each hit's row, its number, then how often it reached each member.
        const FairnessResult& result = *view->result();
        for (const auto& [name, counts] : {std::pair{"drawn.csv", result.AsDrawn}, {"shuffled.csv", result.Shuffled}}) {
            QStringList cells{"1", "2", "3", "4", "5", "6", "7"};
            for (int32_t hit = 1; hit <= 7; ++hit) {
                cells << QString::number(hit);
                for (int32_t member = 1; member <= 7; ++member)
                    cells << QString::number(counts.Count(hit, member));
            }
            QCOMPARE(CsvCells(folder.filePath(name)), cells);
        }

        // A folder is refused like any save, named in the message; nothing else is asked.
        window.platform.SaveAnswers = {folder.path()};
        window.Click(view->saveMatrixButton);
        QCOMPARE(window.platform.Errors.size(), 1);
        QVERIFY(window.platform.Errors.first().contains(folder.path()));
        QVERIFY(window.platform.Questions.isEmpty());
    }

    // The legend's marks stand below its bar in any font size: under the
    // dark "never" swatch only the swatch's colour, below it the word.
    void legendMarksBelowTheBar_data()
    {
        QTest::addColumn<int>("pixels");
        QTest::newRow("12 px") << 12;
        QTest::newRow("24 px, as at scale 2") << 24;
        QTest::newRow("40 px") << 40;
    }

    void legendMarksBelowTheBar()
    {
        QFETCH(int, pixels);
        HeatLegend legend(QStringLiteral("never"), QStringLiteral("1/n"));
        QFont font = legend.font();
        font.setPixelSize(pixels);
        legend.setFont(font);
        legend.resize(legend.sizeHint());
        const QImage picture = legend.grab().toImage();
        const QRgb never = HeatColour(0).rgb();
        int swatchBottom = -1;
        int swatchRight = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                if (picture.pixel(x, y) == never) {
                    swatchBottom = std::max(swatchBottom, y);
                    swatchRight = std::max(swatchRight, x);
                }
        QVERIFY(swatchBottom > 0);
        const auto inked = [&](int y) {
            for (int x = 0; x <= swatchRight; ++x)
                if (const QColor c = picture.pixelColor(x, y); c.rgb() != never && c.value() < 128)
                    return true;
            return false;
        };
        int inkedRows = 0;
        for (int y = 0; y < picture.height(); ++y) {
            QVERIFY2(!inked(y) || y > swatchBottom, qPrintable(QString::number(y)));
            inkedRows += inked(y) ? 1 : 0;
        }
        QVERIFY(inkedRows >= pixels / 3); // the word is there, not cut off
    }

    void cancelAndCloseWhileRunning()
    {
        WindowFixture window;
        window.ChooseCount(480);
        QPointer<FairnessDialog> view = OpenView(window);
        // The view hears of the run's end only from its event loop, which does
        // not run between the two clicks: the cancel always comes first, even
        // when the threads have already finished, so a cancelled run shows nothing.
        window.Click(view->runButton);
        QVERIFY(view->cancelButton->isEnabled());
        QVERIFY(!view->runButton->isEnabled());
        window.Click(view->cancelButton);
        QTRY_VERIFY_WITH_TIMEOUT(view->runButton->isEnabled(), RunTimeout);
        QVERIFY(!view->result());
        QVERIFY(!view->saveMatrixButton->isEnabled());

        // Closed while it runs, the view stops its threads and goes.
        window.Click(view->runButton);
        view->close();
        QTRY_VERIFY(view.isNull());
        QVERIFY(window.platform.Errors.isEmpty());
    }
};

QUORVAN_TEST_MAIN(TestFairnessView)
#include "TestFairnessView.moc"
