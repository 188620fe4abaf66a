#pragma once
// Turning the bytes of a list file into text.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <iconv.h>

#include <cstdint>

namespace quorvan {

// The Windows code page of the user's language: 932 for Japanese, else 1252.
int32_t AnsiCodePage(int32_t localeId);

bool IsValidUtf8(QByteArrayView bytes);

// Decodes texts in a Windows code page; a byte sequence it lacks becomes
// U+FFFD. The converter is opened once for all the texts of a file.
class CodePageDecoder {
public:
    // Throws std::runtime_error when the system lacks the code page.
    explicit CodePageDecoder(int32_t codePage);
    ~CodePageDecoder();
    CodePageDecoder(const CodePageDecoder&) = delete;
    CodePageDecoder& operator=(const CodePageDecoder&) = delete;

    QString Decode(QByteArrayView bytes);

private:
    iconv_t converter_;
};

// UTF-16 in either byte order, fed in pieces, turned into UTF-8. A surrogate
// without its partner and an odd last byte become U+FFFD. The bytes CR LF as
// the very last unit are a line end that some programs add in bytes after
// the text, not the character they would make.
class Utf16ToUtf8 {
public:
    explicit Utf16ToUtf8(bool bigEndian) : bigEndian_(bigEndian) {}

    QByteArray Feed(QByteArrayView bytes);
    // What is left at the end of the bytes.
    QByteArray Finish();

private:
    char16_t UnitAt(qsizetype at) const;
    void Append(char16_t unit, QByteArray& utf8);

    bool bigEndian_;
    QByteArray pending_; // the last whole unit, and an odd byte: they wait for more
    char16_t highSurrogate_ = 0;
};

} // namespace quorvan
