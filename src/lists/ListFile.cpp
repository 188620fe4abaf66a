#include "lists/ListFile.h"

#include "files/FileError.h"
#include "files/RegularFile.h"
#include "ladder/Geometry.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>
#include <utility>

namespace quorvan {

namespace {
constexpr char ControlZ = 0x1A;
constexpr qint64 ChunkSize = 64 * 1024;
const QByteArray Utf8Mark("\xEF\xBB\xBF");
const QByteArray Utf16LittleEndianMark("\xFF\xFE");
const QByteArray Utf16BigEndianMark("\xFE\xFF");
const QByteArray Utf32LittleEndianMark("\xFF\xFE\0\0", 4);
const QByteArray Utf32BigEndianMark("\0\0\xFE\xFF", 4);
// The first bytes that tell UTF-16 without a byte-order mark.
constexpr qsizetype Utf16Sample = 512;

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
    if (utf32_)
        return Split(QString(utf32_->decode(bytes)).toUtf8());
    Split(bytes);
}

// A byte-order mark, or the look of the first bytes, decides how the rest is
// read; the mark may come split over pieces.
void ListLineSplitter::FeedStart(QByteArrayView bytes, bool whole)
{
    current_.append(bytes);
    if (!whole && current_.size() < Utf16Sample)
        return;
    atStart_ = false;
    QByteArray start = std::move(current_);
    current_.clear();
    if (start.startsWith(Utf8Mark)) {
        unicode_ = true;
        start.remove(0, Utf8Mark.size());
    } else if (start.startsWith(Utf32LittleEndianMark) || start.startsWith(Utf32BigEndianMark)) {
        unicode_ = true;
        utf32_.emplace(start.startsWith(Utf32BigEndianMark) ? QStringConverter::Utf32BE : QStringConverter::Utf32LE);
        start.remove(0, Utf32LittleEndianMark.size());
    } else if (start.startsWith(Utf16LittleEndianMark) || start.startsWith(Utf16BigEndianMark)) {
        unicode_ = true;
        utf16_.emplace(start.startsWith(Utf16BigEndianMark));
        start.remove(0, Utf16LittleEndianMark.size());
    } else if (const std::optional<bool> bigEndian = Utf16WithoutMark(start, whole)) {
        unicode_ = true;
        utf16_.emplace(*bigEndian);
    }
    Feed(start);
}

namespace {

// The separator of the CSV records that `start` begins: of comma, semicolon
// and tab, the one outside quotes in the most records. Names hold commas
// that a file separated by semicolons or tabs leaves unquoted, so a tie goes
// to the tab, then the semicolon. 0 when there is none.
char SeparatorOf(QByteArrayView start, bool crEndsLines)
{
    static constexpr char Candidates[] = {'\t', ';', ','};
    int64_t records[std::size(Candidates)] = {};
    bool inRecord[std::size(Candidates)] = {};
    bool quoted = false;
    char before = '\n';
    const auto endRecord = [&] {
        for (size_t candidate = 0; candidate < std::size(Candidates); ++candidate)
            records[candidate] += std::exchange(inRecord[candidate], false) ? 1 : 0;
    };
    for (const char byte : start) {
        if (byte == ControlZ)
            break;
        // A quote opens a field, or closes one, or (doubled) stands for itself.
        if (byte == '"' && (quoted || before == '"' || before == '\n' || before == '\r'
                            || std::ranges::count(Candidates, before) > 0))
            quoted = !quoted;
        else if (!quoted && (byte == '\n' || (byte == '\r' && crEndsLines)))
            endRecord();
        else if (!quoted)
            for (size_t candidate = 0; candidate < std::size(Candidates); ++candidate)
                inRecord[candidate] = inRecord[candidate] || byte == Candidates[candidate];
        before = byte;
    }
    endRecord();
    char chosen = 0;
    int64_t most = 0;
    for (size_t candidate = 0; candidate < std::size(Candidates); ++candidate)
        if (records[candidate] > most) {
            most = records[candidate];
            chosen = Candidates[candidate];
        }
    return chosen;
}

} // namespace

void ListLineSplitter::Split(QByteArrayView bytes)
{
    // The first bytes split are the whole start of the file, read for its encoding.
    if (syntax_ == ListSyntax::CsvFirstField && separator_ == 0 && !bytes.isEmpty() && std::exchange(atFirstSplit_, false))
        separator_ = SeparatorOf(bytes, crEndsLines_);
    for (const char byte : bytes) {
        if (byte == ControlZ) {
            ended_ = true;
            break;
        }
        if (syntax_ == ListSyntax::CsvFirstField)
            SplitCsv(byte);
        else
            SplitLine(byte);
    }
}

void ListLineSplitter::SplitLine(char byte)
{
    if (std::exchange(crWaiting_, false) && byte != '\n' && lines_ < keep_)
        droppedCr_.append(static_cast<int32_t>(lines_ + 1));
    if (byte == '\n' || (byte == '\r' && crEndsLines_))
        return EndLine();
    lineStarted_ = true;
    if (byte == '\r') {
        crWaiting_ = true;
        return;
    }
    if (byte == '\t')
        NextField(byte);
    else if (Wanted() && lines_ < keep_)
        Keep(byte);
}

void ListLineSplitter::NextField(char separator)
{
    if (++field_ == 1 && separator == '\t' && fields_.Column == 0 && !fields_.All && lines_ < keep_)
        tabColumns_ = true;
    if (fields_.All && lines_ < keep_)
        Keep(FieldEnd);
}

void ListLineSplitter::SplitCsv(char byte)
{
    if (quote_ == Quote::ClosingOrDoubled) {
        quote_ = byte == '"' ? Quote::Inside : Quote::Outside;
        if (quote_ == Quote::Inside) {
            if (Wanted() && lines_ < keep_)
                Keep(byte);
            return;
        }
    }
    if (quote_ == Quote::Inside) {
        if (byte == '"')
            quote_ = Quote::ClosingOrDoubled;
        else if ((byte != '\r' || crEndsLines_) && Wanted() && lines_ < keep_)
            Keep(byte == '\r' ? '\n' : byte);
        return;
    }
    if (byte == '\n' || (byte == '\r' && crEndsLines_))
        return EndLine();
    lineStarted_ = true;
    const bool atStart = std::exchange(fieldStart_, false);
    if (byte == '"' && atStart) {
        quote_ = Quote::Inside;
    } else if (IsSeparator(byte)) {
        NextField(byte);
        fieldStart_ = true;
    } else if (byte != '\r' && Wanted() && lines_ < keep_) {
        Keep(byte);
    }
}

bool ListLineSplitter::IsSeparator(char byte)
{
    if (separator_ == 0 && (byte == ',' || byte == ';' || byte == '\t'))
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
    if (atStart_ && !current_.isEmpty())
        FeedStart({}, true); // a file shorter than the sample that tells its encoding
    if (utf16_ && !ended_)
        Split(utf16_->Finish());
    if (std::exchange(crWaiting_, false) && lines_ < keep_)
        droppedCr_.append(static_cast<int32_t>(lines_ + 1));
    if (lineStarted_)
        EndLine();
}

void ListLineSplitter::EndLine()
{
    if (lines_ < keep_ && lineCut_)
        cutLines_.append(static_cast<int32_t>(lines_ + 1));
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

DecodedLines DecodeListLines(const ListLineSplitter& splitter, const QString& textLocale)
{
    for (const QByteArray& line : splitter.KeptLines())
        if (line.contains('\0'))
            throw std::invalid_argument("NUL character in a list line");
    return DecodeLines(splitter.KeptLines(), textLocale, splitter.Unicode(), splitter.CutLines());
}

namespace {

// Whether the file holds an LF anywhere; read from its start, and back there after.
bool HoldsLineFeed(QFile& file, const QString& path, const QString& doing)
{
    bool found = false;
    for (qint64 read = 0; !found && read < MostListFileBytes; ) {
        const QByteArray chunk = file.read(ChunkSize);
        if (chunk.isEmpty())
            break;
        read += chunk.size();
        found = chunk.contains('\n');
    }
    if (file.error() != QFileDevice::NoError || !file.seek(0))
        throw FileError(doing, path, file.errorString());
    return found;
}

} // namespace

ListRead ReadListFile(const QString& path, int32_t keep, const QString& textLocale, ListSyntax syntax,
                      ListFields fields)
{
    const QString doing = Say(MessageId::CannotReadListFile);
    const std::unique_ptr<QFile> file = OpenRegularFile(path, doing);
    ListLineSplitter splitter(keep, syntax, !HoldsLineFeed(*file, path, doing), fields);
    qint64 bytesRead = 0;
    while (!splitter.Ended()) {
        const QByteArray chunk = file->read(ChunkSize);
        if (chunk.isEmpty()) {
            if (file->error() != QFileDevice::NoError)
                throw FileError(doing, path, file->errorString());
            break;
        }
        if ((bytesRead += chunk.size()) > MostListFileBytes) {
            if (splitter.LinesRead() < MostMembers)
                throw FileError(doing, path,
                                Say(MessageId::ListTooLarge)
                                    .arg(QString::number(MostListFileBytes / (1024 * 1024)), QString::number(MostMembers)));
            break;
        }
        splitter.Feed(chunk);
    }
    splitter.Finish();
    try {
        DecodedLines decoded = DecodeListLines(splitter, textLocale);
        ListRead read{std::move(decoded.Lines), splitter.LinesRead(), {}, {}};
        read.Notes.ReplacedLines = std::move(decoded.ReplacedLines);
        read.Notes.DroppedCrLines = splitter.DroppedCrLines();
        read.Notes.TabColumns = splitter.TabColumns();
        return read;
    } catch (const std::invalid_argument&) {
        throw FileError(doing, path, Say(MessageId::ListHoldsBinary));
    } catch (const UnexplainedBytes&) {
        throw FileError(doing, path, Say(MessageId::ListEncodingUnknown));
    } catch (const UserError& unread) { // the encoding detector could not be had
        throw FileError(doing, path, unread.Message());
    }
}

} // namespace quorvan
