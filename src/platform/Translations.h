#pragma once
// The language the program speaks, chosen once at start from the user's
// preferred languages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), among the
// translations compiled into the program. English is the program's own.

#include <QObject>
#include <QString>
#include <QStringList>

namespace quorvan {

// The translations compiled into the program ("ja", "ko", "zh_CN" ...), English aside.
QStringList ShippedLanguages();

// The first of the user's languages (as QLocale::uiLanguages gives them,
// "ja-JP", "zh-Hant-TW" ...) the program speaks: a shipped translation's
// code, or "en" when English comes first or none is shipped.
QString ChooseLanguage(const QStringList& uiLanguages, const QStringList& shipped);

// Installs the program's translation into the first of `uiLanguages` it
// speaks, and Qt's own (the file and message dialogs' "Look in", "Cancel")
// into the first Qt has; `owner` owns them, and they go when it is deleted.
// Returns the program's language, as ChooseLanguage gives it.
QString InstallTranslations(const QStringList& uiLanguages, QObject* owner);

// The user's language among the shipped ones, its translation installed
// for the running application, and Qt's own in the user's language.
QString UseUsersLanguage();

} // namespace quorvan
