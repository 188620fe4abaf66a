#include "platform/QtPlatform.h"

#include "InstalledPlaces.h"
#include "platform/FontDialog.h"
#include "platform/MessageBox.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QDir>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTranslator>
#include <QUrl>

#include <sys/random.h>

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <stdexcept>

namespace quorvan {

int32_t LocaleIdentifier(const QLocale& locale)
{
    struct Known {
        QLocale::Language language;
        QLocale::Territory territory; // AnyTerritory: the language's main one
        int32_t identifier;
    };
    static constexpr Known known[] = {
        {QLocale::Japanese, QLocale::AnyTerritory, 1041},
        {QLocale::English, QLocale::UnitedKingdom, 2057},
        {QLocale::English, QLocale::AnyTerritory, 1033},
        {QLocale::German, QLocale::AnyTerritory, 1031},
        {QLocale::French, QLocale::AnyTerritory, 1036},
        {QLocale::Spanish, QLocale::AnyTerritory, 3082},
        {QLocale::Italian, QLocale::AnyTerritory, 1040},
        {QLocale::Dutch, QLocale::AnyTerritory, 1043},
        {QLocale::Korean, QLocale::AnyTerritory, 1042},
        {QLocale::Chinese, QLocale::Taiwan, 1028},
        {QLocale::Chinese, QLocale::AnyTerritory, 2052},
        {QLocale::Russian, QLocale::AnyTerritory, 1049},
        {QLocale::Portuguese, QLocale::Brazil, 1046},
        {QLocale::Portuguese, QLocale::AnyTerritory, 2070},
    };
    for (const Known& entry : known) {
        if (entry.language == locale.language()
            && (entry.territory == QLocale::AnyTerritory || entry.territory == locale.territory()))
            return entry.identifier;
    }
    return 1033;
}

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

bool LoadToolkitTranslations(int32_t localeId)
{
    if (localeId != LocaleJapanese)
        return false;
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
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

int32_t QtPlatform::UserLocaleId()
{
    return LocaleIdentifier(QLocale::system());
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
                (UserLocaleId() == LocaleJapanese
                     ? QStringLiteral("システムの暗号用乱数を読めませんでした：%1").arg(reason)
                     : QStringLiteral("The system's cryptographic random source could not be read: %1").arg(reason))
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
    UserSettings().setValue(key, value);
}

QString QtPlatform::StateFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
}

std::optional<ControlFont> QtPlatform::ChooseFont(const ControlFont& initial,
                                                  const std::function<void(const ControlFont&)>& apply)
{
    FontDialog dialog(initial, apply, UserLocaleId() == LocaleJapanese, QApplication::activeWindow());
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

QString QtPlatform::GuideAddress()
{
    const QString page = UserLocaleId() == LocaleJapanese ? QStringLiteral("index.ja.html")
                                                             : QStringLiteral("index.html");
    const QString path = QDir::cleanPath(QApplication::applicationDirPath()
                                         + QStringLiteral("/" QUORVAN_GUIDE_FROM_PROGRAM "/") + page);
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
