// Fuzz target: bytes of a draw record in, a record or a message out; a record
// that reads is verified too, which rebuilds its ladder and traces it (for
// an announced draw, from the announcement and the values it holds).

#include "drawrecord/AnnouncedRecordFile.h"
#include "drawrecord/DrawRecordFile.h"
#include "drawrecord/DrawVerification.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        const QString path = QStringLiteral("fuzz.qdraw");
        const quorvan::StrictContent content = quorvan::ReadRecordJson(bytes, path);
        if (quorvan::IsAnnouncedRecord(content.Object)) {
            const quorvan::AnnouncedRecord record = quorvan::ParseAnnouncedRecord(content, path);
            quorvan::AnnouncedDifferences(record, std::nullopt);
            return 0;
        }
        const quorvan::DrawRecord record = quorvan::ParseDrawRecord(content, path);
        quorvan::DrawDifferences(record);
    } catch (const quorvan::UserError&) {
        // A damaged, foreign or altered record is refused with its message, which is right.
    }
    return 0;
}
