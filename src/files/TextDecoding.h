#pragma once
// Turning the bytes of a list file into text.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <QList>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <stdexcept>

namespace quorvan {

bool IsValidUtf8(QByteArrayView bytes);

// The lines of a list file as text, and what the decoding had to do.
struct DecodedLines {
    QStringList Lines;
    QList<int32_t> ReplacedLines; // lines, from 1, where bytes no encoding explains became U+FFFD
    QString Encoding;             // the encoding the lines were read in
};

// A file the encodings a list may come in cannot explain.
class UnexplainedBytes : public std::runtime_error {
public:
    UnexplainedBytes() : std::runtime_error("no encoding explains the bytes") {}
};

// What names the encoding a text's bytes look written in: the name in
// capitals ("SHIFT_JIS", "EUC-KR"), empty when it has no answer.
using EncodingDetector = QByteArray (*)(const QByteArray& bytes);

// The detector DecodeLines asks from here on, for the whole process: the
// program sets one at its start. Until one is set, DecodeLines throws
// std::logic_error for a text long enough for a detector to judge.
void DetectEncodingsWith(EncodingDetector detector);

// Decodes the lines of a list file. UTF-8 when `unicode` (a byte-order mark
// said so) or when the bytes are UTF-8 but for a few stray ones, which alone
// become U+FFFD. Otherwise the legacy encoding that explains the bytes best:
// the detector's answer for a text long enough to judge, and among those that
// explain it equally well, the one of `textLocale` (an LC_CTYPE value such as
// "ko_KR.UTF-8") first. Throws UnexplainedBytes when none decodes the bytes.
// `cutLines` (from 1) were cut at a byte count: a character such a line ends
// inside is left out.
DecodedLines DecodeLines(const QList<QByteArray>& lines, const QString& textLocale, bool unicode,
                         const QList<int32_t>& cutLines = {});

// Whether `start`, the first bytes of a file without a byte-order mark, is
// UTF-16, and in which byte order (true: big-endian). `whole` when `start`
// is the whole file.
std::optional<bool> Utf16WithoutMark(QByteArrayView start, bool whole);

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
