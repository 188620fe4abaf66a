#include "TestData.h"
#include "drawrecord/AnnouncedRecordFile.h"
#include "drawrecord/AnnouncementFile.h"
#include "window/AnnounceForm.h"
#include "window/AnnouncementDialog.h"
#include "window/SourceValuesDialog.h"
#include "window/WindowFixture.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

using namespace quorvan;
using testing::WindowFixture;

namespace {

// Answers the modal dialogs the command opens, one action each, in turn; an
// action that returns false cancels its dialog.
template <class Dialog>
void AnswerDialogs(QList<std::function<bool(Dialog&)>> answers)
{
    QTimer::singleShot(0, [answers]() mutable {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        const bool accept = answers.takeFirst()(*dialog);
        if (!answers.isEmpty())
            AnswerDialogs<Dialog>(answers);
        accept ? dialog->accept() : dialog->reject();
    });
}

// A title, an organiser, one published value and five dice: a form that makes an announcement.
bool AnnounceableForm(AnnounceForm& form)
{
    form.titleBox->setText("Club draw");
    form.organiserBox->setText("Dee");
    form.publicGroup->setChecked(true);
    form.publicNameBox->setText("Lottery");
    form.publicRuleBox->setText("the first prize, digits only");
    form.diceGroup->setChecked(true);
    form.diceCountBox->setValue(5);
    return true;
}

} // namespace

class TestAnnouncedDraws : public QObject {
    Q_OBJECT

private slots:
    void announcedListsStayFixedAndDrawOnce()
    {
        QTemporaryDir folder;
        WindowFixture window("en", 0);
        window.SetUp(3);
        const QStringList members{"Ann", "Bob", "Cy"}, hits{"1st", "2nd", "3rd"};
        window.Fill("edit1_", members);
        window.Fill("edit2_", hits);
        window.platform.Now = QDateTime(QDate(2026, 12, 10), QTime(9, 0), Qt::OffsetFromUTC, 3600);

        // A form with no source is refused and comes back; then one published value and five dice.
        AnswerDialogs<AnnounceForm>({[](AnnounceForm& form) {
                                         form.titleBox->setText("Club draw");
                                         form.organiserBox->setText("Dee");
                                         form.publicGroup->setChecked(false);
                                         return true;
                                     },
                                     AnnounceableForm});
        const QString announcementPath = folder.filePath("club.qannounce");
        window.platform.SaveAnswers.append(announcementPath);
        window.Run(&Commands::onAnnounceDraw);
        QCOMPARE(window.platform.Errors.size(), 1);

        const QByteArray text = ReadTestFile(announcementPath);
        const QString digest = QString::fromLatin1(QCryptographicHash::hash(text, QCryptographicHash::Sha256).toHex());
        auto* shown = window->findChild<AnnouncementDialog*>();
        QVERIFY(shown);
        QVERIFY(shown->publishedText().contains("A = " + digest));
        QVERIFY(!shown->qrLabel->pixmap().isNull());
        for (QWidget* control : QList<QWidget*>{window->buildButton(), window->setUpButton(),
                                                window->shuffleHitsButton(), window->loadMembersButton()})
            QVERIFY(!control->isEnabled());
        QTest::keyClick(&window->memberBox(2), Qt::Key_X);
        QTest::keyClick(&window->hitBox(3), Qt::Key_X);
        window.Run(&Commands::onReset);
        QCOMPARE(window.Column("edit1_", 3), members);
        QCOMPARE(window.Column("edit2_", 3), hits);

        // Dice that break their rule are refused and the dialog comes back; cancelled, nothing is drawn.
        window.platform.Answers = {true};
        AnswerDialogs<SourceValuesDialog>({[](SourceValuesDialog& values) {
                                               values.valueBoxes[0]->setText("4821");
                                               values.valueBoxes[1]->setText("1237");
                                               return true;
                                           },
                                           [](SourceValuesDialog&) { return false; }});
        window.Run(&Commands::onDrawAnnounced);
        QCOMPARE(window.platform.Errors.size(), 2);
        QVERIFY(window.lottery().Announced);

        window.platform.Answers = {true};
        AnswerDialogs<SourceValuesDialog>({[](SourceValuesDialog& values) {
            values.valueBoxes[0]->setText("4821");
            values.valueBoxes[1]->setText("12365");
            return true;
        }});
        const QString recordPath = folder.filePath("club.qdraw");
        window.platform.SaveAnswers.append(recordPath);
        window.Run(&Commands::onDrawAnnounced);
        QCOMPARE(window.platform.Errors.size(), 2);
        QVERIFY(!window.lottery().Announced);

        // The record verifies against the A published, and the window shows its draw.
        const QByteArray saved = ReadTestFile(recordPath);
        const AnnouncedRecord record = ParseAnnouncedRecord(saved, recordPath);
        QCOMPARE(AnnouncedDifferences(record, QByteArray::fromHex(digest.toLatin1())), QStringList());
        QCOMPARE(record.Members, members);
        QCOMPARE(window.Column("edit2_", 3), record.Hits);
        QCOMPARE(window.Column("edit3_", 3).size(), 3);
        QVERIFY(window.platform.Notices.last().contains(digest));

        // Opened again, it shows the same draw and the same verdict, comparing nothing with A.
        const QStringList drawn = window.Column("edit3_", 3);
        window.Click(window->resetButton());
        window.platform.OpenAnswers.append(recordPath);
        window.Run(&Commands::onOpenDraw);
        QCOMPARE(window.platform.Errors.size(), 2);
        QCOMPARE(window.Column("edit3_", 3), drawn);
        QVERIFY(window.platform.Notices.last().contains("compare the A above"));
    }

    // Closed without a draw, the announcement leaves the lists as the ladder holds them.
    void closingKeepsBuiltListsFixed_data()
    {
        QTest::addColumn<bool>("built");
        QTest::addColumn<QString>("member"); // member 2 after an X typed at its end
        QTest::newRow("not built") << false << "BobX";
        QTest::newRow("built") << true << "Bob";
    }
    void closingKeepsBuiltListsFixed()
    {
        QFETCH(bool, built);
        QFETCH(QString, member);
        QTemporaryDir folder;
        WindowFixture window("en", 0);
        window.SetUp(3);
        window.Fill("edit1_", {"Ann", "Bob", "Cy"});
        window.Fill("edit2_", {"1st", "2nd", "3rd"});
        if (built)
            window.Click(window->buildButton());
        AnswerDialogs<AnnounceForm>({AnnounceableForm});
        window.platform.SaveAnswers.append(folder.filePath("club.qannounce"));
        window.Run(&Commands::onAnnounceDraw);
        QVERIFY(window.lottery().Announced);
        window.platform.Answers = {true};
        window.Run(&Commands::onCloseAnnouncement);
        QVERIFY(!window.lottery().Announced);
        window->memberBox(2).end(false);
        QTest::keyClicks(&window->memberBox(2), "X");
        QCOMPARE(window->memberBox(2).text(), member);
    }

    // Without the documents' module there is no QR code: the form comes back
    // as it was filled in, and nothing is written or open.
    void announcementWithoutItsQrCodeKeepsTheForm()
    {
        QTemporaryDir folder;
        WindowFixture window("en", 0);
        window.SetUp(3);
        window.Fill("edit1_", {"Ann", "Bob", "Cy"});
        window.Fill("edit2_", {"1st", "2nd", "3rd"});
        window.platform.QrCodeFails = true;
        QString titleShownAgain;
        AnswerDialogs<AnnounceForm>({AnnounceableForm, [&titleShownAgain](AnnounceForm& form) {
                                         titleShownAgain = form.titleBox->text();
                                         return false;
                                     }});
        window.platform.SaveAnswers.append(folder.filePath("club.qannounce"));
        window.Run(&Commands::onAnnounceDraw);
        QCOMPARE(titleShownAgain, QStringLiteral("Club draw"));
        QCOMPARE(window.platform.Errors.size(), 1);
        QVERIFY(!window.lottery().Announced);
        QVERIFY(QDir(folder.path()).isEmpty());
    }
};

QUORVAN_TEST_MAIN(TestAnnouncedDraws)
#include "TestAnnouncedDraws.moc"
