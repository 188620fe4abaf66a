#include "TestData.h"
#include "platform/FontDialog.h"
#include "platform/LanguageFaces.h"
#include "platform/QtPlatform.h"
#include "platform/Translations.h"
#include "texts/UserText.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

#include <chrono>
#include <stop_token>
#include <thread>

using namespace quorvan;

class TestQtPlatform : public QObject {
    Q_OBJECT

private slots:
    // The first of the user's languages the program speaks; English when none is.
    void languageIsChosenFromTheUsersList_data()
    {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<QStringList>("shipped");
        QTest::addColumn<QString>("language");
        const QStringList all{"ja", "ko", "zh_CN", "zh_TW"};
        QTest::newRow("Japanese") << QStringList{"ja-JP", "ja"} << all << "ja";
        QTest::newRow("English first") << QStringList{"en-US", "ja-JP"} << all << "en";
        QTest::newRow("French, untranslated, then Japanese") << QStringList{"fr-FR", "fr", "ja-JP"} << all << "ja";
        QTest::newRow("Korean") << QStringList{"ko-KR", "ko"} << all << "ko";
        QTest::newRow("Korean not shipped") << QStringList{"ko-KR", "ko"} << QStringList{"ja"} << "en";
        QTest::newRow("Taiwan") << QStringList{"zh-Hant-TW", "zh-TW", "zh-Hant", "zh"} << all << "zh_TW";
        QTest::newRow("Hong Kong") << QStringList{"zh-HK"} << all << "zh_TW";
        QTest::newRow("China") << QStringList{"zh-Hans-CN", "zh-CN", "zh-Hans", "zh"} << all << "zh_CN";
        QTest::newRow("C locale") << QStringList{"C"} << all << "en";
        QTest::newRow("none") << QStringList{} << all << "en";
    }

    void languageIsChosenFromTheUsersList()
    {
        QFETCH(QStringList, uiLanguages);
        QFETCH(QStringList, shipped);
        QTEST(ChooseLanguage(uiLanguages, shipped), "language");
    }

    // A language whose characters no installed face can draw is passed over
    // for the user's next one, or English: never a window of empty boxes.
    // (Run again on a system of Latin faces only, latin-faces.conf.)
    void languagesWithoutFacesArePassedOver_data()
    {
        const bool latinOnly = qEnvironmentVariable("FONTCONFIG_FILE").endsWith(QLatin1String("latin-faces.conf"));
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<QString>("language");
        QTest::newRow("Japanese") << QStringList{"ja-JP", "ja"} << (latinOnly ? "en" : "ja");
        QTest::newRow("Korean, then Japanese") << QStringList{"ko-KR", "ja-JP"} << (latinOnly ? "en" : "ko");
        QTest::newRow("Taiwan") << QStringList{"zh-Hant-TW"} << (latinOnly ? "en" : "zh_TW");
        QTest::newRow("China") << QStringList{"zh-Hans-CN"} << (latinOnly ? "en" : "zh_CN");
        QTest::newRow("German, then Japanese") << QStringList{"de-DE", "ja-JP"} << (latinOnly ? "en" : "ja");
        QTest::newRow("English") << QStringList{"en-GB"} << "en";
    }

    void languagesWithoutFacesArePassedOver()
    {
        QFETCH(QStringList, uiLanguages);
        QTEST(ChooseLanguage(LanguagesWithFaces(uiLanguages), ShippedLanguages()), "language");
    }

    // The program's texts and Qt's own dialog texts speak the language chosen,
    // for as long as their owner lives.
    void translationsFollowTheLanguage()
    {
        QVERIFY(ShippedLanguages().contains(QStringLiteral("ja")));
        const auto cancel = [] { return QCoreApplication::translate("QPlatformTheme", "Cancel"); };
        const auto colour = [] { return Say(MessageId::FontColourButton); };
        const QString english = colour();
        {
            QObject owner;
            QCOMPARE(InstallTranslations({QStringLiteral("ja")}, &owner), QStringLiteral("ja"));
            QCOMPARE(cancel(), QStringLiteral("キャンセル"));
            QVERIFY(colour() != english);
        }
        QCOMPARE(cancel(), QStringLiteral("Cancel"));
        QCOMPARE(colour(), english);
    }

    void clockMovesOn()
    {
        QtPlatform platform;
        const auto first = platform.PerformanceCounter();
        QVERIFY(first.has_value());
        QTest::qWait(2);
        QVERIFY(*platform.PerformanceCounter() > *first);
    }

    void fontDialogAppliesWhileOpen()
    {
        QtPlatform platform;
        QFont start(QStringLiteral("Terminal"));
        start.setPixelSize(13);
        QList<ControlFont> applied;
        QFont wanted(QStringLiteral("DejaVu Serif"));
        wanted.setPointSize(14);
        QTimer::singleShot(0, this, [&] {
            auto* dialog = dynamic_cast<FontDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QVERIFY(dialog->testOption(QFontDialog::DontUseNativeDialog));
            dialog->setCurrentFont(wanted);
            dialog->SetColour(QColor(0, 0, 255));
            dialog->ApplyButton()->click();
            QVERIFY(dialog->isVisible());
            dialog->accept();
        });
        const auto confirmed = platform.ChooseFont({start, QColor(0, 0, 0)},
                                                   [&](const ControlFont& font) { applied.append(font); });
        QCOMPARE(applied.size(), 1);
        QCOMPARE(applied.first().Font.family(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(applied.first().Colour, QColor(0, 0, 255));
        QVERIFY(confirmed.has_value());
        QCOMPARE(confirmed->Font.family(), QStringLiteral("DejaVu Serif"));

        QTimer::singleShot(0, this, [] { QApplication::activeModalWidget()->close(); });
        QVERIFY(!platform.ChooseFont({start, QColor(0, 0, 0)}, [](const ControlFont&) {}).has_value());
    }

    void captureCopiesTheWindow()
    {
        QtPlatform platform;
        QWidget window;
        window.resize(321, 123);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        platform.CaptureWindowToClipboard(&window);
        QCOMPARE(QApplication::clipboard()->image().size(), QSize(321, 123));
    }

    // The save dialog starts in the folder given and tells which kind of file was chosen.
    void saveDialogTellsTheChosenFilter()
    {
        QtPlatform platform;
        const QString folder = QDir::tempPath();
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QCOMPARE(dialog->directory().absolutePath(), folder);
            dialog->selectNameFilter(QStringLiteral("Second (*.two)"));
            dialog->selectFile(QStringLiteral("chosen"));
            QMetaObject::invokeMethod(dialog, "accept");
        });
        const auto choice = platform.ChooseFileToSave(QStringLiteral("First|*.one|Second|*.two"), folder,
                                                     QStringLiteral("offered.one"));
        QVERIFY(choice.has_value());
        QCOMPARE(choice->Path, QDir(folder).filePath(QStringLiteral("chosen")));
        QCOMPARE(choice->Filter, 1);
    }

    // Every box that can show a name shows it as the text it is: what a
    // screen reader reads of it (the text as displayed) holds the whole name.
    void namesInBoxesStayText_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("name");
        for (const char* box : {"error", "information", "yes-no", "save-or-discard", "two-answers", "waiting"}) {
            QTest::addRow("%s, a link", box) << box << "<a href=x>y</a>";
            QTest::addRow("%s, a bracketed name", box) << box << "<Carol>";
        }
    }

    void namesInBoxesStayText()
    {
        QFETCH(QString, box);
        QFETCH(QString, name);
        QtPlatform platform;
        const QString text = QStringLiteral("Reading %1.xls").arg(name);
        QString read;
        std::stop_source done;
        const auto readAndClose = [&] {
            QWidget* shown = QApplication::activeModalWidget();
            for (QLabel* label : shown ? shown->findChildren<QLabel*>() : QList<QLabel*>())
                if (QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(label))
                    if (reader->text(QAccessible::Name).contains(QLatin1String("Reading")))
                        read = reader->text(QAccessible::Name);
            if (auto* message = qobject_cast<QMessageBox*>(shown))
                message->reject();
            done.request_stop();
        };
        QTimer::singleShot(box == QLatin1String("waiting") ? 900 : 0, this, readAndClose);
        if (box == QLatin1String("error"))
            platform.ShowErrorMessage(text);
        else if (box == QLatin1String("information"))
            platform.ShowInformation(text);
        else if (box == QLatin1String("yes-no"))
            platform.AskYesNo(text);
        else if (box == QLatin1String("save-or-discard"))
            platform.AskToSave(text);
        else if (box == QLatin1String("two-answers"))
            platform.AskWithDefault(text, QStringLiteral("Yes"), QStringLiteral("No"));
        else
            platform.RunWhileWaiting(text, [&](std::stop_token) {
                while (!done.stop_requested())
                    std::this_thread::sleep_for(std::chrono::milliseconds(10));
            });
        QCOMPARE(read, text);
    }

    // Programs, helpers and the guide keep the installed layout in the build tree too.
    void guideIsBesideTheProgram()
    {
        QtPlatform platform;
        const QUrl guide(platform.GuideAddress());
        QVERIFY(guide.isLocalFile());
        QCOMPARE(QFileInfo(guide.toLocalFile()).absolutePath(), QStringLiteral(QUORVAN_GUIDE_DIRECTORY));
        QVERIFY2(QFileInfo::exists(guide.toLocalFile()), qPrintable(guide.toString()));
    }

    void workbookReaderIsBesideTheProgram()
    {
        QtPlatform platform;
        const QString reader = platform.HelperProgram(QStringLiteral("quorvan-sheet-reader"));
        QCOMPARE(reader, QStringLiteral(QUORVAN_HELPER_DIRECTORY "/quorvan-sheet-reader"));
        QVERIFY2(QFileInfo(reader).isExecutable(), qPrintable(reader));
    }

    // A setting the settings file cannot take is not lost unsaid: a message
    // names the file and says why, and the file stays as it was; one it
    // takes is there at the next start, unsaid.
    void settingsThatCannotBeKeptSayWhy_data()
    {
        QTest::addColumn<QString>("inTheWay"); // what stands where the settings go
        QTest::addColumn<QByteArray>("held"); // in it beforehand
        QTest::addColumn<bool>("unreadable"); // its owner may write it but not read it
        QTest::addColumn<QString>("reason");
        const QString file = QStringLiteral("Quorvan/Quorvan.conf");
        QTest::newRow("nothing") << "" << QByteArray() << false << "";
        QTest::newRow("a file where their folder should be") << "Quorvan" << QByteArray() << false << "Not a directory";
        QTest::newRow("a folder where the file should be") << file + '/' << QByteArray() << false << "is a folder";
        QTest::newRow("a settings file that cannot be read")
            << file << QByteArray("[General]\nFont=Serif\n") << true << "Permission denied";
        QTest::newRow("a settings file with a line Qt cannot read")
            << file << QByteArray("[General\nFont=Serif\n") << false << "";
    }

    void settingsThatCannotBeKeptSayWhy()
    {
        QFETCH(QString, inTheWay);
        QFETCH(QByteArray, held);
        QFETCH(bool, unreadable);
        QFETCH(QString, reason);
        QTemporaryDir config;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
        const QString inTheWayPath = config.filePath(inTheWay);
        if (inTheWay.endsWith(QLatin1Char('/')))
            QVERIFY(QDir(config.path()).mkpath(inTheWay));
        else if (!inTheWay.isEmpty()) {
            QVERIFY(QDir().mkpath(QFileInfo(inTheWayPath).absolutePath()));
            WriteTestFile(inTheWayPath, held);
        }
        if (unreadable) {
            QFile::setPermissions(inTheWayPath, QFileDevice::WriteOwner);
            if (QFile(inTheWayPath).open(QIODevice::ReadOnly))
                QSKIP("this user reads files without read permission");
        }
        QtPlatform platform;
        QString message;
        QTimer reader;
        connect(&reader, &QTimer::timeout, this, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                message = box->text();
                box->reject();
            }
        });
        reader.start(0);
        platform.SetSetting(QStringLiteral("FairDraw"), QStringLiteral("true"));
        if (unreadable)
            QFile::setPermissions(inTheWayPath, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        if (!reason.isEmpty() && !held.isEmpty())
            QCOMPARE(ReadTestFile(inTheWayPath), held);
        QCOMPARE(QtPlatform().Setting(QStringLiteral("FairDraw")), reason.isEmpty() ? std::optional<QString>("true") : std::nullopt);
        const QString file = config.filePath(QStringLiteral("Quorvan/Quorvan.conf"));
        QVERIFY2(message.contains(reason) && message.contains(file) == !reason.isEmpty(), qPrintable(message));
    }
};

QUORVAN_TEST_MAIN(TestQtPlatform)
#include "TestQtPlatform.moc"
