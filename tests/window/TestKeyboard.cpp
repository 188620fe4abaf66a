#include "window/WindowFixture.h"

#include <QAction>
#include <QClipboard>
#include <QMenu>
#include <QWheelEvent>

using namespace quorvan;
using testing::WindowFixture;

namespace {

void Wheel(QWidget* widget, int notches)
{
    const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
    QWheelEvent event(at, widget->mapToGlobal(at), QPoint(), QPoint(0, notches * 120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &event);
}

} // namespace

// Everything the window does with the keyboard alone.
class TestKeyboard : public QObject {
    Q_OBJECT

private slots:
    // Each key or wheel turn moves the spinner within 2 .. 480, the count display in step.
    void spinnerKeys_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("key"); // 0 for a wheel turn
        QTest::addColumn<int>("notches");
        QTest::addColumn<int>("position");
        QTest::newRow("PageUp") << 2 << int(Qt::Key_PageUp) << 0 << 12;
        QTest::newRow("PageUp near the top") << 475 << int(Qt::Key_PageUp) << 0 << 480;
        QTest::newRow("PageDown") << 30 << int(Qt::Key_PageDown) << 0 << 20;
        QTest::newRow("PageDown near the bottom") << 5 << int(Qt::Key_PageDown) << 0 << 2;
        QTest::newRow("End") << 2 << int(Qt::Key_End) << 0 << 480;
        QTest::newRow("Home") << 17 << int(Qt::Key_Home) << 0 << 2;
        QTest::newRow("wheel up") << 2 << 0 << 3 << 5;
        QTest::newRow("wheel down") << 10 << 0 << -2 << 8;
        QTest::newRow("wheel past the top") << 479 << 0 << 4 << 480;
    }

    void spinnerKeys()
    {
        QFETCH(int, start);
        QFETCH(int, key);
        QFETCH(int, notches);
        QFETCH(int, position);
        WindowFixture window;
        window.ChooseCount(start);
        Spinner* spinner = window->countSpinner();
        QStringList events;
        QObject::connect(spinner, &Spinner::changing, [&] { events.append(QString::number(spinner->position())); });
        QObject::connect(spinner, &Spinner::stepped, [&] { events.append(QString::number(spinner->position())); });
        if (key)
            QTest::keyClick(spinner, Qt::Key(key));
        else
            Wheel(spinner, notches);
        QCOMPARE(spinner->position(), position);
        QCOMPARE(window->countDisplay()->text(), QString::number(position));
        // As an arrow does: told before and after the change.
        QCOMPARE(events, QStringList({QString::number(start), QString::number(position)}));
    }

    // Enter on a hit box traces its hit as a click does; typing into it is unchanged.
    void enterOnAHitBoxTracesIt_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    }

    void enterOnAHitBoxTracesIt()
    {
        QFETCH(int, key);
        WindowFixture window;
        window.SetUp(3);
        EditBox* hit = window.Box("edit2_3");
        hit->setFocus();
        QTest::keyClicks(hit, "A b");
        QCOMPARE(hit->text(), QStringLiteral("A b"));
        window.Click(window->buildButton());
        hit->setFocus();
        QCOMPARE(window.lottery().Model.LitHit, 0);
        QTest::keyClick(hit, Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(window.lottery().Model.LitHit, 3);
        QCOMPARE(hit->text(), QStringLiteral("A b"));
    }

    void enterPressesTheFocusedButton_data() { enterOnAHitBoxTracesIt_data(); }

    void enterPressesTheFocusedButton()
    {
        QFETCH(int, key);
        WindowFixture window;
        window->setUpButton()->setFocus();
        QTest::keyClick(window->setUpButton(), Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QVERIFY(window->findControl("edit1_2"));
        QVERIFY(window->buildButton()->isEnabled());
    }

    // The menus' shortcuts reach the commands from anywhere, but the edit
    // boxes keep their own keys: copy, paste and typing.
    void shortcutsLeaveTheBoxesTheirKeys()
    {
        WindowFixture window;
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        window.SetUp(2);
        EditBox* member = window->firstMemberBox();
        member->setFocus();
        QTest::keyClicks(member, "Anna");
        QTest::keyClick(member, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(member, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Anna"));
        QCOMPARE(window.platform.CapturedWindow, nullptr);
        QTest::keyClick(member, Qt::Key_End);
        QTest::keyClick(member, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(member->text(), QStringLiteral("AnnaAnna"));

        // F5 builds from the box; the capture has its own shortcut.
        QTest::keyClick(member, Qt::Key_F5);
        QVERIFY(window.lottery().Model.LadderBuilt);
        QTest::keyClick(member, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(window.platform.CapturedWindow, window.get());
        QCOMPARE(member->text(), QStringLiteral("AnnaAnna"));
    }

    // A shortcut of a withdrawn command does nothing.
    void withdrawnShortcutDoesNothing()
    {
        WindowFixture window;
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window->countSpinner(), Qt::Key_F5);
        QVERIFY(!window.lottery().Model.LadderBuilt);
        QVERIFY(window.platform.Errors.isEmpty());
    }
};

QUORVAN_TEST_MAIN(TestKeyboard)
#include "TestKeyboard.moc"
