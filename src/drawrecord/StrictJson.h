#pragma once
// The one spelling of a JSON text that a digest is taken over: what Qt's
// JSON reader lets through but would give two texts one meaning, or one
// text two meanings, is found here first.

#include "texts/UserText.h"

#include <QByteArray>
#include <QJsonObject>

#include <cstdint>
#include <optional>

namespace quorvan {

// The largest whole number a JSON number holds exactly (2^53 - 1).
constexpr int64_t MostExactWhole = 9007199254740991;

// The key a record's digest is kept under, left out of what it is taken over.
inline constexpr char DigestKey[] = "sha256";

// What reading a JSON text strictly finds.
struct StrictJson {
    // Why the text is not in the strict form, or nothing when it is.
    std::optional<QString> Problem;
    // When it is: its value in the canonical form (CanonicalJson's), the
    // outermost object without its DigestKey entry.
    QByteArray Canonical;
};

// Reads `text`, already parsed by QJsonDocument (which refuses what is not
// UTF-8), in one pass. The strict form: no byte order mark; no control
// character unescaped in a text; no escape JSON has not ("\A"); no
// unpaired surrogate, raw or escaped; no key twice in one object; every
// number a whole number written plainly: no fraction, exponent or "-0", at
// most MostExactWhole.
StrictJson ReadStrictJson(const QByteArray& text);

// A file's JSON object read strictly, and its canonical form as StrictJson has it.
struct StrictContent {
    QJsonObject Object;
    QByteArray Canonical;
};

} // namespace quorvan
