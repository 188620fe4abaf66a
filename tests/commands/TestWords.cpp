// What the window says in words beside its colours and captions, in the
// user's language: error messages, the names a screen reader reads, the
// traced result; and that its texts stay readable under a dark scheme.

#include "TestData.h"
#include "window/Pixels.h"
#include "window/WindowFixture.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>

using namespace quorvan;
using namespace quorvan::testing;

namespace {

QString AccessibleText(QWidget* control, QAccessible::Text kind)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    return accessible ? accessible->text(kind) : QStringLiteral("<none>");
}

// The text and background colours the style paints a box's or button's text with.
std::pair<QColor, QColor> PaintedColours(const QWidget* control)
{
    const QPalette& own = control->palette();
    if (qobject_cast<const QLineEdit*>(control))
        return {own.color(QPalette::Text), own.color(QPalette::Base)};
    return {own.color(QPalette::ButtonText), own.color(QPalette::Button)};
}

QPalette DarkScheme()
{
    QPalette dark(QColor(53, 53, 53));
    for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button, QPalette::AlternateBase})
        dark.setColor(role, QColor(40, 40, 40));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(role, QColor(230, 230, 230));
    return dark;
}

} // namespace

class TestWords : public QObject {
    Q_OBJECT

private slots:
    void errorsComeInTheUserLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("file"); // a folder when it is not in the test data
        QTest::addColumn<QString>("reason"); // %1: the file
        const QString workbook = TestData("broken-directory.xls");
        QTest::newRow("folder, English") << "en" << "folder.txt"
                                         << "Cannot read the list file \u201C%1\u201D:\nIt is a folder, not a file.";
        QTest::newRow("folder, Japanese") << "ja" << "folder.txt"
                                          << "リストファイルを読み込めません：\u201C%1\u201D\nファイルではなくフォルダーです。";
        QTest::newRow("workbook, English") << "en" << workbook << "%1\u201D:\nThe workbook is damaged";
        QTest::newRow("workbook, Japanese") << "ja" << workbook << "ブックを読み込めません：\u201C%1\u201D\nブックが壊れています";
    }

    void errorsComeInTheUserLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, file);
        QFETCH(QString, reason);
        QTemporaryDir folder;
        if (!QFileInfo(file).isAbsolute()) {
            QVERIFY(QDir(folder.path()).mkdir(file));
            file = folder.filePath(file);
        }
        WindowFixture window(language);
        window.Load(window->loadMembersButton(), file);
        QCOMPARE(window.platform.Errors.size(), 1);
        QVERIFY2(window.platform.Errors.first().contains(reason.arg(file)), qPrintable(window.platform.Errors.first()));
    }

    void everyControlHasAName_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("names"); // member, hit and result box 3, member box 1, ladder, guide
        QTest::newRow("English") << "en"
                                 << QStringList{"Member 3", "Hit 3", "Result 3", "Member 1", "Ladder", "User guide"};
        QTest::newRow("Japanese") << "ja"
                                  << QStringList{"メンバー 3", "当たり 3", "結果 3", "メンバー 1", "あみだ", "ユーザーガイド"};
    }

    void everyControlHasAName()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, names);
        WindowFixture window(language);
        window.PlayLottery(3);
        const QList<QWidget*> named = {window.Box("edit1_3"), window.Box("edit2_3"), window.Box("edit3_3"),
                                       window->firstMemberBox(), window->ladderImage(), window->guideLink()};
        for (qsizetype i = 0; i < named.size(); ++i)
            QCOMPARE(AccessibleText(named[i], QAccessible::Name), names[i]);
        for (QPushButton* button : window->findChildren<QPushButton*>())
            QCOMPARE(AccessibleText(button, QAccessible::Name), button->text());
        QCOMPARE(AccessibleText(window->crossLinesBox(), QAccessible::Name), QStringLiteral("Cross Lines"));
    }

    // Alt and a letter reaches one entry of a menu, never two in turn.
    void menuMnemonicsDiffer_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << "en";
        QTest::newRow("Japanese") << "ja";
    }

    void menuMnemonicsDiffer()
    {
        QFETCH(QString, language);
        WindowFixture window(language);
        for (const QMenu* menu : window->menuBar()->findChildren<QMenu*>()) {
            QMap<QChar, QString> taken;
            for (const QAction* action : menu->actions()) {
                const QString text = QString(action->text()).replace(QLatin1String("&&"), QString());
                const qsizetype at = text.indexOf(QLatin1Char('&'));
                if (at < 0 || at + 1 >= text.size())
                    continue;
                const QChar letter = text.at(at + 1).toUpper();
                QVERIFY2(!taken.contains(letter), qPrintable(taken.value(letter) + " / " + text));
                taken.insert(letter, text);
            }
        }
    }

    void spinnerTellsItsValue()
    {
        WindowFixture window;
        QAccessibleInterface* spinner = QAccessible::queryAccessibleInterface(window->countSpinner());
        QCOMPARE(spinner->role(), QAccessible::SpinBox);
        QVERIFY(!spinner->text(QAccessible::Name).isEmpty());
        QAccessibleValueInterface* value = spinner->valueInterface();
        QVERIFY(value);
        window.ChooseCount(5);
        QCOMPARE(value->currentValue().toInt(), 5);
        QCOMPARE(value->minimumValue().toInt(), 2);
        QCOMPARE(value->maximumValue().toInt(), 480);
        value->setCurrentValue(7);
        QCOMPARE(window->countSpinner()->position(), 7);
        QCOMPARE(window->countDisplay()->text(), QStringLiteral("7"));
    }

    void tracedHitIsToldInWords_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("toldOfAnn");
        QTest::addColumn<QString>("toldOfEmpty");
        QTest::newRow("English") << "en" << "Hit 2 \u2192 Ann (member 3)" << "Hit 2 \u2192 member 3";
        QTest::newRow("Japanese") << "ja" << "当たり 2 \u2192 Ann（メンバー 3）" << "当たり 2 \u2192 メンバー 3";
    }

    void tracedHitIsToldInWords()
    {
        QFETCH(QString, language);
        QFETCH(QString, toldOfAnn);
        QFETCH(QString, toldOfEmpty);
        WindowFixture window(language, 0); // hit 2 of three reaches member 3
        window.SetUp(3);
        window.Click(window->buildButton());
        window.Click(window.Box("edit2_2"));
        QCOMPARE(window->statusText(), toldOfEmpty);
        window.Box("edit1_3")->setText(QStringLiteral("Ann"));
        window.Click(window.Box("edit2_2"));
        QCOMPARE(window->statusText(), toldOfAnn);
        QCOMPARE(AccessibleText(window.Box("edit2_2"), QAccessible::Description), toldOfAnn);

        window.Click(window.Box("edit2_1"));
        QCOMPARE(AccessibleText(window.Box("edit2_2"), QAccessible::Description), QString());
        QVERIFY(!AccessibleText(window.Box("edit2_1"), QAccessible::Description).isEmpty());
        window.Click(window->resetButton());
        QCOMPARE(window->statusText(), QString());
        QCOMPARE(AccessibleText(window->firstHitBox(), QAccessible::Description), QString());
    }

    void textsStayReadableUnderADarkScheme()
    {
        const QPalette normal = QApplication::palette();
        QApplication::setPalette(DarkScheme());
        {
            WindowFixture window;
            window.PlayLottery(3);
            window->firstMemberBox()->setText(QStringLiteral("Ann"));
            // Boxes and buttons; the designed red captions on the button face reach 3.5.
            // The client's controls and those of the header pinned on it.
            for (QWidget* control : window->client()->findChildren<QWidget*>()) {
                if (control->parentWidget() != window->client()
                    && control->parentWidget()->objectName() != QLatin1String("PinnedHeader"))
                    continue;
                const bool box = qobject_cast<QLineEdit*>(control);
                if ((!box && !qobject_cast<QPushButton*>(control)) || !control->isEnabled())
                    continue;
                const auto [text, background] = PaintedColours(control);
                QVERIFY2(Contrast(text, background) >= (box ? 4.5 : 3.0),
                         qPrintable(control->objectName() + ": " + text.name() + " on " + background.name()));
            }
        }
        QApplication::setPalette(normal);
    }

    // The window looks as designed under any scheme.
    void darkSchemeChangesNothingShown()
    {
        const auto shown = [](const QPalette& scheme) {
            QApplication::setPalette(scheme);
            WindowFixture window;
            window.PlayLottery(3);
            window->firstMemberBox()->setText(QStringLiteral("Ann"));
            return window->client()->grab().toImage();
        };
        const QPalette normal = QApplication::palette();
        const QImage designed = shown(normal);
        const QImage dark = shown(DarkScheme());
        QApplication::setPalette(normal);
        QVERIFY(designed == dark);
    }
};

QUORVAN_TEST_MAIN(TestWords)
#include "TestWords.moc"
