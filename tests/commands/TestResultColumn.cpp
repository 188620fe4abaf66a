#include "WindowFixture.h"

using namespace quorvan;
using testing::WindowFixture;

namespace {

QStringList BoxNames(const TFMAIN& form, const QString& prefix)
{
    QStringList names;
    for (const QObject* child : form.Client()->children())
        if (child->objectName().toLower().startsWith(prefix))
            names.append(child->objectName().toLower());
    return names;
}

} // namespace

class TestResultColumn : public QObject {
    Q_OBJECT

private slots:
    void hitAllListsEveryMember_data()
    {
        QTest::addColumn<int>("rows");
        QTest::newRow("2 rows") << 2;
        QTest::newRow("480 rows") << 480;
    }

    void hitAllListsEveryMember()
    {
        QFETCH(int, rows);
        WindowFixture window(1033, 2024);
        TFMAIN& form = *window.form;
        window.ChooseCount(rows);
        window.Click(form.BitBtn1);
        for (int row = 1; row <= rows; ++row)
            window.Box(QStringLiteral("edit1_%1").arg(row))->setText(QStringLiteral("M%1").arg(row));
        window.Click(form.BitBtn2);
        window.Click(form.Button1);

        QCOMPARE(BoxNames(form, "edit3_").size(), rows);
        QStringList members;
        for (int row = 1; row <= rows; ++row) {
            EditBox* result = window.Box(QStringLiteral("edit3_%1").arg(row));
            QVERIFY(result && result->isVisible());
            QCOMPARE(result->geometry(), QRect(703, 111 + 20 * (row - 1), 100, 21));
            members.append(result->text());
        }
        members.sort();
        QStringList expected;
        for (int row = 1; row <= rows; ++row)
            expected.append(QStringLiteral("M%1").arg(row));
        expected.sort();
        QCOMPARE(members, expected);

        QCOMPARE(form.OuterSize().width(), 840);
        QCOMPARE(form.State.ResultColumnShown, 1);
        QVERIFY(!form.Button1->isEnabled());
        QVERIFY(form.Button2->isEnabled());
        QVERIFY(form.Button7->isEnabled());
        QCOMPARE(window.platform.Cursor, MouseCursor::Default);
        QVERIFY(window.platform.Errors.isEmpty());
    }

    void emptyMemberBoxesAreNamedByLine()
    {
        WindowFixture window(1033, 0);
        TFMAIN& form = *window.form;
        window.ChooseCount(3);
        window.Click(form.BitBtn1);
        form.Edit1_1->setText("  ");
        window.Click(form.BitBtn2);
        window.Click(form.Button1);
        // Hits 1, 2, 3 reach members 1, 3, 2; blanks are a name like any other.
        QCOMPARE(window.Box("edit3_1")->text(), QStringLiteral("  "));
        QCOMPARE(window.Box("edit3_2")->text(), QStringLiteral("Member-3"));
        QCOMPARE(window.Box("edit3_3")->text(), QStringLiteral("Member-2"));

        window.Box("edit1_3")->setText("Changed later");
        QCOMPARE(window.Box("edit3_2")->text(), QStringLiteral("Member-3"));
    }

    void resultBoxesTakeTheFontAtFillTimeOnly()
    {
        WindowFixture window;
        TFMAIN& form = *window.form;
        QFont chosen(QStringLiteral("DejaVu Serif"));
        chosen.setPixelSize(15);
        SetControlFont(form.Edit1_1, {chosen, QColor(0, 0, 128)});
        window.Click(form.BitBtn1);
        window.Click(form.BitBtn2);
        window.Click(form.Button1);
        EditBox* result = window.Box("edit3_2");
        QCOMPARE(result->font(), chosen);

        QFont later(QStringLiteral("DejaVu Sans"));
        later.setPixelSize(20);
        SetControlFont(form.Edit1_1, {later, QColor(0, 0, 0)});
        QCOMPARE(result->font(), chosen);
    }

    void secondHitAllKeepsOneBoxPerRow()
    {
        WindowFixture window;
        TFMAIN& form = *window.form;
        window.PlayLottery(6);
        // As after a hit list import: Build is offered again, then ［HIT-ALL］.
        form.BitBtn2->setEnabled(true);
        window.Click(form.BitBtn2);
        QCOMPARE(BoxNames(form, "edit3_").size(), 6); // Build leaves the column alone
        QCOMPARE(form.State.ResultColumnShown, 1);
        window.Click(form.Button1);
        QCOMPARE(BoxNames(form, "edit3_").size(), 6);
        QCOMPARE(form.Tabs().Names().filter("edit3_").size(), 6);
        QVERIFY(form.Button2->isEnabled());
        QVERIFY(window.platform.Errors.isEmpty());
    }

    void resetStartsANewLottery()
    {
        WindowFixture window(1041);
        TFMAIN& form = *window.form;
        window.ChooseCount(10);
        window.Click(form.BitBtn1);
        form.Button4->setText("ｼｬｯﾌﾙ(3)");
        form.Button5->setText("ｼｬｯﾌﾙ(1)");
        form.State.MemberShuffleCount = 3;
        form.Label1->SetCaption("10");
        window.Click(form.BitBtn2);
        window.Click(window.Box("edit2_4"));
        window.Click(form.Button1);
        window.Click(form.BitBtn3);
        VerifyStartOfLottery(window, QStringLiteral("ｼｬｯﾌﾙ"),
                             QStringLiteral("■→設定数を指定してから、設定実行ボタンを押下してください"));
    }

    void resetFromEveryState()
    {
        const auto steps = [](WindowFixture& window, int upTo) {
            TFMAIN& form = *window.form;
            window.ChooseCount(5);
            if (upTo >= 1) window.Click(form.BitBtn1);
            if (upTo >= 2) window.Click(form.BitBtn2);
            if (upTo >= 3) window.Click(form.Button1);
        };
        for (int upTo = 0; upTo <= 3; ++upTo) {
            WindowFixture window;
            steps(window, upTo);
            window.Click(window.form->BitBtn3);
            VerifyStartOfLottery(window, QStringLiteral("Shuffle"),
                                 QStringLiteral("Please press the set execution button after specifying a set number"));
            // Lottery follows lottery.
            steps(window, 3);
            QCOMPARE(BoxNames(*window.form, "edit3_").size(), 5);
        }
    }

    void resetAfterImportedRowsFreesEveryBox()
    {
        // A member list import leaves ten rows with RowCount 2.
        WindowFixture window;
        TFMAIN& form = *window.form;
        window.ChooseCount(10);
        window.Click(form.BitBtn1);
        form.State.RowCount = 2;
        window.Click(form.BitBtn2);
        window.Click(form.Button1);
        window.Click(form.BitBtn3);
        QVERIFY(BoxNames(form, "edit3_").isEmpty());
        QCOMPARE(BoxNames(form, "edit1_").size(), 2);
        QCOMPARE(BoxNames(form, "edit2_").size(), 2);
    }

private:
    static void VerifyStartOfLottery(WindowFixture& window, const QString& shuffle, const QString& prompt)
    {
        TFMAIN& form = *window.form;
        QVERIFY(BoxNames(form, "edit3_").isEmpty());
        QStringList rows = BoxNames(form, "edit1_") + BoxNames(form, "edit2_");
        rows.sort();
        QCOMPARE(rows, QStringList({"edit1_1", "edit1_2", "edit2_1", "edit2_2"}));
        for (const QString& name : rows)
            QVERIFY(window.Box(name)->text().isEmpty());
        for (int row = 0; row < Ladder::Rows; ++row)
            for (int column = 0; column < Ladder::Columns; ++column)
                QCOMPARE(form.State.Grid.Cell(row, column), RungNone);
        QCOMPARE(form.OuterSize().width(), 735);
        QCOMPARE(form.Image1->height(), 60);
        const QImage& image = form.Bitmap().Image();
        for (const int x : {0, 220, 439}) {
            QCOMPARE(image.pixel(x, 20), qRgb(0, 0, 0));
            QCOMPARE(image.pixel(x, 40), qRgb(0, 0, 0));
            QCOMPARE(image.pixel(x, 30), qRgb(255, 255, 255));
        }
        QCOMPARE(form.State.RowCount, 2);
        QCOMPARE(form.State.LadderBuilt, 0);
        QCOMPARE(form.State.LitHit, 0);
        QCOMPARE(form.State.ResultColumnShown, 0);
        QCOMPARE(form.State.MemberShuffleCount, 0);
        QCOMPARE(form.State.HitShuffleCount, 0);
        QCOMPARE(form.UpDown1->Position(), 2);
        QCOMPARE(form.CT->text(), QStringLiteral("2"));
        QCOMPARE(form.SText->text(), prompt);
        QCOMPARE(form.Button4->text(), shuffle);
        QCOMPARE(form.Button5->text(), shuffle);
        QVERIFY(form.Label1->text().isEmpty() && form.Label2->text().isEmpty());
        for (QWidget* enabled : std::initializer_list<QWidget*>{form.UpDown1, form.BitBtn1, form.Button3, form.CheckBox1,
                                                                form.BitBtn3, form.BitBtn4, form.Button8, form.Button9})
            QVERIFY2(enabled->isEnabled(), qPrintable(enabled->objectName()));
        for (QWidget* disabled : std::initializer_list<QWidget*>{form.BitBtn2, form.Button1, form.Button2, form.Button4,
                                                                 form.Button5, form.Button6, form.Button7})
            QVERIFY2(!disabled->isEnabled(), qPrintable(disabled->objectName()));
        QCOMPARE(window.platform.Cursor, MouseCursor::Default);
        QVERIFY(window.platform.Errors.isEmpty());
    }
};

QTEST_MAIN(TestResultColumn)
#include "TestResultColumn.moc"
