#include "app/TerminalText.h"

#include <QList>

namespace quorvan {

namespace {

bool ActsOnTerminal(char32_t c)
{
    const bool control = (c < 0x20 && c != U'\n' && c != U'\t') || (c >= 0x7F && c <= 0x9F);
    const bool bidirectional = c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E)
                               || (c >= 0x2066 && c <= 0x2069);
    return control || bidirectional;
}

} // namespace

QString TerminalText(const QString& text)
{
    QString shown;
    shown.reserve(text.size());
    for (const char32_t c : text.toStdU32String()) {
        if (ActsOnTerminal(c))
            shown += QStringLiteral("\\u{") + QString::number(uint(c), 16).toUpper().rightJustified(4, QLatin1Char('0'))
                     + QLatin1Char('}');
        else
            shown += QChar::fromUcs4(c);
    }
    return shown;
}

} // namespace quorvan
