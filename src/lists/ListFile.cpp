#include "lists/ListFile.h"

#include "files/FileError.h"
#include "files/RegularFile.h"
#include "ladder/Geometry.h"

#include <stdexcept>
#include <utility>

namespace quorvan {

namespace {
constexpr char ControlZ = 0x1A;
constexpr qint64 ChunkSize = 64 * 1024;
const QByteArray Utf8Mark("\xEF\xBB\xBF");
const QByteArray Utf16LittleEndianMark("\xFF\xFE");
const QByteArray Utf16BigEndianMark("\xFE\xFF");

bool IsContinuation(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// The length of the UTF-8 sequence `lead` starts.
qsizetype SequenceLength(char lead)
{
    const auto byte = static_cast<unsigned char>(lead);
    return byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
}
} // namespace

void ListLineSplitter::Feed(QByteArrayView bytes)
{
    if (ended_ || bytes.isEmpty())
        return;
    if (atStart_)
        return FeedStart(bytes);
    if (utf16_)
        return Split(utf16_->Feed(bytes));
    Split(bytes);
}

// A byte-order mark decides how the rest is read; it may come split over pieces.
void ListLineSplitter::FeedStart(QByteArrayView bytes)
{
    current_.append(bytes);
    for (const QByteArray* mark : {&Utf8Mark, &Utf16LittleEndianMark, &Utf16BigEndianMark}) {
        if (current_.size() < mark->size() && mark->startsWith(current_))
            return;
    }
    atStart_ = false;
    QByteArray start = std::move(current_);
    current_.clear();
    if (start.startsWith(Utf8Mark)) {
        start.remove(0, Utf8Mark.size());
    } else if (start.startsWith(Utf16LittleEndianMark) || start.startsWith(Utf16BigEndianMark)) {
        utf16_.emplace(start.startsWith(Utf16BigEndianMark));
        start.remove(0, Utf16LittleEndianMark.size());
    }
    Feed(start);
}

void ListLineSplitter::Split(QByteArrayView bytes)
{
    for (const char byte : bytes) {
        if (byte == ControlZ) {
            ended_ = true;
            break;
        }
        if (syntax_ == ListSyntax::CsvFirstField) {
            SplitCsv(byte);
            continue;
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

void ListLineSplitter::SplitCsv(char byte)
{
    if (quote_ == Quote::ClosingOrDoubled) {
        quote_ = byte == '"' ? Quote::Inside : Quote::Outside;
        if (quote_ == Quote::Inside) {
            if (field_ == 0 && lines_ < keep_)
                Keep(byte);
            return;
        }
    }
    if (quote_ == Quote::Inside) {
        if (byte == '"')
            quote_ = Quote::ClosingOrDoubled;
        else if (byte != '\r' && field_ == 0 && lines_ < keep_)
            Keep(byte);
        return;
    }
    if (byte == '\n')
        return EndLine();
    lineStarted_ = true;
    const bool atStart = std::exchange(fieldStart_, false);
    if (byte == '"' && atStart) {
        quote_ = Quote::Inside;
    } else if (IsSeparator(byte)) {
        ++field_;
        fieldStart_ = true;
    } else if (byte != '\r' && field_ == 0 && lines_ < keep_) {
        Keep(byte);
    }
}

bool ListLineSplitter::IsSeparator(char byte)
{
    if (separator_ == 0 && (byte == ',' || byte == ';'))
        separator_ = byte;
    return byte == separator_ && byte != 0;
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
    qsizetype lead = current_.size();
    while (lead > 0 && current_.size() - lead < 3 && IsContinuation(current_[lead - 1]))
        --lead;
    if (lead > 0 && current_.size() - (lead - 1) < SequenceLength(current_[lead - 1]))
        current_.truncate(lead - 1);
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
    if (utf16_ && !ended_)
        Split(utf16_->Finish());
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
    quote_ = Quote::Outside;
    fieldStart_ = true;
    field_ = 0;
    ++lines_;
}

QStringList DecodeListLines(const QList<QByteArray>& lines, int32_t localeId)
{
    bool utf8 = true;
    for (const QByteArray& line : lines) {
        if (line.contains('\0'))
            throw std::invalid_argument("NUL character in a list line");
        utf8 = utf8 && IsValidUtf8(line);
    }
    QStringList decoded;
    decoded.reserve(lines.size());
    if (utf8) {
        for (const QByteArray& line : lines)
            decoded.append(QString::fromUtf8(line));
        return decoded;
    }
    CodePageDecoder codePage(AnsiCodePage(localeId));
    for (const QByteArray& line : lines)
        decoded.append(codePage.Decode(line));
    return decoded;
}

ListRead ReadListFile(const QString& path, int32_t keep, int32_t localeId, ListSyntax syntax)
{
    const Words doing = Say(MessageId::CannotReadListFile);
    const std::unique_ptr<QFile> file = OpenRegularFile(path, doing);
    ListLineSplitter splitter(keep, syntax);
    qint64 bytesRead = 0;
    while (!splitter.Ended()) {
        const QByteArray chunk = file->read(ChunkSize);
        if (chunk.isEmpty()) {
            if (file->error() != QFileDevice::NoError)
                throw FileError(doing, path, Verbatim(file->errorString()));
            break;
        }
        if ((bytesRead += chunk.size()) > MostListFileBytes) {
            if (splitter.LinesRead() < MostMembers)
                throw FileError(doing, path,
                                Say(MessageId::ListTooLarge)
                                    .arg(Verbatim(MostListFileBytes / (1024 * 1024)), Verbatim(MostMembers)));
            break;
        }
        splitter.Feed(chunk);
    }
    splitter.Finish();
    try {
        return {DecodeListLines(splitter.KeptLines(), localeId), splitter.LinesRead()};
    } catch (const std::invalid_argument&) {
        throw FileError(doing, path, Say(MessageId::ListHoldsBinary));
    }
}

} // namespace quorvan
