#pragma once
// The faces that stand in for the designed fonts, for the language the
// program speaks ("ja", "ko", "zh_CN" ...).

#include <QStringList>

class QString;

namespace quorvan {

// The designed fonts' faces, by the names the window is designed with.
namespace designed {
constexpr const char* PGothic = "ＭＳ Ｐゴシック";
constexpr const char* Gothic = "ＭＳ ゴシック";
constexpr const char* Mincho = "ＭＳ 明朝";
constexpr const char* PMincho = "ＭＳ Ｐ明朝";
constexpr const char* Terminal = "Terminal";
} // namespace designed

void UseFacesOfLanguage(const QString& language);

// Those of the user's languages (as QLocale::uiLanguages gives them) whose
// characters some installed face can draw: Japanese, Korean and Chinese
// only where a face for them is installed, every other language as it is.
QStringList LanguagesWithFaces(const QStringList& uiLanguages);

} // namespace quorvan
