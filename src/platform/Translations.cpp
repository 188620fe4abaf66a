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

} // namespace

QStringList ShippedLanguages()
{
    QStringList languages;
    const QString prefix = QStringLiteral("quorvan_");
    for (const QString& file : QDir(ProgramTranslations).entryList({prefix + QStringLiteral("*.qm")})) {
        const QString code = file.mid(prefix.size()).chopped(3);
        if (code != English)
            languages.append(code);
    }
    return languages;
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

void InstallTranslations(const QString& language, QObject* owner)
{
    // English too: its plural forms ("1 more difference") are a translation.
    Install(QStringLiteral("quorvan_") + language, ProgramTranslations, owner);
    if (language != English)
        Install(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath), owner);
}

QString UseUsersLanguage()
{
    const QString language = ChooseLanguage(QLocale::system().uiLanguages(), ShippedLanguages());
    InstallTranslations(language, QCoreApplication::instance());
    return language;
}

} // namespace quorvan
