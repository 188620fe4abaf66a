// Fuzz target: bytes of a list text file in, members out, through every line
// rule and every decoding; built with QUORVAN_FUZZ_CSV, of a CSV list, through
// the record rules too.

#include "documents/EncodingDetector.h"
#include "files/TextDecoding.h"
#include "lists/ListFile.h"

#include <cstddef>
#include <cstdint>
#include <stdexcept>

// The decoding asks the encoding detector the program uses.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    quorvan::DetectEncodingsWith(quorvan::DetectedEncoding);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    // Fed in two pieces, split where the first byte says, to reach the piece boundaries.
    const qsizetype split = size > 0 ? data[0] % (static_cast<qsizetype>(size) + 1) : 0;
#ifdef QUORVAN_FUZZ_CSV
    quorvan::ListLineSplitter splitter(480, quorvan::ListSyntax::CsvFirstField);
#else
    quorvan::ListLineSplitter splitter(480);
#endif
    splitter.Feed(bytes.first(split));
    splitter.Feed(bytes.sliced(split));
    splitter.Finish();
    if (splitter.KeptLines().size() > 480 || splitter.LinesRead() < splitter.KeptLines().size())
        __builtin_trap();
    // UTF-16 comes out as UTF-8, cut only between characters.
    const bool utf16 = bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
    for (const QByteArray& line : splitter.KeptLines()) {
        if (line.size() > quorvan::MostLineBytes || (utf16 && !quorvan::IsValidUtf8(line)))
            __builtin_trap();
    }
    for (const char* locale : {"ja_JP.UTF-8", "en_US.UTF-8"}) {
        try {
            quorvan::DecodeListLines(splitter, QString::fromLatin1(locale));
        } catch (const std::invalid_argument&) {
            // Binary data is refused, which is right.
        } catch (const quorvan::UnexplainedBytes&) {
            // So are bytes in no encoding a list comes in.
        }
    }
    return 0;
}
