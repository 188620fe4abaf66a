#include "window/WindowFixture.h"

#include "platform/Translations.h"
#include "window/WindowDesign.h"

#include <QFontInfo>
#include <QStyleOptionButton>

using namespace quorvan;
using testing::WindowFixture;

namespace {

QString TextOf(QWidget* control)
{
    if (auto* label = qobject_cast<QLabel*>(control))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        return button->text();
    return qobject_cast<QLineEdit*>(control)->text();
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    // The window's design, written out here from the design itself, so a wrong
    // place in the window's own table shows as a difference.
    void windowAsDesigned_data()
    {
        QTest::addColumn<QRect>("bounds");
        QTest::addColumn<QString>("text"); // the designed (Japanese) text; "-" for none
        QTest::addColumn<QString>("face");
        QTest::addColumn<int>("pixels");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<bool>("bold");
        const QString pGothic = "ＭＳ Ｐゴシック", gothic = "ＭＳ ゴシック", mincho = "ＭＳ 明朝", pMincho = "ＭＳ Ｐ明朝";
        const QColor black(0, 0, 0), blue(0, 0, 255), red(255, 0, 0), yellow(255, 255, 0);
        auto row = [](const char* name, QRect bounds, const QString& text, const QString& face, int pixels,
                      QColor colour, bool bold) {
            QTest::newRow(name) << bounds << text << face << pixels << colour << bold;
        };
        row("Bevel2", {0, 5, 239, 48}, "-", {}, 0, {}, false);
        row("Image2", {426, 0, 32, 32}, "-", {}, 0, {}, false);
        row("Label3", {578, 3, 48, 12}, "結果出力", pGothic, 12, black, false);
        row("Label1", {8, 96, 9, 16}, "", mincho, 16, black, true);
        row("Label2", {680, 96, 9, 16}, "", mincho, 16, black, true);
        row("UpDown1", {99, 8, 29, 44}, "-", {}, 0, {}, false);
        row("BitBtn1", {175, 9, 64, 40}, "設定実行", pGothic, 12, blue, true);
        row("CT", {134, 20, 13, 22}, "2", "Terminal", 19, red, true); // start-up shows the spinner's 2
        row("StaticText1", {8, 8, 30, 17}, "設定", pGothic, 13, blue, false);
        row("StaticText2", {248, 13, 172, 23}, "Quorvan", pGothic, 19, yellow, true);
        row("SText", {141, 83, 30, 17}, "■→設定数を指定してから、設定実行ボタンを押下してください", pMincho, 13, red, false);
        row("Edit1_1", {7, 111, 121, 21}, "", pMincho, 13, black, false);
        row("Edit2_1", {578, 111, 121, 21}, "", pMincho, 13, black, false);
        row("BitBtn2", {269, 43, 169, 33}, "★～Vessapo～★", gothic, 16, blue, true);
        row("BitBtn3", {466, 48, 53, 25}, "RESET", pGothic, 12, red, false);
        row("StaticText3", {66, 95, 55, 17}, "Member", pGothic, 13, black, true);
        row("StaticText4", {580, 95, 23, 17}, "Hit", pGothic, 13, black, true);
        row("BitBtn4", {466, 5, 64, 25}, "EXIT", pGothic, 13, red, true);
        row("CheckBox1", {8, 27, 85, 17}, "Cross Lines", pGothic, 13, black, false);
        row("Button1", {538, 33, 82, 22}, "［HIT-ALL］", pGothic, 12, black, true);
        row("Button2", {632, 21, 65, 16}, "Text", pGothic, 12, black, false);
        row("Button3", {8, 65, 40, 25}, "読込", pGothic, 12, black, false);
        row("Button4", {59, 65, 70, 25}, "ｼｬｯﾌﾙ", pGothic, 12, black, false);
        row("Button5", {628, 65, 70, 25}, "ｼｬｯﾌﾙ", pGothic, 12, black, false);
        row("Button6", {577, 64, 40, 25}, "読込", pGothic, 12, black, false);
        row("Button7", {632, 37, 65, 18}, "Excel", pGothic, 12, black, false);
        row("Button8", {632, 2, 65, 18}, "Clipboard", pGothic, 12, black, false);
        row("Button9", {184, 55, 41, 25}, "Font", pGothic, 12, black, false);
    }

    void windowAsDesigned()
    {
        QFETCH(QRect, bounds);
        QFETCH(QString, text);
        QFETCH(QString, face);
        WindowFixture window("ja");
        // Found by name in any letter case, as the commands find controls.
        QWidget* control = window->findControl(QString::fromUtf8(QTest::currentDataTag()).toLower());
        QVERIFY(control);
        QCOMPARE(control->objectName(), QString::fromUtf8(QTest::currentDataTag()));
        QCOMPARE(control->pos(), bounds.topLeft());
        // Static texts and labels size themselves to their text.
        if (!qobject_cast<QLabel*>(control))
            QCOMPARE(control->size(), bounds.size());
        if (text != QLatin1String("-"))
            QCOMPARE(TextOf(control), text);
        if (!face.isEmpty()) {
            // Drawn in the installed face that stands for the designed one.
            const QMap<QString, QString> drawnFaces = {
                {"ＭＳ Ｐゴシック", "IPAPGothic"}, {"ＭＳ ゴシック", "IPAGothic"}, {"ＭＳ 明朝", "IPAMincho"},
                {"ＭＳ Ｐ明朝", "IPAPMincho"},     {"Terminal", "DejaVu Sans Mono"},
            };
            QCOMPARE(QFontInfo(control->font()).family(), drawnFaces.value(face));
            QTEST(control->font().pixelSize(), "pixels");
            QTEST(control->font().bold(), "bold");
            QTEST(control->palette().color(QPalette::Active, QPalette::WindowText), "colour");
        }
    }

    void windowItself()
    {
        WindowFixture window("ja");
        MainWindow& form = *window;
        QCOMPARE(form.objectName(), QStringLiteral("FMAIN"));
        QCOMPARE(form.windowTitle(), QStringLiteral("Quorvan V2.2"));
        QCOMPARE(QApplication::applicationName(), QStringLiteral("Quorvan"));
        QCOMPARE(form.outerSize(), QSize(735, 549));
        QCOMPARE(form.client()->palette().color(QPalette::Window), QColor(192, 192, 192));
        QVERIFY(!form.windowIcon().isNull());
        // The ladder image shows the two lines of the empty window, from the designed place.
        QCOMPARE(form.ladderImage()->objectName(), QStringLiteral("Image1"));
        QCOMPARE(form.ladderImage()->geometry(), QRect(134, 102, 440, 60));
        QVERIFY(form.crossLinesBox()->isChecked());
        QCOMPARE(form.titleLabel()->palette().color(QPalette::Window), QColor(0, 0, 0));
    }

    void designedFacesResolveToInstalledFonts()
    {
        WindowFixture window;
        QCOMPARE(QFontInfo(window->firstMemberBox()->font()).family(), QStringLiteral("IPAPMincho"));
        QCOMPARE(QFontInfo(window->buildButton()->font()).family(), QStringLiteral("IPAGothic"));
        QCOMPARE(QFontInfo(window->membersLoadedLabel()->font()).family(), QStringLiteral("IPAMincho"));
        QCOMPARE(QFontInfo(window->loadMembersButton()->font()).family(), QStringLiteral("IPAPGothic"));
        QVERIFY(QFontInfo(window->countDisplay()->font()).fixedPitch());
    }

    // Every designed caption shows whole in the font it is drawn in, in
    // English and in every language shipped: a button's or check box's text
    // fits inside it, and a static text lies under no control.
    void captionsShowWhole_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("en") << "en";
        for (const QString& language : ShippedLanguages())
            QTest::newRow(qPrintable(language)) << language;
    }

    void captionsShowWhole()
    {
        QFETCH(QString, language);
        WindowFixture window(language);
        QStringList clipped;
        for (const DesignedControl& design : DesignedControls) {
            QWidget* control = window->findControl(QString::fromUtf8(design.Name));
            if (!design.Text || TextOf(control).isEmpty())
                continue;
            const QFontMetrics metrics(control->font());
            // The ink of the text, not its advance to a next letter nor the line's room below the baseline.
            const QRect ink = metrics.tightBoundingRect(QString(TextOf(control)).remove(QLatin1Char('&')));
            const int width = ink.width();
            if (auto* button = qobject_cast<QAbstractButton*>(control)) {
                QStyleOptionButton option;
                option.initFrom(button);
                option.text = button->text();
                const bool box = qobject_cast<QCheckBox*>(button);
                const QRect inside = button->style()->subElementRect(
                    box ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents, &option, button);
                if (width > inside.width())
                    clipped.append(TextOf(control) + QStringLiteral(" in %1 of %2").arg(width).arg(inside.width()));
                continue;
            }
            // The line where the control draws it (a line edit centres it), the ink on its baseline.
            const auto* label = qobject_cast<QLabel*>(control);
            const QRect line = QStyle::alignedRect(Qt::LeftToRight,
                                                   label ? label->alignment() : Qt::AlignLeft | Qt::AlignVCenter,
                                                   QSize(width, metrics.height()), control->contentsRect());
            const QRect text = QRect(line.left(), line.top() + metrics.ascent() + ink.top(), width, ink.height())
                                   .translated(control->pos());
            for (const DesignedControl& other : DesignedControls) {
                QWidget* above = window->findControl(QString::fromUtf8(other.Name));
                if (!other.Graphic() && above != control && text.intersects(above->geometry()))
                    clipped.append(TextOf(control) + QStringLiteral(" under ") + TextOf(above));
            }
        }
        // What the design itself clips in its own faces (the IPA faces, in Japanese and English): the check
        // box's caption, by a column or two.
        const QString known = QStringLiteral("Cross Lines in 70 of 68");
        if (language == QLatin1String("en") || language == QLatin1String("ja"))
            QEXPECT_FAIL(QTest::currentDataTag(), qPrintable(known), Continue);
        QVERIFY(!clipped.contains(known));
        clipped.removeAll(known);
        QCOMPARE(clipped.join(QStringLiteral("; ")), QString());
    }

    void englishTextsAndSizes_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("US English") << "en";
        // A language the program has no translation into speaks English.
        QTest::newRow("German") << "de";
    }

    void englishTextsAndSizes()
    {
        QFETCH(QString, language);
        WindowFixture window(language);
        MainWindow& form = *window;
        QCOMPARE(form.messageLine()->text(),
                 QStringLiteral("Please press the set execution button after specifying a set number"));
        const std::tuple<QWidget*, QString, int> texts[] = {
            {form.titleLabel(), "Quorvan", 19},     {form.settingLabel(), "Setting", 12},
            {form.setUpButton(), "Execution", 12},       {form.buildButton(), "*- Vessapo -*", 16},
            {form.loadMembersButton(), "File", 12},            {form.loadHitsButton(), "File", 12},
            {form.shuffleMembersButton(), "Shuffle", 12},         {form.shuffleHitsButton(), "Shuffle", 12},
            {form.outputHeading(), "Results", 12},
        };
        for (const auto& [control, text, pixels] : texts) {
            QCOMPARE(TextOf(control), text);
            QCOMPARE(control->font().pixelSize(), pixels);
        }
        // A static text sizes itself to its new text, which shows whole.
        QLabel* heading = form.outputHeading();
        QVERIFY(heading->width() >= QFontMetrics(heading->font()).horizontalAdvance(heading->text()));
        QVERIFY(heading->width() != 48);
    }

    void startingState()
    {
        WindowFixture window;
        MainWindow& form = *window;
        QCOMPARE(form.countSpinner()->position(), 2);
        QCOMPARE(form.countDisplay()->text(), QStringLiteral("2"));
        QCOMPARE(window.lottery().Model.RowCount, 0);
        QVERIFY(!window.lottery().Model.LadderBuilt && !window.lottery().Model.ResultColumnShown);
        QCOMPARE(window.lottery().Model.LitHit, 0);
        QCOMPARE(form.bitmap().Width(), 440);
        QCOMPARE(form.bitmap().Height(), 10620);
        QCOMPARE(form.bitmap().PenWidth(), 2);
        QCOMPARE(form.bitmap().Image().pixel(10, 20), qRgb(255, 255, 255));
        QVERIFY(!form.findControl("edit1_2"));
        QCOMPARE(window.platform.Cursor, MouseCursor::Default);
    }

    void spinnerKeepsCountInStep()
    {
        WindowFixture window;
        MainWindow& form = *window;
        Spinner* spinner = form.countSpinner();
        QStringList events;
        for (const auto& [name, signal] : {std::pair{"down", &Spinner::mouseDown}, std::pair{"changing", &Spinner::changing},
                                           std::pair{"stepped", &Spinner::stepped}})
            QObject::connect(spinner, signal, [&, name] { events.append(QStringLiteral("%1:%2").arg(name).arg(spinner->position())); });

        QTest::mouseClick(spinner->upArrow(), Qt::LeftButton);
        QCOMPARE(events, QStringList({"down:2", "changing:2", "stepped:3"}));
        QCOMPARE(form.countDisplay()->text(), QStringLiteral("3"));

        QTest::mouseClick(spinner->downArrow(), Qt::LeftButton);
        QCOMPARE(form.countDisplay()->text(), QStringLiteral("2"));
        QTest::mouseClick(spinner->downArrow(), Qt::LeftButton);
        QCOMPARE(form.countSpinner()->position(), 2);
        QCOMPARE(form.countDisplay()->text(), QStringLiteral("2"));

        form.countSpinner()->setFocus();
        QTest::keyClick(form.countSpinner(), Qt::Key_Up);
        QCOMPARE(form.countDisplay()->text(), QStringLiteral("3"));
        window.ChooseCount(480);
        QTest::keyClick(form.countSpinner(), Qt::Key_Up);
        QCOMPARE(form.countSpinner()->position(), 480);
        QCOMPARE(form.countDisplay()->text(), QStringLiteral("480"));
    }

    void designedTabSequence()
    {
        WindowFixture window;
        // Places 0 .. 22 of the design; static texts hold places too.
        const QStringList designed = {"UpDown1", "BitBtn1", "Edit1_1", "CT", "StaticText1", "StaticText2",
                                      "SText", "Edit2_1", "StaticText3", "StaticText4", "CheckBox1", "BitBtn2",
                                      "Button1", "Button8", "Button2", "BitBtn3", "BitBtn4", "Button3",
                                      "Button4", "Button5", "Button6", "Button7", "Button9"};
        QCOMPARE(window->tabs().Names(), designed);
    }

    // The window opens with the keyboard on the spinner, and Tab visits only the designed controls.
    void keyboardStartsOnTheSpinner()
    {
        WindowFixture window;
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QCOMPARE(QApplication::focusWidget(), window->countSpinner());
        QTest::keyClick(window->countSpinner(), Qt::Key_Up);
        QCOMPARE(window->countDisplay()->text(), QStringLiteral("3"));
        const QStringList designed = window->tabs().Names();
        for (int press = 0; press <= designed.size(); ++press) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            const QString reached = QApplication::focusWidget()->objectName();
            QVERIFY2(designed.contains(reached), qPrintable(reached));
        }
    }

    void errorsEndTheCommandWithAMessage()
    {
        WindowFixture window;
        MainWindow& form = *window;
        window.commands->boundary().Run([&] {
            form.setBusyCursor();
            window.lottery().Grid.Cell(500, 0);
        });
        QCOMPARE(window.platform.Errors.size(), 1);
        QVERIFY(window.platform.Errors.first().contains("out of range"));
        QCOMPARE(window.platform.Cursor, MouseCursor::Default);

        // The window goes on working.
        window.Click(form.setUpButton());
        QVERIFY(form.findControl("edit1_2"));
        QCOMPARE(window.platform.Errors.size(), 1);
    }
};

QUORVAN_TEST_MAIN(TestStartup)
#include "TestStartup.moc"
