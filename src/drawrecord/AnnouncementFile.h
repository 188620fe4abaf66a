#pragma once
// The announcement file (.qannounce): the announcement as one JSON object in
// its canonical form (CanonicalJson), byte for byte, so that its digest A,
// the SHA-256 of the file, is the same wherever it is computed. The user
// guide ("Announced draws") describes its entries.

#include "drawrecord/Announcement.h"
#include "files/FileError.h"

#include <QByteArray>
#include <QString>

namespace quorvan {

inline const QString AnnouncementSuffix = QStringLiteral("qannounce");
inline const QString AnnouncementFormat = QStringLiteral("quorvan-announcement");
constexpr int AnnouncementVersion = 1;

// The file's content: the canonical form of the announcement's entries.
QByteArray AnnouncementBytes(const Announcement& announcement);

// A: the SHA-256 of the file's content, 32 bytes.
QByteArray AnnouncementDigest(const QByteArray& content);

// A short code people read aloud to compare A: its first 50 bits in
// Crockford's base 32, as two groups of five (such as "7XQ2M-9KD4R").
QString ShortCode(const QByteArray& digest);

// The announcement `content` holds, refused with a FileError naming `path`
// when it is damaged, breaks a rule of announcements, or is not written in
// its canonical form.
Announcement ParseAnnouncement(const QByteArray& content, const QString& path);

// Writes the announcement to `path`, replacing what was there only once all of it is on the disk.
void SaveAnnouncement(const QString& path, const Announcement& announcement);

} // namespace quorvan
