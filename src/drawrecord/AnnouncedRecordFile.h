#pragma once
// The draw record of an announced draw (format version 2) as a file, and
// its verification: everything recomputed from the announcement it holds
// and the values typed in. The user guide ("Announced draws") describes it.

#include "drawrecord/AnnouncedRecord.h"
#include "drawrecord/StrictJson.h"
#include "files/FileError.h"

#include <QByteArray>
#include <QStringList>

#include <optional>

namespace quorvan {

constexpr int AnnouncedRecordVersion = 2;

// Whether a record file's object (ReadRecordJson's) claims to be of format version 2.
bool IsAnnouncedRecord(const JsonValue& object);

// The record as its file holds it; SaveDrawRecordBytes writes it.
QByteArray AnnouncedRecordBytes(const AnnouncedRecord& record);

// Reads the record, refusing with a FileError naming `path` what is no such
// record or is damaged (the announcement it holds included); AlteredRecord
// when its content does not match its digest.
AnnouncedRecord ParseAnnouncedRecord(const QByteArray& content, const QString& path);
AnnouncedRecord ParseAnnouncedRecord(const StrictContent& content, const QString& path);

// What does not recompute: A against `givenDigest` (the A people compare,
// 32 bytes) when there is one, the lists against the announcement's, each
// value against its rule, each reveal against its commitment, K, the order,
// the seed, the ladder and the results. One line each; none when verified.
QStringList AnnouncedDifferences(const AnnouncedRecord& record, const std::optional<QByteArray>& givenDigest);

// The verdict in words: what is proved and what rests on people, or the differences.
QString AnnouncedVerdict(const AnnouncedRecord& record, const QStringList& differences, bool givenDigest);

} // namespace quorvan
