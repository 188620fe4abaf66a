#include "window/WindowDesign.h"
#include "window/WindowFixture.h"

#include <QFontInfo>

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
    void windowAsDesigned()
    {
        WindowFixture window(1041);
        MainWindow& form = *window;
        QCOMPARE(form.objectName(), QStringLiteral("FMAIN"));
        QCOMPARE(form.windowTitle(), QStringLiteral("Quorvan V2.2"));
        QCOMPARE(QApplication::applicationName(), QStringLiteral("Quorvan"));
        QCOMPARE(form.outerSize(), QSize(735, 549));
        QCOMPARE(form.client()->palette().color(QPalette::Window), QColor(192, 192, 192));
        QVERIFY(!form.windowIcon().isNull());

        QCOMPARE(DesignedControls.size(), size_t(29));
        for (const DesignedControl& designed : DesignedControls) {
            const QString name = QString::fromUtf8(designed.Name);
            QWidget* control = form.findControl(name.toLower());
            QVERIFY2(control, designed.Name);
            QCOMPARE(control->objectName(), name);
            QCOMPARE(control->pos(), designed.Bounds.topLeft());
            // Static texts size themselves to their text; the image shows two lines.
            if (!qobject_cast<StaticText*>(control) && control != form.ladderImage())
                QCOMPARE(control->size(), designed.Bounds.size());
            if (designed.Font.Face) {
                QCOMPARE(control->font().family(), QString::fromUtf8(designed.Font.Face));
                QCOMPARE(control->font().pixelSize(), designed.Font.Pixels);
                QCOMPARE(control->font().bold(), designed.Font.Bold);
                QCOMPARE(control->palette().color(QPalette::Active, QPalette::WindowText), QColor(designed.Font.Colour));
            }
        }
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

    void japaneseTexts()
    {
        WindowFixture window(1041);
        MainWindow& form = *window;
        QCOMPARE(form.messageLine()->text(),
                 QStringLiteral("■→設定数を指定してから、設定実行ボタンを押下してください"));
        QCOMPARE(form.countDisplay()->text(), QStringLiteral("2"));
        // Every other designed text stays as designed; the boxes start empty.
        for (const DesignedControl& designed : DesignedControls) {
            QWidget* control = form.findControl(QString::fromUtf8(designed.Name));
            if (designed.Text && control != form.messageLine() && control != form.countDisplay())
                QCOMPARE(TextOf(control), QString::fromUtf8(designed.Text));
        }
        QCOMPARE(TextOf(form.firstMemberBox()), QString());
        QCOMPARE(TextOf(form.firstHitBox()), QString());
    }

    void englishTextsAndSizes_data()
    {
        QTest::addColumn<int>("locale");
        QTest::newRow("US English") << 1033;
        QTest::newRow("Simplified Chinese") << 2052;
        QTest::newRow("German") << 1031;
    }

    void englishTextsAndSizes()
    {
        QFETCH(int, locale);
        WindowFixture window(locale);
        MainWindow& form = *window;
        QCOMPARE(form.messageLine()->text(),
                 QStringLiteral("Please press the set execution button after specifying a set number"));
        const std::tuple<QWidget*, QString, int> texts[] = {
            {form.titleLabel(), "Quorvan", 19},     {form.settingLabel(), "Setting", 12},
            {form.setUpButton(), "Execution", 12},       {form.buildButton(), "*- Vessapo -*", 16},
            {form.loadMembersButton(), "File", 12},            {form.loadHitsButton(), "File", 12},
            {form.shuffleMembersButton(), "Shuffle", 12},         {form.shuffleHitsButton(), "Shuffle", 12},
            {form.outputHeading(), "Result output", 12},
        };
        for (const auto& [control, text, pixels] : texts) {
            QCOMPARE(TextOf(control), text);
            QCOMPARE(control->font().pixelSize(), pixels);
        }
        // A static text sizes itself to its new text.
        QVERIFY(form.outputHeading()->width() > 48);
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
        QStringList designed(23);
        for (const DesignedControl& control : DesignedControls)
            if (!control.Graphic())
                designed[control.Tab] = QString::fromUtf8(control.Name);
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

QTEST_MAIN(TestStartup)
#include "TestStartup.moc"
