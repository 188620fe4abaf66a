#pragma once
// The faces that stand in for the designed fonts, for the language the
// program speaks ("ja", "ko", "zh_CN" ...).

class QString;

namespace quorvan {

void UseFacesOfLanguage(const QString& language);

} // namespace quorvan
