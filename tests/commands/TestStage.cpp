// The stage: its settled picture against the traced path, the same whether
// animated, skipped or without motion; the reveal order and its words; the
// stage following the operator's commands; its screen remembered.

#include "TestData.h"
#include "commands/RevealOrder.h"
#include "ladder/SeededGeneration.h"
#include "texts/UserText.h"
#include "window/Pixels.h"
#include "window/StageCamera.h"
#include "window/StageLook.h"
#include "window/StageSettings.h"
#include "window/StageWindow.h"
#include "window/WindowFixture.h"

#include <QAccessible>
#include <QAnimationDriver>
#include <QBasicTimer>
#include <QElapsedTimer>
#include <QPainter>
#include <QScreen>
#include <QTemporaryDir>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

using namespace quorvan;
using namespace quorvan::testing;

namespace {

// The lines a hit's path runs along, walked from the rules: from the hit end leftward,
// a rung leaving downward takes the path down to where it arrives, one arriving from above takes it up.
QList<int> Route(const Ladder& grid, int32_t line)
{
    QList<int> lines{line};
    for (int32_t column = Ladder::Columns - 1; column >= 0; --column) {
        if (grid.Cell(line, column) == RungDown)
            do ++line; while (grid.Cell(line, column) != RungUp);
        else if (grid.Cell(line, column) == RungUp)
            do --line; while (grid.Cell(line, column) != RungDown);
        if (line != lines.back())
            lines << line;
    }
    return lines;
}

// The member a hit reaches.
int32_t Walk(const Ladder& grid, int32_t line)
{
    return Route(grid, line).back();
}

bool PathRed(QRgb pixel)
{
    return qRed(pixel) > 200 && qGreen(pixel) < 140 && qBlue(pixel) < 130;
}

// The lines (1-based, of `rows` equal columns between margins of 3 % of the height) the red path
// of an image runs along, from the bottom up: the column of each image row whose red lies in one column.
QList<int> RedRoute(const QImage& image, int32_t rows)
{
    const double margin = std::round(image.height() * 0.03);
    const double column = (image.width() - 2 * margin) / rows;
    QList<int> lines;
    for (int y = image.height() - 1; y >= 0; --y) {
        QSet<int> found;
        for (int x = 0; x < image.width(); ++x)
            if (PathRed(image.pixel(x, y)))
                found.insert(int(std::floor((x - margin) / column)) + 1);
        if (found.size() == 1 && (lines.isEmpty() || lines.back() != *found.begin()))
            lines << *found.begin();
    }
    return lines;
}

StageScene SceneOf(const Ladder& grid, int32_t rows)
{
    StageScene scene;
    scene.Rows = rows;
    for (int32_t row = 1; row <= rows; ++row) {
        scene.Members << QStringLiteral("Member %1").arg(row);
        scene.Prizes << QStringLiteral("Prize %1").arg(row);
    }
    scene.Built = true;
    PutLadder(scene, grid, rows);
    return scene;
}

// What a screen reader was told: each name announced, with the object it names, latest last.
std::vector<std::pair<QObject*, QString>> Told;

void RecordTold(QAccessibleEvent* event)
{
    if (event->type() == QAccessible::NameChanged && event->accessibleInterface())
        Told.emplace_back(event->object(), event->accessibleInterface()->text(QAccessible::Name));
}

QString LastTold(QObject* object)
{
    for (auto told = Told.rbegin(); told != Told.rend(); ++told)
        if (told->first == object)
            return told->second;
    return QStringLiteral("<nothing>");
}

} // namespace

// The stage's animations at eight times their speed, in steps of the same
// size: a path or afterglow the tests wait for takes an eighth of its time.
class FastAnimations : public QAnimationDriver {
public:
    qint64 elapsed() const override { return clock_.elapsed() * 8; }

protected:
    void start() override
    {
        clock_.start();
        ticks_.start(2, this);
        QAnimationDriver::start();
    }
    void stop() override
    {
        ticks_.stop();
        QAnimationDriver::stop();
    }
    void timerEvent(QTimerEvent*) override { advance(); }

private:
    QElapsedTimer clock_;
    QBasicTimer ticks_;
};

class TestStage : public QObject {
    Q_OBJECT
    FastAnimations animations_;

private slots:
    void initTestCase()
    {
        animations_.install();
        QAccessible::installUpdateHandler(RecordTold);
        // No screen reader turns accessibility on offscreen: the test does, as one would.
        QPlatformAccessibility* accessibility = QGuiApplicationPrivate::platformIntegration()->accessibility();
        QVERIFY(accessibility);
        accessibility->setActive(true);
    }

    void settledPictureFollowsTheTracedPath_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<uint>("seed");
        QTest::addColumn<int>("hit");
        QTest::newRow("2 rows") << 2 << 7u << 1;
        QTest::newRow("30 rows") << 30 << 11u << 17;
        QTest::newRow("480 rows") << 480 << 5u << 333;
    }

    void settledPictureFollowsTheTracedPath()
    {
        QFETCH(int, rows);
        QFETCH(uint, seed);
        QFETCH(int, hit);
        Ladder grid;
        GenerateLadderFromSeed(LadderShape{rows, false}, seed, grid);
        const StageScene before = SceneOf(grid, rows);
        StageScene after = before;
        after.Revealed = {hit};

        // Animated to its end, skipped at once, and without motion.
        QImage pictures[3];
        for (int way = 0; way < 3; ++way) {
            StageWindow stage;
            stage.resize(1920, 1080);
            stage.setPathDuration(500);
            stage.setReducedMotion(way == 2);
            stage.showScene(before);
            stage.showScene(after);
            QCOMPARE(stage.animating(), way != 2);
            if (way == 0)
                QTRY_VERIFY(!stage.animating());
            else
                stage.skipAnimation();
            QCOMPARE(stage.frame().CardHit, hit);
            pictures[way] = stage.grab().toImage();
        }
        QVERIFY(pictures[0] == pictures[1]);
        QVERIFY(pictures[2] == pictures[1]);

        // Without the card and in full view, the red path runs from the hit's rail at the bottom
        // along the lines the rules' walk takes to the member's rail at the top.
        QImage plain(1920, 1080, QImage::Format_RGB32);
        QPainter painter(&plain);
        PaintStage(painter, plain.size(), after, StageFrame{});
        painter.end();
        QCOMPARE(RedRoute(plain, rows), Route(grid, hit));
    }

    // On a ladder too tall to show whole, the camera zooms from where it was to the marker as the
    // path begins and, from its middle on, follows it with readable type, the marker in view; over
    // three seconds at 60 frames a second no frame shows a jump.
    void cameraFollowsTheMarker_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<uint>("seed");
        QTest::addColumn<int>("hit");
        QTest::addColumn<double>("fromColumn"); // the first line in view before, -1 for the whole ladder
        QTest::newRow("30 rows") << 30 << 3u << 12 << -1.0;
        QTest::newRow("120 rows") << 120 << 9u << 100 << -1.0;
        QTest::newRow("480 rows") << 480 << 5u << 7 << -1.0;
        QTest::newRow("480 rows, last line") << 480 << 2u << 480 << -1.0;
        QTest::newRow("480 rows, from the far end") << 480 << 5u << 7 << 440.0;
        QTest::newRow("480 rows, from nearby") << 480 << 5u << 7 << 20.0;
    }

    void cameraFollowsTheMarker()
    {
        QFETCH(int, rows);
        QFETCH(uint, seed);
        QFETCH(int, hit);
        QFETCH(double, fromColumn);
        Ladder grid;
        GenerateLadderFromSeed(LadderShape{rows, false}, seed, grid);
        const std::vector<QPoint> path = SceneOf(grid, rows).Paths[hit - 1];
        StageFrame from;
        if (fromColumn >= 0) {
            from.FirstColumn = fromColumn;
            from.VisibleColumns = ReadableColumns;
        }
        double width = fromColumn >= 0 ? ReadableColumns : rows;
        double centre = fromColumn >= 0 ? fromColumn + width / 2 : rows / 2.0;
        for (int step = 0; step <= 180; ++step) {
            const double progress = step / 180.0;
            StageFrame frame;
            FollowPath(frame, rows, path, progress, from);
            const QString where = QStringLiteral("at %1").arg(progress);
            if (rows <= 30) {
                QCOMPARE(frame.VisibleColumns, 0.0);
                continue;
            }
            if (step == 0) {
                QCOMPARE(frame.FirstColumn, from.FirstColumn);
                QCOMPARE(frame.VisibleColumns, from.VisibleColumns);
            }
            const double shown = frame.VisibleColumns > 0 ? frame.VisibleColumns : rows;
            const double middle = frame.FirstColumn + shown / 2;
            QVERIFY2(frame.FirstColumn >= 0 && frame.FirstColumn + shown <= rows + 1e-9, qPrintable(where));
            QVERIFY2(std::abs(middle - centre) <= 0.1 * shown, qPrintable(where));
            QVERIFY2(std::abs(std::log(shown / width)) <= 0.15, qPrintable(where));
            centre = middle;
            width = shown;
            if (progress >= 0.5) {
                // Line r lies between r - 1 and r lines from the left edge of line 1.
                const double line = PointAlong(path, progress).y() / RowPitch;
                QVERIFY2(shown <= ReadableColumns + 1e-9, qPrintable(where));
                QVERIFY2(line - 1 >= frame.FirstColumn - 1e-9 && line <= frame.FirstColumn + shown + 1e-9,
                         qPrintable(where));
            }
        }
    }

    // After a path reaches its member: a celebration unless switched off or motion is reduced,
    // ending in the picture a skipped path settles on; after the last prize of a tall ladder, the whole ladder.
    void afterAReveal_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<bool>("celebration");
        QTest::addColumn<bool>("reduced");
        QTest::addColumn<bool>("celebrated");
        QTest::newRow("celebrated") << 8 << true << false << true;
        QTest::newRow("switched off") << 8 << false << false << false;
        QTest::newRow("reduced motion") << 8 << true << true << false;
        QTest::newRow("tall ladder") << 120 << true << false << true;
        QTest::newRow("tall ladder, reduced motion") << 120 << false << true << false;
    }

    void afterAReveal()
    {
        QFETCH(int, rows);
        QFETCH(bool, celebration);
        QFETCH(bool, reduced);
        QFETCH(bool, celebrated);
        Ladder grid;
        GenerateLadderFromSeed(LadderShape{rows, false}, 13, grid);
        StageScene scene = SceneOf(grid, rows);
        // Two prizes: the hits on the first and the last line.
        for (int row = 2; row < rows; ++row)
            scene.Prizes[row - 1].clear();
        QImage pictures[2];
        for (int way = 0; way < 2; ++way) {
            StageWindow stage;
            stage.resize(1280, 720);
            stage.setPathDuration(500);
            stage.setCelebration(celebration);
            stage.setReducedMotion(reduced);
            stage.showScene(scene);
            double most = 0;
            for (int32_t hit : {1, rows}) {
                scene.Revealed.push_back(hit);
                stage.showScene(scene);
                if (way == 1)
                    stage.skipAnimation();
                while (stage.animating()) {
                    most = std::max(most, stage.frame().Celebration);
                    QTest::qWait(5);
                }
                QCOMPARE(stage.frame().CardHit, hit);
                QCOMPARE(stage.frame().Celebration, 0.0);
                // Still on the member's lines after the first prize; the whole ladder after the last.
                QCOMPARE(stage.frame().VisibleColumns == 0, rows <= ReadableColumns || hit == rows);
            }
            scene.Revealed.clear();
            QCOMPARE(most > 0, celebrated && way == 0);
            pictures[way] = stage.grab().toImage();
        }
        QVERIFY(pictures[0] == pictures[1]);
    }

    // Names cut to fit a small screen keep both their ends: two that differ only at the end
    // ("Member 12", "Member 13") look different on an 800 × 600 stage.
    void cutNamesStayApart()
    {
        Ladder grid;
        GenerateLadderFromSeed(LadderShape{12, false}, 1, grid);
        StageScene scene = SceneOf(grid, 12);
        QImage pictures[2];
        for (const int last : {0, 1}) {
            scene.Members[11] = QStringLiteral("Member %1").arg(12 + last);
            pictures[last] = QImage(800, 600, QImage::Format_RGB32);
            QPainter painter(&pictures[last]);
            PaintStage(painter, pictures[last].size(), scene, StageFrame{});
        }
        QVERIFY(pictures[0] != pictures[1]);
    }

    void ordinals_data()
    {
        QTest::addColumn<int>("place");
        QTest::addColumn<QString>("english");
        for (const auto& [place, words] : {std::pair{1, "1st"}, {2, "2nd"}, {3, "3rd"}, {4, "4th"}, {11, "11th"},
                                          {12, "12th"}, {13, "13th"}, {21, "21st"}, {102, "102nd"}, {111, "111th"}})
            QTest::newRow(words) << place << QString::fromLatin1(words);
    }

    void ordinals()
    {
        QFETCH(int, place);
        QFETCH(QString, english);
        QCOMPARE(PlaceWords(place), english);
    }

    // After each command of the sequence the stage shows what the operator's window shows:
    // the names and prizes in its boxes, the ladder on its bitmap, the latest path in red
    // there and the highlighted boxes, the curtain gone once the result column shows.
    void stageFollowsEveryCommand_data()
    {
        QTest::addColumn<int>("steps");
        QTest::addColumn<bool>("built");
        QTest::addColumn<int>("reveals");
        QTest::newRow("set-up") << 1 << false << 0;
        QTest::newRow("reset") << 2 << false << 0;
        QTest::newRow("members imported") << 3 << false << 0;
        QTest::newRow("hits imported") << 4 << false << 0;
        QTest::newRow("members shuffled") << 5 << false << 0;
        QTest::newRow("hits shuffled") << 6 << false << 0;
        QTest::newRow("build") << 7 << true << 0;
        QTest::newRow("next from the menu") << 8 << true << 1;
        QTest::newRow("next from the remote") << 9 << true << 2;
        QTest::newRow("hit click") << 10 << true << 3;
        QTest::newRow("back") << 11 << true << 2;
        QTest::newRow("hit-all") << 12 << true << 2;
        QTest::newRow("saved and reset") << 13 << false << 0;
        QTest::newRow("open draw") << 14 << true << 0;
        QTest::newRow("hit click after open draw") << 15 << true << 1;
    }

    void stageFollowsEveryCommand()
    {
        QFETCH(int, steps);
        QFETCH(bool, built);
        QFETCH(int, reveals);
        QTemporaryDir folder;
        WriteTestFile(folder.filePath("members.txt"), "Ann\nBob\nCy\nDee\nEve\n");
        WriteTestFile(folder.filePath("hits.txt"), "Car\n\nBike\nMug\nPen\n");
        WindowFixture window(QStringLiteral("en"), 17);
        window.Run(&Commands::onStage);
        StageWindow* stage = window.commands->stage();
        QVERIFY(stage && stage->isVisible());
        stage->setReducedMotion(true);
        const std::function<void()> sequence[] = {
            [&] { window.SetUp(5); },
            [&] { window.Click(window->resetButton()); },
            [&] { window.Load(window->loadMembersButton(), folder.filePath("members.txt")); },
            [&] { window.Load(window->loadHitsButton(), folder.filePath("hits.txt")); },
            [&] { window.Click(window->shuffleMembersButton()); },
            [&] { window.Click(window->shuffleHitsButton()); },
            [&] { window.Click(window->buildButton()); },
            [&] { window.Run(&Commands::onRevealNext); },
            [&] { QTest::keyClick(stage, Qt::Key_Right); },
            [&] { window.Click(window.Box("edit2_5")); },
            [&] { QTest::keyClick(stage, Qt::Key_PageUp); },
            [&] { window.Click(window->hitAllButton()); },
            [&] {
                window.platform.SaveAnswers.append(folder.filePath("draw.qdraw"));
                window.Run(&Commands::onSaveDraw);
                window.Click(window->resetButton());
            },
            [&] {
                window.platform.OpenAnswers.append(folder.filePath("draw.qdraw"));
                window.Run(&Commands::onOpenDraw);
            },
            [&] { window.Click(window.Box("edit2_2")); },
        };
        Told.clear();
        for (int step = 0; step < steps; ++step)
            sequence[step]();
        const StageScene& scene = stage->scene();
        QCOMPARE(window.platform.Errors, QStringList());

        const int rows = window->countSpinner()->position();
        QCOMPARE(scene.Rows, rows);
        const auto shown = [&](const QString& prefix) {
            QStringList texts = window.Column(prefix, rows);
            for (QString& text : texts)
                text = text == QStringLiteral("<none>") ? QString() : text.trimmed();
            return texts;
        };
        QCOMPARE(scene.Members, shown(QStringLiteral("edit1_")));
        QCOMPARE(scene.Prizes, shown(QStringLiteral("edit2_")));
        QCOMPARE(scene.Built, built);
        QCOMPARE(int(scene.Revealed.size()), reveals);
        QCOMPARE(scene.Curtain, window.Box(QStringLiteral("edit3_1")) == nullptr);
        // The status line, told to a screen reader as it changes.
        if (!window->statusText().isEmpty())
            QCOMPARE(LastTold(window->statusBar()), window->statusText());

        // The boxes the operator sees marked: the latest prize's hit and its winner.
        const auto marked = [&](const QString& prefix) {
            QList<int> found;
            for (int row = 1; row <= rows; ++row)
                if (window.Box(prefix + QString::number(row))->palette().color(QPalette::Base) == QColor(255, 236, 140))
                    found << row;
            return found;
        };
        const QImage& ladder = window->bitmap().Image();
        QList<QPoint> red;
        for (int y = 0; y < ladder.height(); ++y)
            for (int x = 0; x < ladder.width(); ++x)
                if (ladder.pixel(x, y) == qRgb(255, 0, 0))
                    red << QPoint(x, y);
        if (scene.Revealed.empty()) {
            QCOMPARE(marked(QStringLiteral("edit1_")), QList<int>{});
            QVERIFY(red.isEmpty());
        } else {
            const int latest = scene.Revealed.back();
            const int member = Walk(window.lottery().Grid, latest);
            QCOMPARE(scene.Winners[latest - 1], member);
            QCOMPARE(marked(QStringLiteral("edit2_")), QList<int>{latest});
            QCOMPARE(marked(QStringLiteral("edit1_")), QList<int>{member});
            // The card the room reads, told to a screen reader too.
            const QString prize = scene.Prizes[latest - 1].isEmpty() ? QString::number(latest) : scene.Prizes[latest - 1];
            QCOMPARE(LastTold(stage), prize + QStringLiteral(" \u2192 ") + scene.Members[member - 1]);
            // The operator's red pixels, while there are any, lie along the stage's path of the latest prize
            // and cover it within the operator's ladder.
            QCOMPARE(!red.isEmpty(), scene.LatestLit);
            const std::vector<QPoint>& path = scene.Paths[latest - 1];
            const auto nearPath = [&](QPointF point) {
                for (std::size_t i = 1; i < path.size(); ++i) {
                    const QRectF leg = QRectF(path[i - 1], path[i]).normalized().adjusted(-2, -2, 2, 2);
                    if (leg.contains(point))
                        return true;
                }
                return false;
            };
            QVERIFY(std::all_of(red.begin(), red.end(), nearPath));
            for (double along = 0; along <= 1.0 && scene.LatestLit; along += 0.01) {
                const QPointF point = PointAlong(path, along);
                if (!QRectF(ladder.rect()).contains(point))
                    continue;
                QVERIFY2(std::any_of(red.begin(), red.end(),
                                     [&](QPoint pixel) { return std::abs(pixel.x() - point.x()) <= 2 &&
                                                                std::abs(pixel.y() - point.y()) <= 2; }),
                         qPrintable(QStringLiteral("%1, %2").arg(point.x()).arg(point.y())));
            }
        }
        if (!built)
            return;
        // Every rung the operator's ladder shows, and only those, between each pair of neighbouring lines.
        for (int column = 0; column < Ladder::Columns; ++column)
            for (int line = 1; line < rows; ++line) {
                const QPoint middle(column * ColumnPitch, line * RowPitch + RowPitch / 2);
                const bool drawn = ladder.pixel(middle) != qRgb(255, 255, 255);
                const bool staged = std::any_of(scene.Rungs.begin(), scene.Rungs.end(), [&](const QLine& rung) {
                    return rung.x1() == middle.x() && rung.y1() < middle.y() && rung.y2() > middle.y();
                });
                QVERIFY2(drawn == staged, qPrintable(QStringLiteral("column %1, line %2").arg(column).arg(line)));
            }
    }

    void revealWordsInJapanese()
    {
        WindowFixture window("ja");
        window.SetUp(3);
        window.Fill(QStringLiteral("edit1_"), {"Ann", "Bob", "Cy"});
        window.Fill(QStringLiteral("edit2_"), {"", "Tablet", "Mug"});
        window.Click(window->buildButton());
        window.Click(window.Box("edit2_3"));
        const QString member = window.Box(QStringLiteral("edit1_%1").arg(Walk(window.lottery().Grid, 3)))->text();
        QCOMPARE(window->statusText(), QStringLiteral("2等：Mug \u2192 ") + member);
    }

    // The screen the stage was on comes back in the next run, with the same screens.
    void stageReopensOnTheScreenItWasOn()
    {
        const QList<QScreen*> screens = QGuiApplication::screens();
        QCOMPARE(screens.size(), 2);
        const auto toggle = [](WindowFixture& window) {
            window.Run(&Commands::onStage);
        };
        QMap<QString, QString> kept;
        for (const QScreen* target : {screens[1], screens[0]}) {
            WindowFixture window;
            window.platform.Settings.insert(kept);
            toggle(window);
            StageWindow* stage = window.commands->stage();
            stage->setScreen(const_cast<QScreen*>(target));
            QTest::keyClick(stage, Qt::Key_F11);
            QVERIFY(!stage->isVisible());
            kept = window.platform.Settings;

            WindowFixture next;
            next.platform.Settings.insert(kept);
            toggle(next);
            QVERIFY(next.commands->stage()->isVisible());
            QCOMPARE(next.commands->stage()->screen()->name(), target->name());
            QCOMPARE(next.commands->stage()->geometry(), target->geometry());
        }
    }

    // Text on every theme stands at least 7:1 against what it is drawn on,
    // by the relative luminance of sRGB colours (WCAG 2).
    void themesContrast_data()
    {
        QTest::addColumn<int>("theme");
        QTest::newRow("dark") << int(StageTheme::Dark);
        QTest::newRow("light") << int(StageTheme::Light);
        QTest::newRow("high contrast") << int(StageTheme::HighContrast);
    }

    void themesContrast()
    {
        QFETCH(int, theme);
        const StageLook& look = LookOf(StageTheme(theme));
        for (const auto& [text, ground] : {std::pair{look.Text, look.Background}, {look.HighlightText, look.Highlight},
                                          {look.CurtainText, look.Curtain}, {look.CardText, look.Card}})
            QVERIFY2(Contrast(text, ground) >= 7.0, qPrintable(text.name() + " on " + ground.name()));
    }

    // The remote's keys on the stage, and the same commands in the View menu's slots.
    void remoteKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("revealed");
        QTest::addColumn<bool>("animating");
        QTest::addColumn<bool>("blank");
        QTest::addColumn<bool>("overview");
        QTest::newRow("Right") << int(Qt::Key_Right) << 2 << true << false << false;
        QTest::newRow("Space") << int(Qt::Key_Space) << 2 << true << false << false;
        QTest::newRow("PageDown") << int(Qt::Key_PageDown) << 2 << true << false << false;
        QTest::newRow("Left") << int(Qt::Key_Left) << 0 << false << false << true;
        QTest::newRow("PageUp") << int(Qt::Key_PageUp) << 0 << false << false << true;
        QTest::newRow("B") << int(Qt::Key_B) << 1 << true << true << false;
        QTest::newRow("Home") << int(Qt::Key_Home) << 1 << false << false << true;
        QTest::newRow("Esc") << int(Qt::Key_Escape) << 1 << false << false << false;
    }

    void remoteKeys()
    {
        QFETCH(int, key);
        QFETCH(int, revealed);
        QFETCH(bool, animating);
        QFETCH(bool, blank);
        QFETCH(bool, overview);
        WindowFixture window;
        window.SetUp(40);
        QStringList prizes;
        for (int row = 1; row <= 40; ++row)
            prizes << QStringLiteral("Prize %1").arg(row);
        window.Fill(QStringLiteral("edit2_"), prizes);
        window.Click(window->buildButton());
        window.Run(&Commands::onStage);
        StageWindow* stage = window.commands->stage();
        stage->setPathDuration(10000);
        QTest::keyClick(stage, Qt::Key_Right); // the first path starts
        QVERIFY(stage->animating());
        if (key == Qt::Key_Right || key == Qt::Key_Space || key == Qt::Key_PageDown)
            QTest::keyClick(stage, Qt::Key_Escape); // a press while a path runs only ends it
        QTest::keyClick(stage, Qt::Key(key));
        QCOMPARE(int(stage->scene().Revealed.size()), revealed);
        QCOMPARE(stage->animating(), animating);
        QCOMPARE(stage->frame().Blank, blank);
        // While a path runs the camera is on its way; once still, it shows the whole ladder or follows.
        if (!animating)
            QCOMPARE(stage->frame().VisibleColumns == 0, overview);
    }

    // Reveal all: the remaining prizes one after another, each after the last
    // path's end and the pause, then the whole ladder.
    void revealAll()
    {
        WindowFixture window;
        window.SetUp(4);
        window.Fill(QStringLiteral("edit2_"), {"Car", "", "Bike", "Mug"});
        window.Click(window->buildButton());
        StageSettings settings = window.commands->stageSettings();
        settings.PauseMilliseconds = 200;
        settings.PathMilliseconds = 500;
        window.commands->useStageSettings(settings);
        window.Run(&Commands::onStage);
        StageWindow* stage = window.commands->stage();
        window.Run(&Commands::onRevealAll);
        QCOMPARE(stage->scene().Revealed, std::vector<int32_t>{1});
        QVERIFY(stage->animating());
        QTRY_COMPARE(stage->scene().Revealed, (std::vector<int32_t>{1, 3}));
        QTRY_COMPARE(stage->scene().Revealed, (std::vector<int32_t>{1, 3, 4}));
        QTRY_VERIFY(!stage->animating());
        QCOMPARE(LoadStageSettings(window.platform), settings);
    }
};

QUORVAN_TEST_MAIN(TestStage)
#include "TestStage.moc"
