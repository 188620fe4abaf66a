#pragma once
// A main window on a fake platform, shown offscreen, for tests that drive it
// the way a user would.

#include "Application.h"
#include "FakePlatform.h"
#include "TFMAIN.h"

#include <QApplication>
#include <QTest>

#include <memory>

namespace quorvan::testing {

inline void ConfigureTestApplication()
{
    static bool configured = false;
    if (!configured)
        ConfigureApplication(*qApp);
    configured = true;
}

struct WindowFixture {
    explicit WindowFixture(int32_t locale = 1033, uint64_t counter = 0)
    {
        ConfigureTestApplication();
        platform.Locale = locale;
        platform.Counter = counter;
        form = std::make_unique<TFMAIN>(platform);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }

    // Sets the spinner as the user would, with its arrows.
    void ChooseCount(int count)
    {
        while (form->UpDown1->Position() < count)
            QTest::keyClick(form->UpDown1, Qt::Key_Up);
        while (form->UpDown1->Position() > count)
            QTest::keyClick(form->UpDown1, Qt::Key_Down);
    }

    void Click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton); }

    // Set-up of `rows` rows, Build and ［HIT-ALL］, as a user would click them.
    void PlayLottery(int rows)
    {
        ChooseCount(rows);
        Click(form->BitBtn1);
        Click(form->BitBtn2);
        Click(form->Button1);
    }

    EditBox* Box(const QString& name) const { return form->FindEditBox(name); }

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

    FakePlatform platform;
    std::unique_ptr<TFMAIN> form;
};

} // namespace quorvan::testing
