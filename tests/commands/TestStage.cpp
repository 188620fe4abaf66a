// The stage: its settled picture against the traced path, the same whether
// animated, skipped or without motion; the reveal order and its words; the
// stage following the operator's commands; its screen remembered.

#include "window/WindowFixture.h"
#include "commands/RevealOrder.h"
#include "ladder/NoDrawing.h"
#include "ladder/SeededGeneration.h"
#include "texts/UserText.h"
#include "window/StageLook.h"
#include "window/StageSettings.h"
#include "window/StageWindow.h"

#include <QAccessible>
#include <QPainter>
#include <QScreen>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

using namespace quorvan;
using namespace quorvan::testing;

namespace {

// The member a hit reaches, walked from the rules: from the hit end leftward,
// a rung leaving downward takes the path down to where it arrives, one arriving from above takes it up.
int32_t Walk(const Ladder& grid, int32_t line)
{
    for (int32_t column = Ladder::Columns - 1; column >= 0; --column) {
        if (grid.Cell(line, column) == RungDown)
            do ++line; while (grid.Cell(line, column) != RungUp);
        else if (grid.Cell(line, column) == RungUp)
            do --line; while (grid.Cell(line, column) != RungDown);
    }
    return line;
}

bool PathRed(QRgb pixel)
{
    return qRed(pixel) > 200 && qGreen(pixel) < 140 && qBlue(pixel) < 130;
}

// The columns (1-based, of `rows` equal columns between margins of 3 % of the height)
// holding red path pixels in the topmost and in the bottommost image row that has any.
std::pair<QSet<int>, QSet<int>> PathEnds(const QImage& image, int32_t rows)
{
    const double margin = std::round(image.height() * 0.03);
    const double column = (image.width() - 2 * margin) / rows;
    auto columnsAt = [&](int y) {
        QSet<int> found;
        for (int x = 0; x < image.width(); ++x)
            if (PathRed(image.pixel(x, y)))
                found.insert(int(std::floor((x - margin) / column)) + 1);
        return found;
    };
    int top = 0, bottom = image.height() - 1;
    while (top < image.height() && columnsAt(top).isEmpty())
        ++top;
    while (bottom > 0 && columnsAt(bottom).isEmpty())
        --bottom;
    return {columnsAt(top), columnsAt(bottom)};
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

class TestStage : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
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
        NoDrawing nowhere;
        GenerateLadderFromSeed(LadderShape{rows, false}, seed, grid, nowhere);
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

        // Without the card and in full view, the path leaves the hit's rail at the
        // bottom and reaches the walked member's rail at the top.
        QImage plain(1920, 1080, QImage::Format_RGB32);
        QPainter painter(&plain);
        PaintStage(painter, plain.size(), after, StageFrame{});
        painter.end();
        const auto [top, bottom] = PathEnds(plain, rows);
        QCOMPARE(top, QSet<int>{Walk(grid, hit)});
        QCOMPARE(bottom, QSet<int>{hit});
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

    // After each command of the sequence, what the stage shows: its rows, whether
    // built, the hits revealed in order, the curtain, and the operator's status line.
    void stageFollowsEveryCommand_data()
    {
        QTest::addColumn<int>("steps");
        QTest::addColumn<int>("rows");
        QTest::addColumn<bool>("built");
        QTest::addColumn<QList<int>>("revealed");
        QTest::addColumn<bool>("curtain");
        QTest::addColumn<QString>("status");
        const QString none;
        QTest::newRow("set-up") << 1 << 5 << false << QList<int>{} << true << none;
        QTest::newRow("build") << 2 << 5 << true << QList<int>{} << true
                               << "List check: Row 2 of the hits is empty; 4 hits for 5 members";
        QTest::newRow("next") << 3 << 5 << true << QList<int>{1} << true << "1st prize: Car \u2192 %1";
        QTest::newRow("next skips an empty hit") << 4 << 5 << true << QList<int>{1, 3} << true
                                                 << "2nd prize: Bike \u2192 %1";
        QTest::newRow("hit click") << 5 << 5 << true << QList<int>{1, 3, 5} << true << "4th prize: Pen \u2192 %1";
        QTest::newRow("back") << 6 << 5 << true << QList<int>{1, 3} << true << "2nd prize: Bike \u2192 %1";
        QTest::newRow("hit-all") << 7 << 5 << true << QList<int>{1, 3} << false << "2nd prize: Bike \u2192 %1";
        // Reset takes the count back to its lowest, as the operator's window shows.
        QTest::newRow("reset") << 8 << 2 << false << QList<int>{} << true << none;
    }

    void stageFollowsEveryCommand()
    {
        QFETCH(int, steps);
        QFETCH(int, rows);
        QFETCH(bool, built);
        QFETCH(QList<int>, revealed);
        QFETCH(bool, curtain);
        QFETCH(QString, status);
        WindowFixture window;
        window.commands->boundary().Run([&] { window.commands->onStage(); });
        StageWindow* stage = window.commands->stage();
        QVERIFY(stage && stage->isVisible());
        stage->setReducedMotion(true);
        const QStringList members{"Ann", "Bob", "Cy", "Dee", "Eve"}, prizes{"Car", "", "Bike", "Mug", "Pen"};
        const std::function<void()> sequence[] = {
            [&] { window.SetUp(5); },
            [&] {
                window.Fill(QStringLiteral("edit1_"), members);
                window.Fill(QStringLiteral("edit2_"), prizes);
                window.Click(window->buildButton());
            },
            [&] { window.commands->boundary().Run([&] { window.commands->onRevealNext(); }); },
            [&] { QTest::keyClick(stage, Qt::Key_Right); },
            [&] { window.Click(window.Box("edit2_5")); },
            [&] { QTest::keyClick(stage, Qt::Key_PageUp); },
            [&] { window.Click(window->hitAllButton()); },
            [&] { window.Click(window->resetButton()); },
        };
        Told.clear();
        for (int step = 0; step < steps; ++step)
            sequence[step]();
        const StageScene& scene = stage->scene();
        QCOMPARE(scene.Rows, rows);
        QCOMPARE(scene.Rows, window->countSpinner()->position());
        QCOMPARE(scene.Built, built);
        QCOMPARE(QList<int>(scene.Revealed.begin(), scene.Revealed.end()), revealed);
        QCOMPARE(scene.Curtain, curtain);
        if (!revealed.isEmpty() && built) {
            const QString winner = members[Walk(window.lottery().Grid, revealed.back()) - 1];
            status = status.arg(winner);
            // The card the room reads, told to a screen reader too.
            QCOMPARE(LastTold(stage), prizes[revealed.back() - 1] + QStringLiteral(" \u2192 ") + winner);
        }
        QCOMPARE(window->statusText(), status);
        if (!status.isEmpty())
            QCOMPARE(LastTold(window->statusBar()), status);
        if (built) {
            // Each revealed prize reaches the member the rules' walk reaches, shown under the operator's name.
            for (int hit : revealed) {
                const int member = Walk(window.lottery().Grid, hit);
                QCOMPARE(scene.Winners[hit - 1], member);
                QCOMPARE(scene.Members[member - 1], window.Box(QStringLiteral("edit1_%1").arg(member))->text());
            }
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
            window.commands->boundary().Run([&] { window.commands->onStage(); });
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
        const auto luminance = [](const QColor& colour) {
            const auto linear = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
            return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
        };
        const auto ratio = [&](const QColor& a, const QColor& b) {
            const double la = luminance(a), lb = luminance(b);
            return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
        };
        const StageLook& look = LookOf(StageTheme(theme));
        for (const auto& [text, ground] : {std::pair{look.Text, look.Background}, {look.HighlightText, look.Highlight},
                                          {look.CurtainText, look.Curtain}, {look.CardText, look.Card}})
            QVERIFY2(ratio(text, ground) >= 7.0, qPrintable(text.name() + " on " + ground.name()));
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
        window.commands->boundary().Run([&] { window.commands->onStage(); });
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
        window.commands->boundary().Run([&] { window.commands->onStage(); });
        StageWindow* stage = window.commands->stage();
        window.commands->boundary().Run([&] { window.commands->onRevealAll(); });
        QCOMPARE(stage->scene().Revealed, std::vector<int32_t>{1});
        QVERIFY(stage->animating());
        QTRY_COMPARE(stage->scene().Revealed, (std::vector<int32_t>{1, 3}));
        QTRY_COMPARE(stage->scene().Revealed, (std::vector<int32_t>{1, 3, 4}));
        QTRY_VERIFY(!stage->animating());
        QCOMPARE(LoadStageSettings(window.platform), settings);
    }
};

QTEST_MAIN(TestStage)
#include "TestStage.moc"
