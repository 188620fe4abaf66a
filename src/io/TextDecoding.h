#pragma once
// Turning the bytes of a list file into text.

#include <QByteArrayView>
#include <QString>

#include <cstdint>

namespace quorvan {

// The Windows code page of the user's language: 932 for Japanese, else 1252.
int32_t AnsiCodePage(int32_t localeId);

bool IsValidUtf8(QByteArrayView bytes);

// Decodes in a Windows code page; a byte sequence it lacks becomes U+FFFD.
QString DecodeCodePage(QByteArrayView bytes, int32_t codePage);

} // namespace quorvan
