#pragma once
// Text for a terminal: what a name may hold that a terminal would act on
// rather than show (escape sequences, carriage returns, bidirectional
// overrides that reorder the line) is written out as \u{XXXX}, so that no
// name can hide or fake the words around it.

#include <QString>

namespace quorvan {

// `text` with every control character but line feeds and tabs, and every
// bidirectional formatting character, written as \u{XXXX}.
QString TerminalText(const QString& text);

} // namespace quorvan
