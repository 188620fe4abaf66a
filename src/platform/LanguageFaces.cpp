#include "platform/LanguageFaces.h"

#include <QFont>
#include <QFontDatabase>
#include <QLocale>
#include <QStringList>

#include <utility>

namespace quorvan {

// The window is designed with Windows fonts; the IPA faces have the same
// metrics, and stand for them in Japanese and English. Korean and Chinese
// take the Noto CJK faces of their own region first, for hangul and for
// their own forms of Chinese characters.
void UseFacesOfLanguage(const QString& language)
{
    const QString region = language == QLatin1String("ko")      ? QStringLiteral("KR")
                           : language == QLatin1String("zh_CN") ? QStringLiteral("SC")
                           : language == QLatin1String("zh_TW") ? QStringLiteral("TC")
                                                                : QString();
    const auto faces = [&region](const char* noto, QStringList designed) {
        if (!region.isEmpty())
            designed.prepend(QStringLiteral("Noto %1 CJK %2").arg(QLatin1String(noto), region));
        return designed;
    };
    const std::pair<QString, QStringList> substitutions[] = {
        {QString::fromUtf8(designed::PGothic), faces("Sans", {QStringLiteral("IPAPGothic")})},
        {QString::fromUtf8(designed::Gothic), faces("Sans", {QStringLiteral("IPAGothic")})},
        {QString::fromUtf8(designed::Mincho), faces("Serif", {QStringLiteral("IPAMincho")})},
        {QString::fromUtf8(designed::PMincho), faces("Serif", {QStringLiteral("IPAPMincho")})},
        // Terminal is a fixed-pitch face; other characters fall back to a Gothic.
        {QString::fromUtf8(designed::Terminal), QStringList{QStringLiteral("DejaVu Sans Mono")} + faces("Sans", {QStringLiteral("IPAGothic")})},
    };
    for (const auto& [designed, standIns] : substitutions) {
        QFont::removeSubstitutions(designed);
        QFont::insertSubstitutions(designed, standIns);
    }
}

namespace {

// The characters a language needs beyond the Latin ones every system draws.
QFontDatabase::WritingSystem CharactersOf(const QLocale& locale)
{
    switch (locale.language()) {
    case QLocale::Japanese: return QFontDatabase::Japanese;
    case QLocale::Korean: return QFontDatabase::Korean;
    case QLocale::Chinese:
        // Chosen as the translation is: Taiwan's, Hong Kong's and Macau's traditional.
        return locale.script() == QLocale::TraditionalChineseScript
                       || (locale.script() == QLocale::AnyScript
                           && (locale.territory() == QLocale::Taiwan || locale.territory() == QLocale::HongKong
                               || locale.territory() == QLocale::Macau))
                   ? QFontDatabase::TraditionalChinese
                   : QFontDatabase::SimplifiedChinese;
    default: return QFontDatabase::Any;
    }
}

} // namespace

QStringList LanguagesWithFaces(const QStringList& uiLanguages)
{
    QStringList drawn;
    for (const QString& name : uiLanguages) {
        const QFontDatabase::WritingSystem characters = CharactersOf(QLocale(name));
        if (characters == QFontDatabase::Any || !QFontDatabase::families(characters).isEmpty())
            drawn.append(name);
    }
    return drawn;
}

} // namespace quorvan
