#include "CompoundFileCheck.h"

#include "FileError.h"

#include <QFile>
#include <QtEndian>

#include <cstdint>

namespace quorvan {

namespace {

constexpr char Signature[] = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";
constexpr int HeaderSize = 512;
constexpr int SectorShiftAt = 30;
constexpr int DirectoryStartAt = 48;
constexpr int EntrySize = 128;
constexpr int NameLengthAt = 64;
constexpr int LongestName = 64; // bytes of UTF-16, the terminating zero included

const QString CannotRead = QStringLiteral("Cannot read the workbook");

quint16 Word(const QByteArray& bytes, int at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

quint32 Long(const QByteArray& bytes, int at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

} // namespace

void CheckCompoundDirectory(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return; // the reader reports why it cannot be opened
    const QByteArray header = file.read(HeaderSize);
    if (header.size() < HeaderSize || !header.startsWith(QByteArray(Signature, 8)))
        return;
    const quint16 shift = Word(header, SectorShiftAt);
    if (shift != 9 && shift != 12)
        return; // refused by the reader as it is
    const qint64 sectorSize = qint64(1) << shift;
    const qint64 directoryAt = (qint64(Long(header, DirectoryStartAt)) + 1) * sectorSize;
    const QString damaged = QStringLiteral("The workbook is damaged (its directory is broken).");
    if (directoryAt + sectorSize > file.size() || !file.seek(directoryAt))
        throw FileError(CannotRead, path, damaged);
    const QByteArray directory = file.read(sectorSize);
    if (directory.size() != sectorSize)
        throw FileError(CannotRead, path, damaged);
    for (qint64 entry = 0; entry < sectorSize; entry += EntrySize)
        if (Word(directory, int(entry) + NameLengthAt) > LongestName)
            throw FileError(CannotRead, path, damaged);
}

} // namespace quorvan
