#include "platform/QtPlatform.h"

#include "InstalledPlaces.h"
#include "files/FileError.h"
#include "files/FileSaving.h"
#include "files/RegularFile.h"
#include "files/TextDecoding.h"
#include "platform/FontDialog.h"
#include "platform/LanguageFaces.h"
#include "platform/LoadedDocuments.h"
#include "platform/MessageBox.h"
#include "platform/Translations.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>

#include <sys/random.h>

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <stdexcept>

namespace quorvan {

QString QtFileFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        if (patterns == QLatin1String("*.*"))
            patterns = QStringLiteral("*");
        entries.append(QStringLiteral("%1 (%2)").arg(parts[i], patterns));
    }
    return entries.join(QStringLiteral(";;"));
}

QString ShortDateFormat(const QLocale& locale)
{
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

QString LongTimeFormat(const QLocale& locale)
{
    // The short format without a time zone, with the seconds added where it has none.
    QString format = locale.timeFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1Char('s'))) {
        const qsizetype minutes = format.indexOf(QLatin1String("mm"));
        if (minutes > 0)
            format.insert(minutes + 2, format.mid(minutes - 1, 1) + QStringLiteral("ss"));
    }
    return format;
}

std::optional<uint64_t> QtPlatform::PerformanceCounter()
{
    timespec now{};
    if (clock_gettime(CLOCK_MONOTONIC, &now) != 0)
        return std::nullopt;
    return static_cast<uint64_t>(now.tv_sec) * 1'000'000'000u + static_cast<uint64_t>(now.tv_nsec);
}

uint32_t QtPlatform::MillisecondsSinceStart()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const uint64_t milliseconds =
        static_cast<uint64_t>(now.tv_sec) * 1000u + static_cast<uint64_t>(now.tv_nsec) / 1'000'000u;
    return static_cast<uint32_t>(milliseconds);
}

QtPlatform::QtPlatform()
    : language_(InstallTranslations(LanguagesWithFaces(QLocale::system().uiLanguages()), QCoreApplication::instance()))
{
    UseFacesOfLanguage(language_);
    // Lists whose bytes do not say their encoding ask the documents' module.
    DetectEncodingsWith(LoadedDocuments().DetectEncoding);
}

QString QtPlatform::Language()
{
    return language_;
}

QString QtPlatform::TextEncodingLocale()
{
    for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            return value;
    }
    return QStringLiteral("C");
}

void QtPlatform::SetMouseCursor(MouseCursor cursor)
{
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
    if (cursor == MouseCursor::Hourglass)
        QApplication::setOverrideCursor(Qt::WaitCursor);
}

namespace {

// A message box that shows its text as it is: a name that looks like markup
// (<Carol>, <a href=...>, <img src=...>) stays text, never a link or a picture.
QMessageBox::StandardButton AskInPlainText(QMessageBox::Icon icon, const QString& title, const QString& text,
                                           QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, title, text, buttons, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    return QMessageBox::StandardButton(box.exec());
}

} // namespace

void QtPlatform::ShowErrorMessage(const QString& message)
{
    ShowMessageBox(QApplication::activeWindow(), QMessageBox::Critical, message);
}

void QtPlatform::ShowInformation(const QString& message)
{
    ShowMessageBox(QApplication::activeWindow(), QMessageBox::Information, message);
}

void QtPlatform::FillSecureRandom(void* bytes, size_t count)
{
    auto* next = static_cast<unsigned char*>(bytes);
    while (count > 0) {
        // The kernel's source, as /dev/urandom, but with no file to open; it
        // may return fewer bytes than asked, or be interrupted by a signal.
        const ssize_t filled = ::getrandom(next, count, 0);
        if (filled < 0 && errno == EINTR)
            continue;
        if (filled <= 0) {
            const QString reason = qt_error_string(filled < 0 ? errno : EIO);
            throw std::runtime_error(
                QCoreApplication::translate("QtPlatform", "The system's cryptographic random source could not be "
                        "read: %1")
                    .arg(reason)
                    .toStdString());
        }
        next += filled;
        count -= static_cast<size_t>(filled);
    }
}

bool QtPlatform::AskYesNo(const QString& question)
{
    return AskInPlainText(QMessageBox::Question, QApplication::applicationName(), question,
                          QMessageBox::Yes | QMessageBox::No)
           == QMessageBox::Yes;
}

SaveAnswer QtPlatform::AskToSave(const QString& question)
{
    QMessageBox box(QMessageBox::Warning, QApplication::applicationName(), question,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Save);
    const auto answer = box.exec();
    return answer == QMessageBox::Save ? SaveAnswer::Save
           : answer == QMessageBox::Discard ? SaveAnswer::Discard
                                            : SaveAnswer::Cancel;
}

bool QtPlatform::AskWithDefault(const QString& question, const QString& yes, const QString& no)
{
    QMessageBox box(QMessageBox::Question, QApplication::applicationName(), question, QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    QPushButton* yesButton = box.addButton(yes, QMessageBox::AcceptRole);
    box.addButton(no, QMessageBox::RejectRole);
    box.setDefaultButton(yesButton);
    box.exec();
    return box.clickedButton() == yesButton;
}

namespace {
// The settings file of the user: ~/.config/Quorvan/Quorvan.conf on Linux.
QSettings UserSettings()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Quorvan"), QStringLiteral("Quorvan"));
}
} // namespace

std::optional<QString> QtPlatform::Setting(const QString& key)
{
    const QVariant value = UserSettings().value(key);
    if (!value.isValid())
        return std::nullopt;
    return value.toString();
}

void QtPlatform::SetSetting(const QString& key, const QString& value)
{
    QSettings settings = UserSettings();
    settings.setValue(key, value);
    settings.sync();
    const QSettings::Status status = settings.status();
    if (status == QSettings::NoError)
        return;
    // Told, not thrown: the command that changed the setting goes on (a
    // restored lottery is restored whole), and the setting lasts this run.
    try {
        // Qt says only that the file was not written. The same kind of
        // write, of what the file holds now, tells the reason and changes nothing.
        const QString file = settings.fileName();
        const QString doing = Say(MessageId::CannotKeepSetting);
        MakeFolderFor(file, doing);
        // A file that cannot be read says so here, and is never written empty.
        const QByteArray held = QFileInfo::exists(file) ? OpenRegularFile(file, doing)->readAll() : QByteArray();
        ReplaceFileContent(file, held, doing);
        // A file with lines Qt cannot read it writes all the same, without
        // them: where the same write goes through, the setting went with it.
        if (status == QSettings::FormatError)
            return;
        throw FileError(doing, file, Say(MessageId::SettingsNotWritten));
    } catch (const UserError& error) {
        ShowErrorMessage(error.Message());
    }
}

QString QtPlatform::StateFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
}

std::optional<ControlFont> QtPlatform::ChooseFont(const ControlFont& initial,
                                                  const std::function<void(const ControlFont&)>& apply)
{
    FontDialog dialog(initial, apply, QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Shown();
}

void QtPlatform::CaptureWindowToClipboard(QWidget* window)
{
    QApplication::processEvents(); // the window fully repainted first
    QApplication::clipboard()->setImage(window->window()->grab().toImage());
}

void QtPlatform::ShowAbout(const QString& title, const QString& text)
{
    QMessageBox::about(QApplication::activeWindow(), title, text);
}

bool QtPlatform::PrintDocument(const QString& title, const QString& html)
{
    return LoadedDocuments().Print(title, html);
}

const DocumentFunctions& QtPlatform::Documents()
{
    return LoadedDocuments();
}

QString QtPlatform::GuideAddress()
{
    // The page in the user's language where there is one, else the English one.
    const QString folder = QDir::cleanPath(QApplication::applicationDirPath() + QStringLiteral("/" QUORVAN_GUIDE_FROM_PROGRAM));
    const QString translated = QStringLiteral("%1/index.%2.html").arg(folder, Language());
    const QString path = QFileInfo::exists(translated) ? translated : folder + QStringLiteral("/index.html");
    return QUrl::fromLocalFile(path).toString();
}

QString QtPlatform::HelperProgram(const QString& name)
{
    return QDir::cleanPath(QApplication::applicationDirPath() + QStringLiteral("/" QUORVAN_HELPERS_FROM_PROGRAM "/")
                           + name);
}

std::optional<QString> QtPlatform::ChooseFileToOpen(const QString& filter, const QString& initialFile)
{
    const QString chosen =
        QFileDialog::getOpenFileName(QApplication::activeWindow(), {}, initialFile, QtFileFilter(filter));
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen;
}

std::optional<SaveChoice> QtPlatform::ChooseFileToSave(const QString& filter, const QString& folder,
                                                       const QString& initialName)
{
    const QString entries = QtFileFilter(filter);
    QString selected;
    const QString chosen = QFileDialog::getSaveFileName(
        QApplication::activeWindow(), {}, folder.isEmpty() ? initialName : QDir(folder).filePath(initialName),
        entries, &selected, QFileDialog::DontConfirmOverwrite);
    if (chosen.isEmpty())
        return std::nullopt;
    return SaveChoice{chosen, std::max(0, static_cast<int>(entries.split(QStringLiteral(";;")).indexOf(selected)))};
}

QDateTime QtPlatform::LocalNow()
{
    return QDateTime::currentDateTime();
}

QString QtPlatform::ShortDate(const QDate& date)
{
    const QLocale locale = QLocale::system();
    return locale.toString(date, ShortDateFormat(locale));
}

QString QtPlatform::LongTime(const QTime& time)
{
    const QLocale locale = QLocale::system();
    return locale.toString(time, LongTimeFormat(locale));
}

} // namespace quorvan
