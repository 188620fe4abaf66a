#pragma once
// A main window with its commands on a fake platform, shown offscreen, for
// tests that drive it the way a user would.

#include "app/Application.h"
#include "commands/Commands.h"
#include "platform/FakePlatform.h"
#include "window/Controls.h"
#include "window/LadderBitmap.h"
#include "window/LadderImage.h"
#include "window/MainWindow.h"
#include "window/Spinner.h"

#include <QApplication>
#include <QCheckBox>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QTest>

#include <memory>
#include <stdexcept>

namespace quorvan::testing {

inline void ConfigureTestApplication()
{
    static bool configured = false;
    if (!configured)
        ConfigureApplication(*qApp);
    configured = true;
}

struct WindowFixture {
    // `state`: the folder where the lottery is kept after each command, none
    // when empty; `settings`: kept from an earlier run.
    explicit WindowFixture(const QString& language = QStringLiteral("en"), uint64_t counter = 0, const QString& state = {},
                           const QMap<QString, QString>& settings = {})
    {
        ConfigureTestApplication();
        platform.Speak(language);
        platform.Counter = counter;
        platform.State = state;
        // The fair draw off, as the user may set it: most tests follow the
        // hits as they stand. A test of the first start clears the setting.
        platform.Settings.insert(QStringLiteral("FairDraw"), QStringLiteral("false"));
        platform.Settings.insert(settings);
        window = std::make_unique<MainWindow>(platform);
        commands = std::make_unique<Commands>(*window);
        window->show();
        // A constructor cannot fail a test with QVERIFY; the test function
        // reports this as a failure instead.
        if (!QTest::qWaitForWindowExposed(window.get()))
            throw std::runtime_error("the window was never shown");
    }

    MainWindow* operator->() const { return window.get(); }
    MainWindow& operator*() const { return *window; }
    MainWindow* get() const { return window.get(); }
    // The lottery's state, which the commands keep beside the window.
    Lottery& lottery() const { return commands->lottery(); }

    // Sets the spinner as the user would, with its arrows.
    void ChooseCount(int count)
    {
        while (window->countSpinner()->position() < count)
            QTest::keyClick(window->countSpinner(), Qt::Key_Up);
        while (window->countSpinner()->position() > count)
            QTest::keyClick(window->countSpinner(), Qt::Key_Down);
    }

    void Click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton); }

    // A command run as its control runs it: inside the command boundary.
    void Run(void (Commands::*command)())
    {
        commands->boundary().Run([&] { (commands.get()->*command)(); });
    }

    // Set-up of `rows` rows, as a user would do it.
    void SetUp(int rows)
    {
        ChooseCount(rows);
        Click(window->setUpButton());
    }

    // Set-up of `rows` rows, Build and ［HIT-ALL］, as a user would click them.
    void PlayLottery(int rows)
    {
        SetUp(rows);
        Click(window->buildButton());
        Click(window->hitAllButton());
    }

    // The list file at `path` chosen in the open dialog of a list import.
    void Load(QPushButton* import, const QString& path)
    {
        platform.OpenAnswers.append(path);
        Click(import);
    }

    EditBox* Box(const QString& name) const { return qobject_cast<EditBox*>(window->findControl(name)); }

    // Where a control sits in the scrolled area, whatever widget holds it.
    QRect Placed(const QWidget* control) const
    {
        return {control->mapTo(window->client(), QPoint()), control->size()};
    }

    // Puts `texts` into boxes <prefix>1, <prefix>2, ...
    void Fill(const QString& prefix, const QStringList& texts)
    {
        for (int row = 1; row <= texts.size(); ++row)
            Box(prefix + QString::number(row))->setText(texts[row - 1]);
    }

    // The texts of boxes <prefix>1 .. <prefix><rows>, "<none>" where a box is missing.
    QStringList Column(const QString& prefix, int rows) const
    {
        QStringList texts;
        for (int row = 1; row <= rows; ++row) {
            const EditBox* box = Box(prefix + QString::number(row));
            texts.append(box ? box->text() : QStringLiteral("<none>"));
        }
        return texts;
    }

    // The names of the boxes on the window that begin with `prefix`, in lower case, sorted.
    QStringList BoxNames(const QString& prefix) const
    {
        QStringList names;
        for (const QObject* child : window->client()->findChildren<QWidget*>()) {
            const QString name = child->objectName().toLower();
            if (name.startsWith(prefix))
                names.append(name);
        }
        names.sort();
        return names;
    }

    FakePlatform platform;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<Commands> commands;
};

} // namespace quorvan::testing
