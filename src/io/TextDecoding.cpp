#include "TextDecoding.h"

#include "LocaleId.h"

#include <QStringDecoder>

#include <iconv.h>

#include <cerrno>
#include <stdexcept>
#include <string>
#include <vector>

namespace quorvan {

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

QString DecodeCodePage(QByteArrayView bytes, int32_t codePage)
{
    const std::string name = "CP" + std::to_string(codePage);
    iconv_t converter = iconv_open("UTF-16LE", name.c_str());
    if (converter == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error("Code page " + std::to_string(codePage) + " is not available");

    QString text;
    text.reserve(bytes.size());
    std::vector<char> buffer(4096);
    char* in = const_cast<char*>(bytes.data());
    size_t inLeft = static_cast<size_t>(bytes.size());
    while (inLeft > 0) {
        char* out = buffer.data();
        size_t outLeft = buffer.size();
        const size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
        text.append(QStringView(reinterpret_cast<const char16_t*>(buffer.data()),
                                (buffer.size() - outLeft) / 2));
        if (result == static_cast<size_t>(-1) && errno != E2BIG) {
            // A byte the code page does not define, or a sequence cut short.
            text.append(QChar::ReplacementCharacter);
            ++in;
            --inLeft;
            iconv(converter, nullptr, nullptr, nullptr, nullptr);
        }
    }
    iconv_close(converter);
    return text;
}

} // namespace quorvan
