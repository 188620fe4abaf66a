#include "window/Pixels.h"
#include "window/WindowFixture.h"

#include <QScrollArea>
#include <QScrollBar>

using namespace quorvan;
using namespace quorvan::testing;

class TestRowSetup : public QObject {
    Q_OBJECT

private slots:
    void firstSetUpCreatesRowTwo_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("prompt");
        QTest::newRow("Japanese") << "ja"
                                  << "■→→Memberと「当たり！？内容」を入力して、下の「Vessapoボタン」押下";
        QTest::newRow("English") << "en" << "Member and Hit are input and the Vessapo_button is pushed";
    }

    void firstSetUpCreatesRowTwo()
    {
        QFETCH(QString, language);
        QFETCH(QString, prompt);
        WindowFixture window(language);
        MainWindow& form = *window;
        form.firstMemberBox()->setText("typed before");
        form.firstHitBox()->setText("also typed");
        window.Click(form.setUpButton());

        EditBox* member = window.Box("edit1_2");
        EditBox* hit = window.Box("EDIT2_2");
        QVERIFY(member && hit);
        QCOMPARE(member->objectName(), QStringLiteral("edit1_2"));
        QCOMPARE(window.Placed(member), QRect(7, 131, 121, 21));
        QCOMPARE(window.Placed(hit), QRect(578, 131, 121, 21));
        QVERIFY(member->isVisible() && hit->isVisible());
        QVERIFY(member->text().isEmpty() && hit->text().isEmpty());
        QVERIFY(form.firstMemberBox()->text().isEmpty() && form.firstHitBox()->text().isEmpty());
        QCOMPARE(window.lottery().Model.RowCount, 2);
        QCOMPARE(form.countDisplay()->text(), QStringLiteral("2"));
        QCOMPARE(form.messageLine()->text(), prompt);
        QCOMPARE(window.platform.Cursor, MouseCursor::Default);
        QVERIFY(window.platform.HourglassCount > 0);
    }

    void threeRowsTabSequence()
    {
        WindowFixture window;
        MainWindow& form = *window;
        window.SetUp(3);
        QCOMPARE(form.tabs().Names(),
                 QStringList({"UpDown1", "Edit1_1", "edit1_2", "edit1_3", "CT", "StaticText1",
                              "StaticText2", "SText", "Edit2_1", "edit2_2", "edit2_3", "StaticText3",
                              "StaticText4", "CheckBox1", "Button8", "Button3", "Button4", "Button5",
                              "Button6", "Button9", "BitBtn1", "BitBtn2", "Button1", "Button2", "Button7",
                              "BitBtn3", "BitBtn4"}));

        // The keyboard follows it, skipping what cannot take the focus.
        form.firstMemberBox()->setFocus();
        QStringList visited;
        for (int i = 0; i < 6; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited.append(QApplication::focusWidget()->objectName());
        }
        QCOMPARE(visited, QStringList({"edit1_2", "edit1_3", "Edit2_1", "edit2_2", "edit2_3", "Button8"}));
    }

    // Members 1..n, hits 1..n, then the results, whatever the count.
    void tabOrderFollowsTheRows_data()
    {
        QTest::addColumn<int>("rows");
        QTest::newRow("40 rows") << 40;
        QTest::newRow("480 rows") << 480;
    }

    void tabOrderFollowsTheRows()
    {
        QFETCH(int, rows);
        WindowFixture window;
        window.PlayLottery(rows);
        QStringList expected;
        for (const char* prefix : {"edit1_", "edit2_", "edit3_"})
            for (int row = 1; row <= rows; ++row)
                expected.append(QString::fromLatin1(prefix) + QString::number(row));
        QStringList boxes;
        for (const QString& name : window->tabs().Names())
            if (name.startsWith("edit", Qt::CaseInsensitive))
                boxes.append(name.toLower());
        QCOMPARE(boxes, expected);

        // The keyboard follows it across the columns' ends.
        for (const auto& [from, to] : {std::pair{QStringLiteral("edit1_%1"), QStringLiteral("Edit2_1")},
                                       std::pair{QStringLiteral("edit2_%1"), QStringLiteral("edit3_1")}}) {
            window.Box(from.arg(rows))->setFocus();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), to);
        }
    }

    void previewShowsFourStubs()
    {
        WindowFixture window;
        MainWindow& form = *window;
        window.Click(form.setUpButton());
        QCOMPARE(form.ladderImage()->height(), 60);
        const QImage& image = form.bitmap().Image();
        for (const int y : {20, 40}) {
            for (const int x : {0, 50, 100, 340, 400, 439})
                QCOMPARE(image.pixel(x, y), Black);
            for (const int x : {102, 220, 337})
                QCOMPARE(image.pixel(x, y), White);
        }
        for (const int x : {0, 50, 220, 439}) {
            QCOMPARE(image.pixel(x, 10), White);
            QCOMPARE(image.pixel(x, 30), White);
            QCOMPARE(image.pixel(x, 60), White);
        }
    }

    void fourHundredEightyRowsScroll()
    {
        WindowFixture window;
        MainWindow& form = *window;
        window.SetUp(480);
        QCOMPARE(window.Placed(window.Box("edit1_480")), QRect(7, 9691, 121, 21));
        QCOMPARE(window.Placed(window.Box("edit2_480")), QRect(578, 9691, 121, 21));
        QCOMPARE(window.BoxNames("edit").size(), 960);
        QCOMPARE(form.countDisplay()->text(), QStringLiteral("480"));
        QVERIFY(form.client()->height() >= 9691 + 21);
        auto* scroll = form.findChild<QScrollArea*>();
        scroll->ensureWidgetVisible(window.Box("edit2_480"));
        QVERIFY(scroll->verticalScrollBar()->value() > 9000);
    }

    void setUpFreesEveryEarlierBox()
    {
        WindowFixture window;
        MainWindow& form = *window;
        window.SetUp(10);
        for (int row = 1; row <= 10; ++row)
            form.createResultBox(row);

        // As after a list import or Reset: RowCount covers every row that exists.
        window.lottery().Model.RowCount = 10;
        form.countSpinner()->setEnabled(true);
        window.ChooseCount(3);
        window.Run(&Commands::onSetUp);
        QCOMPARE(window.BoxNames("edit"), QStringList({"edit1_1", "edit1_2", "edit1_3", "edit2_1",
                                                       "edit2_2", "edit2_3"}));
        QCOMPARE(window.lottery().Model.RowCount, 3);
        QVERIFY(!form.tabs().Names().contains("edit1_4"));
        QVERIFY(!form.tabs().Names().contains("edit3_1"));

        // RowCount naming rows that never had boxes passes over them.
        window.lottery().Model.RowCount = 5;
        form.countSpinner()->setEnabled(true);
        window.ChooseCount(2);
        window.Run(&Commands::onSetUp);
        QCOMPARE(window.BoxNames("edit"), QStringList({"edit1_1", "edit1_2", "edit2_1", "edit2_2"}));
        QVERIFY(window.platform.Errors.isEmpty());
    }

    void newBoxesCopyFirstBoxFontAndHitHandler()
    {
        WindowFixture window;
        MainWindow& form = *window;
        QFont font(QStringLiteral("DejaVu Serif"));
        font.setPixelSize(17);
        font.setItalic(true);
        font.setHintingPreference(QFont::PreferNoHinting); // as every text of the designed area
        SetControlFont(form.firstMemberBox(), {font, QColor(0, 128, 0)});
        QList<int> clicked;
        QObject::connect(&form, &MainWindow::hitBoxClicked, [&](int row) { clicked.append(row); });

        window.SetUp(4);
        for (const QString name : {"edit1_4", "edit2_3"}) {
            EditBox* box = window.Box(name);
            QCOMPARE(box->font(), font);
            QCOMPARE(box->palette().color(QPalette::Active, QPalette::Text), QColor(0, 128, 0));
            QCOMPARE(box->height(), 17 + 8);
        }
        window.Click(window.Box("edit2_3"));
        window.Click(window.Box("edit1_3"));
        QCOMPARE(clicked, QList<int>({3}));
    }

    // A long name the program puts into a box shows its beginning.
    void filledBoxesShowTheirBeginning()
    {
        WindowFixture window;
        MainWindow& form = *window;
        window.SetUp(3);
        for (int row = 1; row <= 3; ++row)
            window.Box(QStringLiteral("edit1_%1").arg(row))->insert(QString(60, QLatin1Char('a' + row)));
        window.Click(form.shuffleMembersButton());
        window.Click(form.buildButton());
        window.Click(form.hitAllButton());
        for (const char* prefix : {"edit1_", "edit3_"}) {
            for (int row = 1; row <= 3; ++row)
                QCOMPARE(window.Box(QLatin1String(prefix) + QString::number(row))->cursorPosition(), 0);
        }
    }

    // A name typed keeps its order, also where the keys reach the window while
    // the desktop calls another one active (X without a window manager).
    void typedNamesKeepTheirOrder_data()
    {
        QTest::addColumn<bool>("otherActive");
        QTest::newRow("the window active") << false;
        QTest::newRow("another window active") << true;
    }

    void typedNamesKeepTheirOrder()
    {
        QFETCH(bool, otherActive);
        WindowFixture window;
        window.SetUp(2);
        EditBox* box = window.Box("edit1_2");
        QApplication::setActiveWindow(window.get());
        box->setFocus();
        QWidget other;
        if (otherActive) {
            other.show();
            QApplication::setActiveWindow(&other);
        }
        QCOMPARE(box->hasFocus(), !otherActive);
        QTest::keyClicks(box, "Ann Lee");
        QCOMPARE(box->text(), QStringLiteral("Ann Lee"));
    }
};

QUORVAN_TEST_MAIN(TestRowSetup)
#include "TestRowSetup.moc"
