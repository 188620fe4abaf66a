// Fuzz target: bytes of an announcement in, an announcement and its digest
// and short code, or a message, out.

#include "drawrecord/AnnouncementFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        quorvan::ParseAnnouncement(bytes, QStringLiteral("fuzz.qannounce"));
        quorvan::ShortCode(quorvan::AnnouncementDigest(bytes));
    } catch (const quorvan::UserError&) {
        // A damaged, foreign or re-spelled announcement is refused with its message, which is right.
    }
    return 0;
}
