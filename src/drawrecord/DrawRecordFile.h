#pragma once
// The draw record file (.qdraw): one JSON object in UTF-8, written with
// FileSaving's care and read with strict checks. Its entries, and the
// canonical form its SHA-256 digest is taken over, are described in the user
// guide ("Draw records").

#include "drawrecord/DrawRecord.h"
#include "drawrecord/StrictJson.h"
#include "files/FileError.h"

#include <QByteArray>
#include <QDateTime>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>

namespace quorvan {

// The file name's ending, without the dot.
inline const QString DrawRecordSuffix = QStringLiteral("qdraw");
// The one format name, and the highest format version this program reads and the one it writes.
inline const QString DrawRecordFormat = QStringLiteral("quorvan-draw");
constexpr int DrawRecordVersion = 1;
// No record comes near this size: the largest lottery with long names is far below it.
constexpr qint64 MostDrawRecordBytes = 16 * 1024 * 1024;

// The canonical form of a JSON value (RFC 8785, with whole numbers only): no
// blanks, object keys in the order of their UTF-16 code units, strings
// escaped only where JSON needs it (\" \\ \b \f \n \r \t, other characters
// below U+0020 as \u00xx in lower case) and written in UTF-8 otherwise,
// numbers as whole decimal numbers. A number that is not whole, or a text
// with an unpaired surrogate, has none: std::invalid_argument.
QByteArray CanonicalJson(const QJsonValue& value);

// Local time with its offset from UTC, as 2024-05-01T09:05:07+09:00.
QString DrawRecordTime(const QDateTime& time);

// The record's file content: its entries and their digest, indented.
QByteArray DrawRecordBytes(const DrawRecord& record);

// The traced results as both format versions write them.
QJsonArray ResultsArray(const std::vector<DrawResult>& results);

// A record's content with the digest of every entry but "sha256" itself
// added, as the file holds it (either format version).
QByteArray SealedRecordBytes(QJsonObject content);

// The digest, in lower-case hexadecimal, of a canonical form.
QString CanonicalDigest(const QByteArray& canonical);

// Writes a record's bytes to `path`, replacing what was there only once the
// whole record is on the disk.
void SaveDrawRecordBytes(const QString& path, const QByteArray& bytes);

// For each event of a history, the rows its shuffle orders: those of the
// lottery after its last Set-up, and before it whatever an order holds
// (a Set-up since may have changed the rows).
std::vector<int32_t> RowsOrdered(const JsonValue& history, int32_t rows);

// One event of a record's history as the record writes it, and read back
// with the record's checks (`rows`: the rows a shuffle's order holds);
// `entry` names it in the FileError that names `path`.
QJsonObject DrawEventObject(const DrawEvent& event);
DrawEvent ReadDrawEvent(const JsonValue& value, int32_t rows, const QString& path, const QString& entry);

// A record whose content does not match its digest.
class AlteredRecord : public FileError {
public:
    using FileError::FileError;
};

// The content of the file at `path`, refused with a FileError naming it when
// it cannot be read or is too large for a record.
QByteArray ReadDrawRecordBytes(const QString& path);

// Reads the record at `path`. A file that cannot be read, is no draw record
// or is damaged raises a FileError naming it; one whose digest does not match
// its content raises AlteredRecord.
DrawRecord ReadDrawRecord(const QString& path);

// The same for a file's content already read, `path` naming it in messages.
DrawRecord ParseDrawRecord(const QByteArray& content, const QString& path);

// A record file's content read strictly as JSON (either format version),
// before its entries are checked; a FileError naming `path` when it is no
// such JSON object. And the format version 1 record it holds.
StrictContent ReadRecordJson(const QByteArray& content, const QString& path);
DrawRecord ParseDrawRecord(const StrictContent& content, const QString& path);

} // namespace quorvan
