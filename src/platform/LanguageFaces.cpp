#include "platform/LanguageFaces.h"

#include <QFont>
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
        {QStringLiteral("ＭＳ Ｐゴシック"), faces("Sans", {QStringLiteral("IPAPGothic")})},
        {QStringLiteral("ＭＳ ゴシック"), faces("Sans", {QStringLiteral("IPAGothic")})},
        {QStringLiteral("ＭＳ 明朝"), faces("Serif", {QStringLiteral("IPAMincho")})},
        {QStringLiteral("ＭＳ Ｐ明朝"), faces("Serif", {QStringLiteral("IPAPMincho")})},
        // Terminal is a fixed-pitch face; other characters fall back to a Gothic.
        {QStringLiteral("Terminal"), QStringList{QStringLiteral("DejaVu Sans Mono")} + faces("Sans", {QStringLiteral("IPAGothic")})},
    };
    for (const auto& [designed, standIns] : substitutions) {
        QFont::removeSubstitutions(designed);
        QFont::insertSubstitutions(designed, standIns);
    }
}

} // namespace quorvan
