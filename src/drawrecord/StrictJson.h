#pragma once
// The one spelling of a JSON text that a digest is taken over: what Qt's
// JSON reader lets through but would give two texts one meaning, or one
// text two meanings, is found here first.

#include "texts/UserText.h"

#include <QByteArray>

#include <cstdint>
#include <optional>

namespace quorvan {

// The largest whole number a JSON number holds exactly (2^53 - 1).
constexpr int64_t MostExactWhole = 9007199254740991;

// Why `text`, already parsed by QJsonDocument (which refuses what is not
// UTF-8), is not in the strict form (no byte order mark; no control character unescaped in a
// text; no unpaired surrogate, raw or escaped; no key twice in one object;
// every number a whole number written plainly: no fraction, exponent or
// "-0", at most MostExactWhole), or nothing when it is.
std::optional<QString> StrictJsonProblem(const QByteArray& text);

} // namespace quorvan
