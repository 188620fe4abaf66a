#pragma once

class QApplication;
class QString;

namespace quorvan {

// What the program sets on the application before its window is created:
// its title, style, icon and the faces that stand in for the designed fonts.
void ConfigureApplication(QApplication& application);

// The faces that stand in for the designed fonts, for the language the
// program speaks ("ja", "ko", "zh_CN" ...).
void UseFacesOfLanguage(const QString& language);

} // namespace quorvan
