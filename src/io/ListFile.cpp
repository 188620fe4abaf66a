#include "ListFile.h"

#include "FileError.h"
#include "TextDecoding.h"

#include <QFile>
#include <QFileInfo>

#include <stdexcept>

namespace quorvan {

namespace {
constexpr char ControlZ = 0x1A;
constexpr qint64 ChunkSize = 64 * 1024;
const QByteArray ByteOrderMark("\xEF\xBB\xBF");
} // namespace

void ListLineSplitter::Feed(QByteArrayView bytes)
{
    if (ended_)
        return;
    if (atStart_ && !bytes.isEmpty()) {
        // The mark may come split over pieces: wait for three bytes.
        current_.append(bytes);
        if (current_.size() < ByteOrderMark.size() && ByteOrderMark.startsWith(current_))
            return;
        atStart_ = false;
        QByteArray start = std::move(current_);
        current_.clear();
        if (start.startsWith(ByteOrderMark))
            start.remove(0, ByteOrderMark.size());
        return Feed(start);
    }
    for (const char byte : bytes) {
        if (byte == ControlZ) {
            ended_ = true;
            break;
        }
        if (byte == '\n') {
            EndLine();
            continue;
        }
        lineStarted_ = true;
        if (byte != '\r' && lines_ < keep_)
            Keep(byte);
    }
}

void ListLineSplitter::Keep(char byte)
{
    if (lineCut_)
        return;
    if (current_.size() < MostLineBytes) {
        current_.append(byte);
        return;
    }
    // Cut at a character boundary: drop a UTF-8 sequence left incomplete.
    const auto continuation = [](char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; };
    while (!current_.isEmpty() && continuation(current_.back()))
        current_.chop(1);
    if (!current_.isEmpty() && static_cast<unsigned char>(current_.back()) >= 0xC0)
        current_.chop(1);
    lineCut_ = true;
}

void ListLineSplitter::Finish()
{
    if (atStart_ && !current_.isEmpty()) {
        // A file shorter than a byte-order mark.
        atStart_ = false;
        QByteArray start = std::move(current_);
        current_.clear();
        Feed(start);
    }
    if (lineStarted_)
        EndLine();
}

void ListLineSplitter::EndLine()
{
    if (lines_ < keep_)
        kept_.append(current_);
    current_.clear();
    lineStarted_ = false;
    lineCut_ = false;
    ++lines_;
}

QStringList DecodeListLines(const QList<QByteArray>& lines, int32_t localeId)
{
    bool utf8 = true;
    for (const QByteArray& line : lines) {
        if (line.contains('\0'))
            throw std::invalid_argument("NUL byte in a list line");
        utf8 = utf8 && IsValidUtf8(line);
    }
    QStringList decoded;
    decoded.reserve(lines.size());
    for (const QByteArray& line : lines)
        decoded.append(utf8 ? QString::fromUtf8(line) : DecodeCodePage(line, AnsiCodePage(localeId)));
    return decoded;
}

ListRead ReadListFile(const QString& path, int32_t keep, int32_t localeId)
{
    const QString doing = QStringLiteral("Cannot read the list file");
    if (QFileInfo(path).isDir())
        throw FileError(doing, path, QStringLiteral("It is a folder, not a file."));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(doing, path, file.errorString());

    ListLineSplitter splitter(keep);
    QByteArray chunk;
    while (!splitter.Ended()) {
        chunk = file.read(ChunkSize);
        if (chunk.isEmpty()) {
            if (file.error() != QFileDevice::NoError)
                throw FileError(doing, path, file.errorString());
            break;
        }
        splitter.Feed(chunk);
    }
    splitter.Finish();
    try {
        return {DecodeListLines(splitter.KeptLines(), localeId), splitter.LinesRead()};
    } catch (const std::invalid_argument&) {
        throw FileError(doing, path, QStringLiteral("It holds binary data (NUL bytes), not a list of names."));
    }
}

} // namespace quorvan
