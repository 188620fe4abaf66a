#include "platform/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace quorvan {

namespace {

const QString ProgramTranslations = QStringLiteral(":/i18n");
const QString English = QStringLiteral("en");

// The code a translation of the user's language would carry: the language,
// and for Chinese its script's usual region.
QString TranslationCode(const QLocale& locale)
{
    if (locale.language() == QLocale::Chinese)
        return locale.script() == QLocale::TraditionalChineseScript
                || (locale.script() == QLocale::AnyScript
                    && (locale.territory() == QLocale::Taiwan || locale.territory() == QLocale::HongKong
                        || locale.territory() == QLocale::Macau))
            ? QStringLiteral("zh_TW")
            : QStringLiteral("zh_CN");
    return QLocale::languageToCode(locale.language());
}

void Install(const QString& file, const QString& folder, QObject* owner)
{
    auto* translator = new QTranslator(owner);
    if (translator->load(file, folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

QString ToolkitTranslations()
{
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

// The languages of the translations `prefix`*.qm in `folder`, English aside.
QStringList LanguagesIn(const QString& folder, const QString& prefix)
{
    QStringList languages;
    for (const QString& file : QDir(folder).entryList({prefix + QStringLiteral("*.qm")})) {
        const QString code = file.mid(prefix.size()).chopped(3);
        if (code != English)
            languages.append(code);
    }
    return languages;
}

// Those of the user's languages Qt has a translation qtbase_*.qm of: only
// their files are looked for, not Qt's whole folder of translations read.
QStringList ToolkitLanguages(const QStringList& uiLanguages)
{
    const QDir folder(ToolkitTranslations());
    QStringList languages;
    for (const QString& name : uiLanguages) {
        const QString code = TranslationCode(QLocale(name));
        if (code != English && folder.exists(QStringLiteral("qtbase_") + code + QStringLiteral(".qm")))
            languages.append(code);
    }
    return languages;
}

void InstallToolkitTranslation(const QString& language, QObject* owner)
{
    if (language != English)
        Install(QStringLiteral("qtbase_") + language, ToolkitTranslations(), owner);
}

} // namespace

QStringList ShippedLanguages()
{
    return LanguagesIn(ProgramTranslations, QStringLiteral("quorvan_"));
}

QString ChooseLanguage(const QStringList& uiLanguages, const QStringList& shipped)
{
    for (const QString& name : uiLanguages) {
        const QLocale locale(name);
        if (locale.language() == QLocale::C)
            continue;
        const QString code = TranslationCode(locale);
        if (code == English || shipped.contains(code))
            return code;
    }
    return English;
}

QString InstallTranslations(const QStringList& uiLanguages, QObject* owner)
{
    const QString language = ChooseLanguage(uiLanguages, ShippedLanguages());
    // English too: its plural forms ("1 more difference") are a translation.
    Install(QStringLiteral("quorvan_") + language, ProgramTranslations, owner);
    // Qt's own dialogs speak the user's language where Qt has it, even
    // before the program's translation into it ships.
    InstallToolkitTranslation(ChooseLanguage(uiLanguages, ToolkitLanguages(uiLanguages)), owner);
    return language;
}

QString UseUsersLanguage()
{
    return InstallTranslations(QLocale::system().uiLanguages(), QCoreApplication::instance());
}

} // namespace quorvan
