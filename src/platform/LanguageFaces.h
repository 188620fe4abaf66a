#pragma once
// The faces that stand in for the designed fonts, for the language the
// program speaks ("ja", "ko", "zh_CN" ...).

#include <QStringList>

class QString;

namespace quorvan {

void UseFacesOfLanguage(const QString& language);

// Those of the user's languages (as QLocale::uiLanguages gives them) whose
// characters some installed face can draw: Japanese, Korean and Chinese
// only where a face for them is installed, every other language as it is.
QStringList LanguagesWithFaces(const QStringList& uiLanguages);

} // namespace quorvan
