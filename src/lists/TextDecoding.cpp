#include "lists/TextDecoding.h"

#include "texts/LocaleId.h"

#include <QStringDecoder>

#include <cerrno>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace quorvan {

namespace {

const QByteArray ByteLineEnd("\r\n");

void AppendUtf8(char32_t code, QByteArray& utf8)
{
    if (code < 0x80) {
        utf8.append(char(code));
    } else if (code < 0x800) {
        const char bytes[] = {char(0xC0 | (code >> 6)), char(0x80 | (code & 0x3F))};
        utf8.append(bytes, 2);
    } else if (code < 0x10000) {
        const char bytes[] = {char(0xE0 | (code >> 12)), char(0x80 | ((code >> 6) & 0x3F)),
                              char(0x80 | (code & 0x3F))};
        utf8.append(bytes, 3);
    } else {
        const char bytes[] = {char(0xF0 | (code >> 18)), char(0x80 | ((code >> 12) & 0x3F)),
                              char(0x80 | ((code >> 6) & 0x3F)), char(0x80 | (code & 0x3F))};
        utf8.append(bytes, 4);
    }
}

} // namespace

int32_t AnsiCodePage(int32_t localeId)
{
    return localeId == LocaleJapanese ? 932 : 1252;
}

bool IsValidUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = decoder.decode(bytes);
    return !decoder.hasError();
}

CodePageDecoder::CodePageDecoder(int32_t codePage)
    : converter_(iconv_open("UTF-16LE", ("CP" + std::to_string(codePage)).c_str()))
{
    if (converter_ == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error("Code page " + std::to_string(codePage) + " is not available");
}

CodePageDecoder::~CodePageDecoder()
{
    iconv_close(converter_);
}

QString CodePageDecoder::Decode(QByteArrayView bytes)
{
    QString text;
    text.reserve(bytes.size());
    std::vector<char> buffer(4096);
    char* in = const_cast<char*>(bytes.data());
    size_t inLeft = static_cast<size_t>(bytes.size());
    while (inLeft > 0) {
        char* out = buffer.data();
        size_t outLeft = buffer.size();
        const size_t result = iconv(converter_, &in, &inLeft, &out, &outLeft);
        text.append(QStringView(reinterpret_cast<const char16_t*>(buffer.data()),
                                (buffer.size() - outLeft) / 2));
        if (result == static_cast<size_t>(-1) && errno != E2BIG) {
            // A byte the code page does not define, or a sequence cut short.
            text.append(QChar::ReplacementCharacter);
            ++in;
            --inLeft;
            iconv(converter_, nullptr, nullptr, nullptr, nullptr);
        }
    }
    return text;
}

char16_t Utf16ToUtf8::UnitAt(qsizetype at) const
{
    const auto first = static_cast<unsigned char>(pending_[at]);
    const auto second = static_cast<unsigned char>(pending_[at + 1]);
    return bigEndian_ ? char16_t(first << 8 | second) : char16_t(second << 8 | first);
}

void Utf16ToUtf8::Append(char16_t unit, QByteArray& utf8)
{
    if (highSurrogate_ != 0) {
        const char16_t high = std::exchange(highSurrogate_, 0);
        if (QChar::isLowSurrogate(unit))
            return AppendUtf8(QChar::surrogateToUcs4(high, unit), utf8);
        AppendUtf8(QChar::ReplacementCharacter, utf8);
    }
    if (QChar::isHighSurrogate(unit))
        highSurrogate_ = unit;
    else
        AppendUtf8(QChar::isLowSurrogate(unit) ? char16_t(QChar::ReplacementCharacter) : unit, utf8);
}

QByteArray Utf16ToUtf8::Feed(QByteArrayView bytes)
{
    pending_.append(bytes);
    const qsizetype ready = (pending_.size() & ~qsizetype(1)) - 2;
    QByteArray utf8;
    if (ready <= 0)
        return utf8;
    utf8.reserve(ready * 3 / 2);
    for (qsizetype at = 0; at < ready; at += 2)
        Append(UnitAt(at), utf8);
    pending_.remove(0, ready);
    return utf8;
}

QByteArray Utf16ToUtf8::Finish()
{
    const bool byteLineEnd = pending_ == ByteLineEnd;
    QByteArray utf8;
    for (qsizetype at = 0; !byteLineEnd && at + 1 < pending_.size(); at += 2)
        Append(UnitAt(at), utf8);
    if (std::exchange(highSurrogate_, 0) != 0)
        AppendUtf8(QChar::ReplacementCharacter, utf8);
    if (pending_.size() % 2 != 0)
        AppendUtf8(QChar::ReplacementCharacter, utf8);
    if (byteLineEnd)
        utf8.append(ByteLineEnd);
    pending_.clear();
    return utf8;
}

} // namespace quorvan
