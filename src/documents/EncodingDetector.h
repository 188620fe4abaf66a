#pragma once
// The encoding a text's bytes look written in, as uchardet judges it.

#include <QByteArray>

namespace quorvan {

// The encoding's name in capitals ("SHIFT_JIS", "WINDOWS-1252"); empty when
// the detector has no answer.
QByteArray DetectedEncoding(const QByteArray& bytes);

} // namespace quorvan
