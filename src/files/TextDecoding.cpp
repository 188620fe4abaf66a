#include "files/TextDecoding.h"

#include <QStringDecoder>

#include <iconv.h>

#include <algorithm>
#include <atomic>
#include <initializer_list>

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

bool IsValidUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = decoder.decode(bytes);
    return !decoder.hasError();
}

namespace {

// How many well-formed UTF-8 sequences of more than one byte `bytes` holds,
// and how many bytes belong to none.
struct Utf8Count {
    qsizetype Sequences = 0;
    qsizetype Stray = 0;
};

Utf8Count CountUtf8(QByteArrayView bytes)
{
    Utf8Count count;
    for (qsizetype at = 0; at < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[at]);
        const qsizetype length = lead < 0x80 ? 1 : lead >= 0xC2 && lead < 0xE0 ? 2 : lead >= 0xE0 && lead < 0xF0 ? 3
                                                 : lead >= 0xF0 && lead < 0xF5                                  ? 4
                                                                                                               : 0;
        if (length == 1) {
            ++at;
            continue;
        }
        if (length > 0 && at + length <= bytes.size() && IsValidUtf8(bytes.sliced(at, length))) {
            ++count.Sequences;
            at += length;
        } else {
            ++count.Stray;
            ++at;
        }
    }
    return count;
}

enum class Script { Japanese, Korean, Chinese, Cyrillic, Latin, Greek, Hebrew, Arabic };

// A legacy encoding a list may come in: its name for Qt (ICU), for iconv,
// the names the detector gives it, and whether it is tried only for the
// users whose locale's language it was written in.
struct Legacy {
    const char* Qt;
    const char* Iconv;
    Script Writes;
    std::initializer_list<const char*> Detected;
    bool OnlyWhereSpoken = false;
};

// In the order that settles a tie no locale settles.
const Legacy Legacies[] = {
    {"windows-31j", "CP932", Script::Japanese, {"SHIFT_JIS"}},
    {"EUC-JP", "EUC-JP", Script::Japanese, {"EUC-JP"}},
    {"windows-949", "CP949", Script::Korean, {"UHC", "EUC-KR"}},
    {"GB18030", "GB18030", Script::Chinese, {"GB18030", "GB2312", "GBK", "HZ-GB-2312"}},
    {"Big5-HKSCS", "BIG5-HKSCS", Script::Chinese, {"BIG5", "EUC-TW"}}, // Big5 with the characters Hong Kong adds
    {"windows-1251", "CP1251", Script::Cyrillic, {"WINDOWS-1251"}},
    {"windows-1252", "CP1252", Script::Latin, {"WINDOWS-1252", "ISO-8859-1", "ISO-8859-15"}},
    // The other Windows code pages of Europe and the Middle East, tried for
    // the users of their languages only: they read almost any bytes (1256
    // every byte) as letters, and the detector mistakes them for one another
    // and for the ones above, so its word on them is not taken.
    {"windows-1250", "CP1250", Script::Latin, {}, true},
    {"windows-1253", "CP1253", Script::Greek, {}, true},
    {"windows-1254", "CP1254", Script::Latin, {}, true},
    {"windows-1255", "CP1255", Script::Hebrew, {}, true},
    {"windows-1256", "CP1256", Script::Arabic, {}, true},
    {"windows-1257", "CP1257", Script::Latin, {}, true},
};

// The legacy encodings of a locale's language, most likely first.
QList<const Legacy*> LocaleLegacies(const QString& textLocale)
{
    const QString name = textLocale.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    const QString language = name.section(QLatin1Char('_'), 0, 0);
    const QString territory = name.section(QLatin1Char('_'), 1, 1);
    const auto at = [](int index) { return &Legacies[index]; };
    if (language == QLatin1String("ja"))
        return {at(0), at(1)};
    if (language == QLatin1String("ko"))
        return {at(2)};
    if (language == QLatin1String("zh"))
        return territory == QLatin1String("TW") || territory == QLatin1String("HK") || territory == QLatin1String("MO")
                   ? QList<const Legacy*>{at(4), at(3)}
                   : QList<const Legacy*>{at(3), at(4)};
    for (const char* cyrillic : {"ru", "uk", "be", "bg", "sr", "mk", "kk", "ky", "tg", "mn"})
        if (language == QLatin1String(cyrillic))
            return {at(5)};
    // Each language with the code page its old lists were written in.
    static constexpr std::pair<const char*, int> CodePages[] = {
        {"pl", 7}, {"cs", 7}, {"sk", 7}, {"hu", 7}, {"sl", 7}, {"hr", 7}, {"bs", 7}, {"ro", 7}, {"sq", 7},
        {"el", 8}, {"tr", 9}, {"az", 9}, {"he", 10}, {"yi", 10}, {"ar", 11}, {"fa", 11}, {"ur", 11},
        {"lt", 12}, {"lv", 12}, {"et", 12},
    };
    for (const auto& [spoken, index] : CodePages)
        if (language == QLatin1String(spoken))
            return {at(index), at(6)};
    return {at(6)};
}

// Some converters give the bytes a code page leaves undefined the control
// characters of the same number, or private-use characters: no list holds these.
bool HoldsUndefined(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        return (c.unicode() >= 0x80 && c.unicode() < 0xA0) || (c.unicode() >= 0xE000 && c.unicode() < 0xF900);
    });
}

// The bytes in `legacy`, or nothing when it does not define them all; when
// they were `cut` at a byte count, a character they end inside is left out.
std::optional<QString> DecodeStrictly(QByteArrayView bytes, const Legacy& legacy, bool cut = false)
{
    // A decoder that keeps state holds back the start of a character, unread.
    QStringDecoder decoder(legacy.Qt, cut ? QStringDecoder::Flag::Default : QStringDecoder::Flag::Stateless);
    if (decoder.isValid()) {
        QString text = decoder.decode(bytes);
        if (decoder.hasError() || HoldsUndefined(text))
            return std::nullopt;
        return text;
    }
    // A Qt without ICU: the C library's converter.
    const iconv_t converter = iconv_open("UTF-16LE", legacy.Iconv);
    if (converter == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    std::vector<char> out(static_cast<size_t>(bytes.size()) * 4 + 4);
    char* in = const_cast<char*>(bytes.data());
    size_t inLeft = static_cast<size_t>(bytes.size());
    char* to = out.data();
    size_t outLeft = out.size();
    const size_t result = iconv(converter, &in, &inLeft, &to, &outLeft);
    const bool failed = result == static_cast<size_t>(-1);
    const bool incomplete = failed && errno == EINVAL; // a character cut at the end
    iconv_close(converter);
    const QString text = QStringView(reinterpret_cast<const char16_t*>(out.data()), (out.size() - outLeft) / 2).toString();
    if ((failed && !(cut && incomplete)) || HoldsUndefined(text))
        return std::nullopt;
    return text;
}

// Each line in `legacy`, or nothing when it does not define them all.
std::optional<QStringList> DecodeEachStrictly(const QList<QByteArray>& lines, const Legacy& legacy,
                                              const QList<int32_t>& cutLines)
{
    QStringList texts;
    for (qsizetype line = 0; line < lines.size(); ++line) {
        std::optional<QString> text = DecodeStrictly(lines[line], legacy, cutLines.contains(int32_t(line + 1)));
        if (!text)
            return std::nullopt;
        texts.append(std::move(*text));
    }
    return texts;
}

bool IsAsciiLetter(char32_t code)
{
    return (code >= 'a' && code <= 'z') || (code >= 'A' && code <= 'Z');
}

// How much a character counts as a letter the script writes names in, by
// itself and beside the characters before and after it. Accented Latin
// letters come among plain ones; Cyrillic, Greek, Hebrew and Arabic words hold none.
double LetterWeight(char32_t code, Script script, char32_t before, char32_t after)
{
    // With the compatibility ideographs (U+F900 to U+FAFF): forms Japanese names keep, and hanja Korean keeps apart.
    const bool han = (code >= 0x4E00 && code < 0xA000) || (code >= 0x3400 && code < 0x4DC0) || code == 0x3005
                     || (code >= 0xF900 && code < 0xFB00);
    const bool besideAscii = IsAsciiLetter(before) || IsAsciiLetter(after);
    // A character of two bytes inside a Latin word is most likely another
    // encoding's accented letters read two at a time: han, kana and hangul
    // alike, so that no reading of Chinese, Japanese or Korean loses to
    // another for the Latin letters written beside its characters.
    const double wide = besideAscii ? 0.25 : 1;
    switch (script) {
    case Script::Japanese:
        if (code >= 0xFF61 && code < 0xFFA0)
            return 0.5; // half-width katakana: other encodings' bytes often read as these
        // Beside kana and kanji, the characters code page 932 adds (NEC's
        // and IBM's), which names and company names use: circled numbers,
        // Roman numerals, the numero sign and the bracketed company marks.
        return han || (code >= 0x3041 && code < 0x3100) || code == 0x30FC || (code >= 0x2460 && code < 0x2474)
                       || (code >= 0x2160 && code < 0x2180) || code == 0x2116 || code == 0x2121
                       || (code >= 0x3200 && code < 0x3400)
                   ? wide
                   : 0;
    case Script::Korean: return han || (code >= 0xAC00 && code < 0xD7A4) ? wide : 0;
    case Script::Chinese: return han ? wide : 0;
    case Script::Cyrillic: return code >= 0x0400 && code < 0x0530 ? (besideAscii ? 0.25 : 1) : 0;
    case Script::Greek: return code >= 0x0386 && code < 0x03D0 && code != 0x0387 ? (besideAscii ? 0.25 : 1) : 0;
    case Script::Hebrew: return code >= 0x05D0 && code < 0x05EB ? (besideAscii ? 0.25 : 1) : 0;
    case Script::Arabic:
        return (code >= 0x0621 && code < 0x064B) || (code >= 0x0671 && code < 0x06D4) ? (besideAscii ? 0.25 : 1) : 0;
    case Script::Latin:
        return code >= 0xC0 && code < 0x250 && code != 0xD7 && code != 0xF7 ? (besideAscii ? 1 : 0.5) : 0;
    }
    return 0;
}

// The share of the characters beyond ASCII that are letters of the script.
double LetterShare(const QString& text, Script script)
{
    const QList<uint> codes = text.toUcs4();
    double letters = 0;
    qsizetype others = 0;
    for (qsizetype at = 0; at < codes.size(); ++at) {
        if (codes[at] < 0x80)
            continue;
        ++others;
        letters += LetterWeight(codes[at], script, at > 0 ? codes[at - 1] : 0, at + 1 < codes.size() ? codes[at + 1] : 0);
    }
    return others == 0 ? 1 : letters / double(others);
}

std::atomic<EncodingDetector> Detector = nullptr;

// The detector's answer, as one of the legacy encodings; nothing when it
// has none or names another.
const Legacy* Detected(const QByteArray& bytes)
{
    const EncodingDetector detector = Detector.load();
    // Letters alone read some lists wrongly (Korean as Japanese): a program
    // that set no detector fails here rather than give such a reading.
    if (!detector)
        throw std::logic_error("no encoding detector is set (DetectEncodingsWith)");
    const QByteArray name = detector(bytes);
    for (const Legacy& legacy : Legacies)
        for (const char* detected : legacy.Detected)
            if (name == detected)
                return &legacy;
    return nullptr;
}

// Below this many bytes beyond ASCII the detector guesses more than it knows.
constexpr qsizetype DetectorNeeds = 16;

DecodedLines InUtf8(const QList<QByteArray>& lines)
{
    DecodedLines decoded{{}, {}, QStringLiteral("UTF-8")};
    for (qsizetype line = 0; line < lines.size(); ++line) {
        decoded.Lines.append(QString::fromUtf8(lines[line]));
        if (!IsValidUtf8(lines[line]))
            decoded.ReplacedLines.append(static_cast<int32_t>(line + 1));
    }
    return decoded;
}

} // namespace

void DetectEncodingsWith(EncodingDetector detector)
{
    Detector.store(detector);
}

DecodedLines DecodeLines(const QList<QByteArray>& lines, const QString& textLocale, bool unicode,
                         const QList<int32_t>& cutLines)
{
    if (unicode)
        return InUtf8(lines);
    const QByteArray all = lines.join('\n');
    const Utf8Count utf8 = CountUtf8(all);
    // Another encoding's bytes rarely make a UTF-8 sequence, and never many.
    if (utf8.Stray == 0 || utf8.Stray * 4 <= utf8.Sequences)
        return InUtf8(lines);

    struct Reading {
        const Legacy* From;
        QStringList Lines;
        double Share;
    };
    QList<Reading> readings;
    const QList<const Legacy*> spoken = LocaleLegacies(textLocale);
    for (const Legacy& legacy : Legacies)
        if (legacy.OnlyWhereSpoken && !spoken.contains(&legacy))
            continue;
        else if (std::optional<QStringList> texts = DecodeEachStrictly(lines, legacy, cutLines))
            readings.append({&legacy, *texts, LetterShare(texts->join(QLatin1Char('\n')), legacy.Writes)});
    if (readings.isEmpty())
        throw UnexplainedBytes();
    double best = 0;
    for (const Reading& reading : readings)
        best = std::max(best, reading.Share);
    const auto readingOf = [&](const Legacy* legacy) -> const Reading* {
        for (const Reading& reading : readings)
            if (reading.From == legacy)
                return &reading;
        return nullptr;
    };
    const Reading* chosen = nullptr;
    const qsizetype beyondAscii = std::count_if(all.begin(), all.end(), [](char byte) { return byte & 0x80; });
    if (beyondAscii >= DetectorNeeds)
        if (const Reading* detected = readingOf(Detected(all)); detected && detected->Share >= best - 0.05)
            chosen = detected;
    for (const Legacy* legacy : spoken)
        if (const Reading* reading = readingOf(legacy); !chosen && reading && reading->Share >= best)
            chosen = reading;
    for (const Reading& reading : readings)
        if (!chosen && reading.Share >= best)
            chosen = &reading;

    return {chosen->Lines, {}, QString::fromLatin1(chosen->From->Qt)};
}

std::optional<bool> Utf16WithoutMark(QByteArrayView start, bool whole)
{
    if (whole && start.size() % 2 != 0)
        return std::nullopt;
    const qsizetype units = start.size() / 2;
    std::optional<bool> order;
    for (const bool bigEndian : {false, true}) {
        qsizetype ascii = 0, lowZero = 0, lineEnds = 0;
        bool plausible = units > 0;
        for (qsizetype unit = 0; unit < units && plausible; ++unit) {
            const auto first = static_cast<unsigned char>(start[2 * unit]);
            const auto second = static_cast<unsigned char>(start[2 * unit + 1]);
            const char16_t code = bigEndian ? char16_t(first << 8 | second) : char16_t(second << 8 | first);
            const bool control = code < 0x20 && code != '\t' && code != '\r' && code != '\n' && code != 0x1A;
            plausible = !control && code != 0 && !(unit == 0 && QChar::isLowSurrogate(code));
            ascii += code < 0x80 ? 1 : 0;
            lowZero += (code & 0xFF) == 0 ? 1 : 0;
            lineEnds += code == '\r' || code == '\n' ? 1 : 0;
        }
        // Names have ASCII among them (line ends at least), which 8-bit text
        // never makes; read in the other byte order, ASCII ends in zero bytes.
        if (plausible && lineEnds > 0 && ascii * 16 >= units && lowZero * 8 <= units)
            order = bigEndian;
    }
    return order;
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
