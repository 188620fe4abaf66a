#include "WindowFixture.h"

#include <QScrollArea>
#include <QScrollBar>

using namespace quorvan;
using testing::WindowFixture;

namespace {

const QRgb White = qRgb(255, 255, 255);
const QRgb Black = qRgb(0, 0, 0);

QStringList RowBoxNames(const TFMAIN& form)
{
    QStringList names;
    for (const QObject* child : form.Client()->children()) {
        const QString name = child->objectName().toLower();
        if (name.startsWith("edit"))
            names.append(name);
    }
    names.sort();
    return names;
}

} // namespace

class TestRowSetup : public QObject {
    Q_OBJECT

private slots:
    void firstSetUpCreatesRowTwo_data()
    {
        QTest::addColumn<int>("locale");
        QTest::addColumn<QString>("prompt");
        QTest::newRow("Japanese") << 1041
                                  << "■→→Memberと「当たり！？内容」を入力して、下の「Vessapoボタン」押下";
        QTest::newRow("English") << 1033 << "Member and Hit are input and the Vessapo_button is pushed";
    }

    void firstSetUpCreatesRowTwo()
    {
        QFETCH(int, locale);
        QFETCH(QString, prompt);
        WindowFixture window(locale);
        TFMAIN& form = *window.form;
        form.Edit1_1->setText("typed before");
        form.Edit2_1->setText("also typed");
        window.Click(form.BitBtn1);

        EditBox* member = window.Box("edit1_2");
        EditBox* hit = window.Box("EDIT2_2");
        QVERIFY(member && hit);
        QCOMPARE(member->objectName(), QStringLiteral("edit1_2"));
        QCOMPARE(member->geometry(), QRect(7, 131, 121, 21));
        QCOMPARE(hit->geometry(), QRect(578, 131, 121, 21));
        QVERIFY(member->isVisible() && hit->isVisible());
        QVERIFY(member->text().isEmpty() && hit->text().isEmpty());
        QVERIFY(form.Edit1_1->text().isEmpty() && form.Edit2_1->text().isEmpty());
        QCOMPARE(form.State.RowCount, 2);
        QCOMPARE(form.CT->text(), QStringLiteral("2"));
        QCOMPARE(form.SText->text(), prompt);

        QVERIFY(!form.UpDown1->isEnabled());
        QVERIFY(!form.BitBtn1->isEnabled());
        QVERIFY(!form.Button3->isEnabled());
        QVERIFY(!form.CheckBox1->isEnabled());
        QVERIFY(form.Button4->isEnabled());
        QVERIFY(form.Button5->isEnabled());
        QVERIFY(form.BitBtn2->isEnabled());
        QVERIFY(!form.Button6->isEnabled());
        QVERIFY(!form.Button1->isEnabled());
        QCOMPARE(window.platform.Cursor, MouseCursor::Default);
        QVERIFY(window.platform.HourglassCount > 0);
    }

    void threeRowsTabSequence()
    {
        WindowFixture window;
        TFMAIN& form = *window.form;
        window.ChooseCount(3);
        window.Click(form.BitBtn1);
        QCOMPARE(form.Tabs().Names(),
                 QStringList({"UpDown1", "Edit1_1", "edit1_2", "edit1_3", "CT", "StaticText1",
                              "StaticText2", "SText", "Edit2_1", "StaticText3", "StaticText4",
                              "CheckBox1", "Button8", "Button3", "Button4", "Button5", "Button6",
                              "Button9", "edit2_2", "edit2_3", "BitBtn1", "BitBtn2", "Button1",
                              "Button2", "Button7", "BitBtn3", "BitBtn4"}));

        // The keyboard follows it, skipping what cannot take the focus.
        form.Edit1_1->setFocus();
        QStringList visited;
        for (int i = 0; i < 6; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited.append(QApplication::focusWidget()->objectName());
        }
        QCOMPARE(visited, QStringList({"edit1_2", "edit1_3", "Edit2_1", "Button8", "Button4", "Button5"}));
    }

    void previewShowsFourStubs()
    {
        WindowFixture window;
        TFMAIN& form = *window.form;
        window.Click(form.BitBtn1);
        QCOMPARE(form.Image1->height(), 60);
        const QImage& image = form.Bitmap().Image();
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
        TFMAIN& form = *window.form;
        window.ChooseCount(480);
        window.Click(form.BitBtn1);
        QCOMPARE(window.Box("edit1_480")->geometry(), QRect(7, 9691, 121, 21));
        QCOMPARE(window.Box("edit2_480")->geometry(), QRect(578, 9691, 121, 21));
        QCOMPARE(RowBoxNames(form).size(), 960);
        QCOMPARE(form.CT->text(), QStringLiteral("480"));
        QVERIFY(form.Client()->height() >= 9691 + 21);
        auto* scroll = form.findChild<QScrollArea*>();
        scroll->ensureWidgetVisible(window.Box("edit2_480"));
        QVERIFY(scroll->verticalScrollBar()->value() > 9000);
    }

    void setUpFreesEveryEarlierBox()
    {
        WindowFixture window;
        TFMAIN& form = *window.form;
        window.ChooseCount(10);
        window.Click(form.BitBtn1);
        for (int row = 1; row <= 10; ++row)
            form.CreateEditBox(QStringLiteral("edit3_%1").arg(row), 703, 111 + 20 * (row - 1), 100, 20)->show();

        // As after a list import or Reset: RowCount covers every row that exists.
        form.State.RowCount = 10;
        form.UpDown1->setEnabled(true);
        window.ChooseCount(3);
        form.RunCommand([&] { form.BitBtn1Click(); });
        QCOMPARE(RowBoxNames(form), QStringList({"edit1_1", "edit1_2", "edit1_3", "edit2_1",
                                                 "edit2_2", "edit2_3"}));
        QCOMPARE(form.State.RowCount, 3);
        QVERIFY(!form.Tabs().Names().contains("edit1_4"));
        QVERIFY(!form.Tabs().Names().contains("edit3_1"));

        // RowCount naming rows that never had boxes passes over them.
        form.State.RowCount = 5;
        form.UpDown1->setEnabled(true);
        window.ChooseCount(2);
        form.RunCommand([&] { form.BitBtn1Click(); });
        QCOMPARE(RowBoxNames(form), QStringList({"edit1_1", "edit1_2", "edit2_1", "edit2_2"}));
        QVERIFY(window.platform.Errors.isEmpty());
    }

    void newBoxesCopyFirstBoxFontAndHitHandler()
    {
        WindowFixture window;
        TFMAIN& form = *window.form;
        QFont font(QStringLiteral("DejaVu Serif"));
        font.setPixelSize(17);
        font.setItalic(true);
        SetControlFont(form.Edit1_1, {font, QColor(0, 128, 0)});
        QStringList clicked;
        form.Edit2_1->OnClick = [&](EditBox* box) { clicked.append(box->objectName()); };

        window.ChooseCount(4);
        window.Click(form.BitBtn1);
        for (const QString name : {"edit1_4", "edit2_3"}) {
            EditBox* box = window.Box(name);
            QCOMPARE(box->font(), font);
            QCOMPARE(box->palette().color(QPalette::Active, QPalette::Text), QColor(0, 128, 0));
            QCOMPARE(box->height(), 17 + 8);
        }
        window.Click(window.Box("edit2_3"));
        window.Click(window.Box("edit1_3"));
        QCOMPARE(clicked, QStringList({"edit2_3"}));
    }

    // A long name the program puts into a box shows its beginning.
    void filledBoxesShowTheirBeginning()
    {
        WindowFixture window;
        TFMAIN& form = *window.form;
        window.ChooseCount(3);
        window.Click(form.BitBtn1);
        for (int row = 1; row <= 3; ++row)
            window.Box(QStringLiteral("edit1_%1").arg(row))->insert(QString(60, QLatin1Char('a' + row)));
        window.Click(form.Button4);
        window.Click(form.BitBtn2);
        window.Click(form.Button1);
        for (const char* prefix : {"edit1_", "edit3_"}) {
            for (int row = 1; row <= 3; ++row)
                QCOMPARE(window.Box(QLatin1String(prefix) + QString::number(row))->cursorPosition(), 0);
        }
    }
};

QTEST_MAIN(TestRowSetup)
#include "TestRowSetup.moc"
