#pragma once
// A draw from an announcement: the hits' order and the ladder's seed follow
// from the announcement's digest A and the values of its randomness sources
// alone, so that one announcement allows one outcome and anyone can work it
// out again (the user guide, "Drawing from an announcement", writes it out):
//   K     = SHA-256(method ‖ 0x00 ‖ A ‖ JCS(values))
//   words = SHA-256(K ‖ "shuffle" ‖ counter), counter 0, 1, … as 8 bytes
//           big-endian, each digest read as eight 32-bit big-endian words
//   order = UniformOrder(rows, words): Fisher–Yates, a word drawn again
//           where its remainder would favour small numbers
//   seed  = the first 4 bytes, big-endian, of SHA-256(K ‖ "ladder")

#include <QByteArray>
#include <QJsonArray>
#include <QString>

#include <cstdint>
#include <vector>

namespace quorvan {

// The name of this way of drawing, as an announcement names it.
inline const QString AnnouncedDrawMethod = QStringLiteral("quorvan-announced-draw-1");

struct AnnouncedOutcome {
    QByteArray Key; // K, 32 bytes
    std::vector<int32_t> Order; // entry r - 1: the announced hit row that row r receives
    uint32_t Seed = 0; // the ladder's seed
};

// The outcome for `rows` rows, from the 32 bytes of A and the sources'
// values in the announcement's order (a text each, or null for a participant
// who did not reveal), canonical as CanonicalJson writes them.
AnnouncedOutcome DrawFromAnnouncement(const QByteArray& announcementDigest, const QJsonArray& values, int32_t rows);

} // namespace quorvan
