#include "Version.h"
#include "window/ProgramIcon.h"
#include "window/ScreenFit.h"
#include "window/WindowDesign.h"
#include "window/WindowFixture.h"

#include <QAction>
#include <QFontMetrics>
#include <QMenu>
#include <QScreen>
#include <QScrollBar>

using namespace quorvan;
using testing::WindowFixture;

namespace {

// The menu entries, each with the control it stands for (nullptr for a command of its own).
QList<QAction*> Entries(const MainWindow& window)
{
    QList<QAction*> entries;
    for (const QAction* title : window.menuBar()->actions())
        entries += title->menu()->actions();
    return entries;
}

QWidget* ControlOf(const QAction* entry)
{
    return qobject_cast<QWidget*>(entry->data().value<QObject*>());
}

QAction* EntryOf(const MainWindow& window, const QWidget* control)
{
    for (QAction* entry : Entries(window))
        if (ControlOf(entry) == control)
            return entry;
    return nullptr;
}

QAction* EntryNamed(const MainWindow& window, const QString& text)
{
    for (QAction* entry : Entries(window))
        if (entry->text() == text)
            return entry;
    return nullptr;
}

} // namespace

// The frame around the designed area: menus, status line, screen, icon, About and the guide.
class TestWindowFrame : public QObject {
    Q_OBJECT

private slots:
    void fitInto_data()
    {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QRect>("fitted");
        const QRect screen(0, 30, 800, 570);
        QTest::newRow("inside stays") << QRect(10, 40, 300, 200) << screen << QRect(10, 40, 300, 200);
        QTest::newRow("too tall") << QRect(30, 10, 735, 600) << screen << QRect(30, 30, 735, 570);
        QTest::newRow("too wide and off right") << QRect(500, 100, 840, 200) << screen << QRect(0, 100, 800, 200);
        QTest::newRow("off left and above") << QRect(-50, -20, 100, 100) << screen << QRect(0, 30, 100, 100);
        QTest::newRow("off bottom right") << QRect(750, 580, 100, 100) << screen << QRect(700, 500, 100, 100);
        QTest::newRow("second screen") << QRect(1500, 0, 735, 600) << QRect(1600, 0, 400, 300)
                                       << QRect(1600, 0, 400, 300);
    }

    void fitInto()
    {
        QFETCH(QRect, frame);
        QFETCH(QRect, available);
        QTEST(FitInto(frame, available), "fitted");
    }

    // The menu bar and the status bar add to the designed size; the designed area is as it was.
    void barsAroundTheDesignedArea()
    {
        WindowFixture window;
        MainWindow& form = *window;
        QWidget* menuBar = form.findChild<QWidget*>("MenuBar");
        auto* statusBar = form.findChild<QStatusBar*>("StatusBar");
        QVERIFY(menuBar && statusBar);
        QCOMPARE(menuBar->geometry().top(), 0);
        QVERIFY(menuBar->height() > 0 && statusBar->height() > 0);
        const QRect designed(form.client()->parentWidget()->mapTo(&form, QPoint()),
                             form.client()->parentWidget()->size());
        const QSize frame = form.frameGeometry().size() - form.size();
        QCOMPARE(designed, QRect(QPoint(0, menuBar->height()), QSize(735, 549) - frame));
        QCOMPARE(statusBar->geometry().top(), designed.bottom() + 1);
        QCOMPARE(form.frameGeometry().size(), QSize(735, 549 + menuBar->height() + statusBar->height()));
        QCOMPARE(form.windowTitle(), QStringLiteral("Quorvan V" QUORVAN_VERSION));

        form.showStatus(QStringLiteral("Ready"));
        QCOMPARE(statusBar->currentMessage(), QStringLiteral("Ready"));
    }

    // On a screen smaller than the window, the window keeps within it and its content scrolls both ways.
    void opensWithinASmallScreen()
    {
        testing::ConfigureTestApplication();
        QScreen* small = nullptr;
        for (QScreen* screen : QGuiApplication::screens())
            if (screen->name() == QStringLiteral("Small"))
                small = screen;
        QVERIFY(small);
        testing::FakePlatform platform;
        MainWindow form(platform);
        Commands commands(form);
        form.move(small->geometry().topLeft());
        form.setScreen(small);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(small->availableGeometry().contains(form.frameGeometry()));

        auto* scroll = qobject_cast<QScrollArea*>(form.client()->parentWidget()->parentWidget());
        QVERIFY(scroll);
        QVERIFY(scroll->horizontalScrollBar()->isVisible());
        scroll->horizontalScrollBar()->setValue(scroll->horizontalScrollBar()->maximum());
        // Scrolled to the right, the hit column shows in full.
        const int left = form.firstHitBox()->mapTo(scroll->viewport(), QPoint()).x();
        QVERIFY(left >= 0 && left + form.firstHitBox()->width() <= scroll->viewport()->width());

        // A width asked for later keeps within the screen too.
        form.setOuterWidth(840);
        QVERIFY(small->availableGeometry().contains(form.frameGeometry()));
    }

    // Each entry is enabled exactly when its control is, through a whole lottery.
    void entriesFollowTheirControls()
    {
        WindowFixture window;
        MainWindow& form = *window;
        const QList<QAction*> entries = Entries(form);
        // Every command control of the window has its entry: the thirteen buttons,
        // the two check boxes and the guide's picture.
        QCOMPARE(std::count_if(entries.begin(), entries.end(), [](const QAction* entry) { return ControlOf(entry); }),
                 16);
        const auto verify = [&](const char* step) {
            for (const QAction* entry : entries)
                if (const QWidget* control = ControlOf(entry))
                    QVERIFY2(entry->isEnabled() == control->isEnabled(),
                             qPrintable(QStringLiteral("%1 after %2").arg(control->objectName(), step)));
        };
        verify("start-up");
        window.SetUp(4);
        verify("set-up");
        window.Click(form.buildButton());
        verify("build");
        window.Click(form.hitAllButton());
        verify("hit-all");
        window.Click(form.resetButton());
        verify("reset");
        QVERIFY(EntryOf(form, form.setUpButton())->isEnabled());
        QVERIFY(!EntryOf(form, form.buildButton())->isEnabled());
    }

    void crossLinesEntryInStepWithTheBox()
    {
        WindowFixture window;
        QAction* entry = EntryOf(*window, window->crossLinesBox());
        QVERIFY(entry->isCheckable() && entry->isChecked());
        entry->trigger();
        QVERIFY(!window->crossLinesBox()->isChecked());
        QVERIFY(!entry->isChecked());
        window.Click(window->crossLinesBox());
        QVERIFY(entry->isChecked());
    }

    void captionsAndShortcuts_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QKeySequence>("shortcut");
        QTest::newRow("set-up") << "en" << "BitBtn1" << "E&xecution" << QKeySequence(Qt::Key_F4);
        QTest::newRow("set-up ja") << "ja" << "BitBtn1" << "設定実行(&X)" << QKeySequence(Qt::Key_F4);
        QTest::newRow("build") << "en" << "BitBtn2" << "*- &Vessapo -*" << QKeySequence(Qt::Key_F5);
        QTest::newRow("members") << "en" << "Button3" << "&File…" << QKeySequence("Ctrl+O");
        QTest::newRow("hits ja") << "ja" << "Button6" << "読込(&F)…" << QKeySequence("Ctrl+Shift+O");
        QTest::newRow("shuffle ja") << "ja" << "Button4" << "ｼｬｯﾌﾙ(&S)" << QKeySequence();
        QTest::newRow("text") << "en" << "Button2" << "&Text…" << QKeySequence("Ctrl+S");
        QTest::newRow("workbook") << "en" << "Button7" << "&Excel…" << QKeySequence("Ctrl+Shift+S");
        QTest::newRow("capture") << "en" << "Button8" << "&Clipboard" << QKeySequence("Ctrl+Shift+C");
        QTest::newRow("exit") << "ja" << "BitBtn4" << "E&XIT" << QKeySequence("Ctrl+Q");
        QTest::newRow("guide") << "en" << "Image2" << "&User guide" << QKeySequence(Qt::Key_F1);
        QTest::newRow("guide ja") << "ja" << "Image2" << "ユーザーガイド(&U)" << QKeySequence(Qt::Key_F1);
    }

    void captionsAndShortcuts()
    {
        QFETCH(QString, language);
        QFETCH(QString, name);
        WindowFixture window(language);
        const QAction* entry = EntryOf(*window, window->findControl(name));
        QVERIFY(entry);
        QTEST(entry->text(), "text");
        QTEST(entry->shortcut(), "shortcut");
    }

    // Entries that open a dialog end with "…"; English captions mark a letter
    // of their own, Japanese ones add it in brackets before the "…".
    void entriesOfEachLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("English") << "en"
                                 << QStringList{"Save &draw…", "&Open draw…", "Leave out earlier &winners…",
                                                "&Font…", "&Winners…", "Kee&p prizes' red paths"};
        QTest::newRow("Japanese") << "ja"
                                  << QStringList{"抽選記録を保存(&D)…", "抽選記録を開く(&O)…", "&Font…",
                                                 "当たりの赤い道筋を残す(&P)"};
    }

    void entriesOfEachLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, entries);
        WindowFixture window(language);
        QStringList texts;
        for (const QAction* title : window->menuBar()->actions())
            for (const QAction* entry : title->menu()->actions())
                texts.append(entry->text());
        for (const QString& entry : entries)
            QVERIFY2(texts.contains(entry), qPrintable(entry));
        if (language != "ja")
            QVERIFY(texts.filter("(&").isEmpty());
    }

    // The header area stays in view while 120 rows scroll beneath it, and a
    // box reached from the keyboard comes out from under it.
    void headerStaysWhileRowsScroll()
    {
        WindowFixture window;
        window.SetUp(120);
        auto* scroll = qobject_cast<QScrollArea*>(window->client()->parentWidget()->parentWidget());
        QScrollBar* bar = scroll->verticalScrollBar();
        const int header = window->firstMemberBox()->y();
        bar->setValue(bar->maximum());
        QVERIFY(bar->value() > 1500);
        for (QWidget* control : {static_cast<QWidget*>(window->buildButton()), static_cast<QWidget*>(window->hitAllButton()),
                                 static_cast<QWidget*>(window->hitHeading()), static_cast<QWidget*>(window->memberHeading())}) {
            const QPoint at = control->mapTo(scroll->viewport(), QPoint());
            QVERIFY2(at.y() >= 0 && at.y() + control->height() <= header, qPrintable(control->objectName()));
        }
        EditBox* box = window.Box("edit1_60");
        bar->setValue(box->y() - header / 2);
        box->setFocus();
        QVERIFY(box->mapTo(scroll->viewport(), QPoint()).y() >= header);
    }

    // A font taller than the designed rows moves the rows apart so that no
    // text is cut and each ladder line stays level with its row; the
    // designed font changes nothing on the window.
    void largerFontGrowsTheRows_data()
    {
        QTest::addColumn<int>("pixels");
        QTest::newRow("designed, 13 px") << 13;
        QTest::newRow("30 px") << 30;
        QTest::newRow("48 px") << 48;
    }

    void largerFontGrowsTheRows()
    {
        QFETCH(int, pixels);
        WindowFixture window;
        window.SetUp(6);
        window.Click(window->buildButton());
        window.Click(window->hitAllButton());
        QApplication::processEvents();
        const QImage before = window->grab().toImage();
        ControlFont font = ControlFontOf(window->firstMemberBox());
        font.Font.setPixelSize(pixels);
        window.commands->boundary().Run([&] { window.commands->onApplyFont(font); });
        QApplication::processEvents();
        if (pixels == 13) {
            QVERIFY(window->grab().toImage() == before);
            return;
        }
        const QImage ladder = window->ladderImage()->grab().toImage();
        for (const QString column : {"edit1_", "edit2_", "edit3_"}) {
            for (int row = 1; row <= 6; ++row) {
                const EditBox* box = window.Box(column + QString::number(row));
                const QRect placed = window.Placed(box);
                QVERIFY(box->contentsRect().height() >= QFontMetrics(box->font()).height());
                if (row < 6) // at most the designed pixel shared with the row below
                    QVERIFY(window.Placed(window.Box(column + QString::number(row + 1))).top() >= placed.bottom());
                if (column == QLatin1String("edit3_"))
                    continue; // the results keep their font
                // Line `row` crosses x = 5, between the ladder's first two columns, level with the box's middle.
                const int middle = placed.center().y() - window.Placed(window->ladderImage()).top();
                QCOMPARE(ladder.pixelColor(5, middle), QColor(Qt::black));
                QCOMPARE(ladder.pixelColor(5, middle - box->height() / 3), QColor(Qt::white));
            }
        }
    }

    void menuTitles_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("titles");
        QTest::newRow("English") << "en" << QStringList{"&File", "&Member", "Hi&t", "&Ladder", "&View", "&Help"};
        QTest::newRow("Japanese") << "ja"
                                  << QStringList{"ファイル(&F)", "&Member", "Hi&t", "あみだ(&L)", "表示(&V)", "ヘルプ(&H)"};
    }

    void menuTitles()
    {
        QFETCH(QString, language);
        WindowFixture window(language);
        QStringList titles;
        for (const QAction* title : window->menuBar()->actions())
            titles.append(title->text());
        QTEST(titles, "titles");
    }

    void aboutShowsTheBuildsVersion_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("licence");
        QTest::newRow("English") << "en" << "About Quorvan" << "Licence: MIT";
        QTest::newRow("Japanese") << "ja" << "Quorvanについて" << "ライセンス: MIT";
    }

    void aboutShowsTheBuildsVersion()
    {
        QFETCH(QString, language);
        WindowFixture window(language);
        QFETCH(QString, title);
        EntryNamed(*window, language == "ja" ? "Quorvanについて(&A)" : "&About Quorvan")->trigger();
        QCOMPARE(window.platform.AboutBoxes.size(), 2);
        QCOMPARE(window.platform.AboutBoxes[0], title);
        QVERIFY(window.platform.AboutBoxes[1].contains("Quorvan V" QUORVAN_VERSION));
        QFETCH(QString, licence);
        QVERIFY(window.platform.AboutBoxes[1].contains(licence));
    }

    void guideThatCannotBeOpenedIsNamed_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QString>("message");
        QTest::newRow("English") << "en" << "User guide"
                                 << "The user guide could not be opened. Open this file in a web browser:\n"
                                    "/nonexistent/guide/index.html";
        QTest::newRow("Japanese") << "ja" << "ユーザーガイド"
                                  << "ユーザーガイドを開けませんでした。次のファイルをウェブブラウザーで開いてください:\n"
                                     "/nonexistent/guide/index.html";
    }

    void guideThatCannotBeOpenedIsNamed()
    {
        QFETCH(QString, language);
        WindowFixture window(language);
        QTEST(window->guideLink()->toolTip(), "hint");
        window.platform.Guide = QStringLiteral("file:///nonexistent/guide/index.html");
        window.Click(window->guideLink());
        QCOMPARE(window.platform.Errors.size(), 1);
        QTEST(window.platform.Errors.first(), "message");
    }

    // At twice the size (as on a screen of twice the density), drawn from a larger picture.
    void iconAtTwiceTheSize()
    {
        WindowFixture window;
        const QImage twice = window->windowIcon().pixmap(QSize(64, 64)).toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(twice.size(), QSize(64, 64));
        QCOMPARE(ProgramIcon().pixmap(QSize(64, 64)).size(), QSize(64, 64));
        // Not the 32-pixel picture enlarged, either way: the mean difference of a channel.
        const QImage small(QStringLiteral(":/quorvan/icon.png"));
        for (const Qt::TransformationMode way : {Qt::FastTransformation, Qt::SmoothTransformation}) {
            const QImage enlarged = small.scaled(64, 64, Qt::KeepAspectRatio, way).convertToFormat(QImage::Format_ARGB32);
            double difference = 0;
            for (int y = 0; y < 64; ++y)
                for (int x = 0; x < 64; ++x) {
                    const QRgb a = twice.pixel(x, y), b = enlarged.pixel(x, y);
                    difference += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b))
                                  + std::abs(qBlue(a) - qBlue(b)) + std::abs(qAlpha(a) - qAlpha(b));
                }
            QVERIFY2(difference / (64 * 64 * 4) > 4, qPrintable(QString::number(difference / (64 * 64 * 4))));
        }
    }
};

QUORVAN_TEST_MAIN(TestWindowFrame)
#include "TestWindowFrame.moc"
