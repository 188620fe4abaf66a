#include "workbook/XlsWriter.h"

#include "texts/UserText.h"

#include <QHash>

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace quorvan {

namespace {

// ---- BIFF8 records -------------------------------------------------------

constexpr quint16 RecordBof = 0x0809;
constexpr quint16 RecordEof = 0x000A;
constexpr quint16 RecordCodePage = 0x0042;
constexpr quint16 RecordWindow1 = 0x003D;
constexpr quint16 RecordFont = 0x0031;
constexpr quint16 RecordXf = 0x00E0;
constexpr quint16 RecordStyle = 0x0293;
constexpr quint16 RecordBoundSheet = 0x0085;
constexpr quint16 RecordSst = 0x00FC;
constexpr quint16 RecordContinue = 0x003C;
constexpr quint16 RecordDimensions = 0x0200;
constexpr quint16 RecordWindow2 = 0x023E;
constexpr quint16 RecordLabelSst = 0x00FD;
constexpr int MostRecordData = 8224;
constexpr quint16 CellXf = 15; // the default cell format, after 15 style formats

class Bytes {
public:
    void U8(quint8 value) { data.append(static_cast<char>(value)); }
    void U16(quint16 value)
    {
        U8(value & 0xFF);
        U8(value >> 8);
    }
    void U32(quint32 value)
    {
        U16(value & 0xFFFF);
        U16(value >> 16);
    }
    void Utf16(QStringView text)
    {
        for (const QChar c : text)
            U16(c.unicode());
    }
    void Zeros(int count) { data.append(count, '\0'); }

    QByteArray data;
};

void Record(Bytes& out, quint16 type, const QByteArray& body)
{
    out.U16(type);
    out.U16(static_cast<quint16>(body.size()));
    out.data.append(body);
}

QByteArray Bof(quint16 substream)
{
    Bytes body;
    body.U16(0x0600); // BIFF8
    body.U16(substream);
    body.U16(0x0DBB); // build
    body.U16(0x07CC); // year
    body.U32(0);      // file history
    body.U32(0x0006); // lowest version that can read it
    return body.data;
}

QByteArray Font()
{
    Bytes body;
    body.U16(200);    // 10 points, in twips
    body.U16(0);      // no attributes
    body.U16(0x7FFF); // automatic colour
    body.U16(400);    // normal weight
    body.U16(0);      // no super- or subscript
    body.U8(0);       // no underline
    body.U8(0);       // family
    body.U8(0);       // character set
    body.U8(0);
    const QString name = QStringLiteral("Arial");
    body.U8(static_cast<quint8>(name.size()));
    body.U8(0); // 8-bit characters
    body.data.append(name.toLatin1());
    return body.data;
}

QByteArray Xf(bool style)
{
    Bytes body;
    body.U16(0);                        // font
    body.U16(0);                        // number format: General
    body.U16(style ? 0xFFF5 : 0x0001);  // locked; a style, or a cell format based on style 0
    body.U8(0x20);                      // aligned to the bottom
    body.U8(0);                         // no rotation
    body.U8(0);                         // no indent
    body.U8(style ? 0xF4 : 0x00);       // which attributes the format sets
    body.Zeros(8);                      // no borders
    body.U16(0x20C0);                   // automatic pattern colours
    return body.data;
}

QByteArray BoundSheet(quint32 sheetOffset, const QString& name)
{
    Bytes body;
    body.U32(sheetOffset);
    body.U8(0); // visible
    body.U8(0); // a worksheet
    body.U8(static_cast<quint8>(name.size()));
    body.U8(1); // UTF-16
    body.Utf16(name);
    return body.data;
}

// The shared string table, split into CONTINUE records where it outgrows one
// record. A string cut by a record boundary goes on with its flags byte again;
// the cut never falls inside a surrogate pair, which some readers refuse.
void SharedStrings(Bytes& out, const QStringList& strings, quint32 references)
{
    std::vector<QByteArray> records(1);
    const auto room = [&] { return MostRecordData - static_cast<int>(records.back().size()); };
    const auto put16 = [&](quint16 value) {
        records.back().append(static_cast<char>(value & 0xFF));
        records.back().append(static_cast<char>(value >> 8));
    };
    const auto put32 = [&](quint32 value) {
        put16(value & 0xFFFF);
        put16(value >> 16);
    };
    put32(references);
    put32(static_cast<quint32>(strings.size()));
    // Room for two UTF-16 units: any character, a surrogate pair included.
    constexpr int WholeCharacter = 4;
    for (const QString& text : strings) {
        if (room() < 3 + WholeCharacter) // the length, the flags and the first character
            records.emplace_back();
        put16(static_cast<quint16>(text.size()));
        records.back().append('\x01'); // UTF-16
        qsizetype written = 0;
        while (written < text.size()) {
            if (room() < WholeCharacter) {
                records.emplace_back();
                records.back().append('\x01');
            }
            qsizetype chars = std::min<qsizetype>(room() / 2, text.size() - written);
            if (written + chars < text.size() && text[written + chars - 1].isHighSurrogate())
                --chars;
            for (qsizetype i = 0; i < chars; ++i)
                put16(text[written + i].unicode());
            written += chars;
        }
    }
    for (size_t i = 0; i < records.size(); ++i)
        Record(out, i == 0 ? RecordSst : RecordContinue, records[i]);
}

QByteArray GlobalsSubstream(const QString& sheetName, quint32 sheetOffset, const QStringList& strings,
                            quint32 references)
{
    Bytes out;
    Record(out, RecordBof, Bof(0x0005));
    Bytes codePage;
    codePage.U16(1200); // UTF-16
    Record(out, RecordCodePage, codePage.data);
    Bytes window;
    for (const quint16 value : {0, 0, 0x3000, 0x1E00, 0x0038, 0, 0, 1, 0x0258})
        window.U16(value);
    Record(out, RecordWindow1, window.data);
    for (int font = 0; font < 5; ++font)
        Record(out, RecordFont, Font());
    for (int style = 0; style < 15; ++style)
        Record(out, RecordXf, Xf(true));
    Record(out, RecordXf, Xf(false));
    Bytes normal;
    normal.U16(0x8000); // built-in style of format 0
    normal.U8(0);       // "Normal"
    normal.U8(0xFF);
    Record(out, RecordStyle, normal.data);
    Record(out, RecordBoundSheet, BoundSheet(sheetOffset, sheetName));
    SharedStrings(out, strings, references);
    Record(out, RecordEof, {});
    return out.data;
}

QByteArray SheetSubstream(const CellMap& cells, const QHash<QString, quint32>& stringIndex)
{
    Bytes out;
    Record(out, RecordBof, Bof(0x0010));
    int lastRow = 0, lastColumn = 0;
    for (auto cell = cells.begin(); cell != cells.end(); ++cell) {
        lastRow = std::max(lastRow, cell.key().first);
        lastColumn = std::max(lastColumn, cell.key().second);
    }
    Bytes dimensions;
    dimensions.U32(0);
    dimensions.U32(static_cast<quint32>(lastRow));
    dimensions.U16(0);
    dimensions.U16(static_cast<quint16>(lastColumn));
    dimensions.U16(0);
    Record(out, RecordDimensions, dimensions.data);
    Bytes window;
    window.U16(0x06B6); // grid, headers, zeros, selected and active
    window.Zeros(16);
    window.data[6] = 64; // grid colour: automatic
    Record(out, RecordWindow2, window.data);
    for (auto cell = cells.begin(); cell != cells.end(); ++cell) {
        Bytes label;
        label.U16(static_cast<quint16>(cell.key().first - 1));
        label.U16(static_cast<quint16>(cell.key().second - 1));
        label.U16(CellXf);
        label.U32(stringIndex.value(cell.value()));
        Record(out, RecordLabelSst, label.data);
    }
    Record(out, RecordEof, {});
    return out.data;
}

// ---- The compound file ---------------------------------------------------

constexpr int SectorSize = 512;
constexpr quint32 FreeSector = 0xFFFFFFFF;
constexpr quint32 EndOfChain = 0xFFFFFFFE;
constexpr quint32 FatSector = 0xFFFFFFFD;
constexpr quint32 NoStream = 0xFFFFFFFF;
constexpr int MiniStreamCutoff = 4096;
constexpr int EntriesPerFatSector = SectorSize / 4;
constexpr int HeaderFatEntries = 109;

QByteArray DirectoryEntry(const QString& name, quint8 type, quint32 child, quint32 start, quint32 size)
{
    Bytes entry;
    entry.Utf16(name);
    entry.Zeros(64 - 2 * static_cast<int>(name.size()));
    entry.U16(name.isEmpty() ? 0 : static_cast<quint16>(2 * (name.size() + 1)));
    entry.U8(type);
    entry.U8(1); // black
    entry.U32(NoStream);
    entry.U32(NoStream);
    entry.U32(child);
    entry.Zeros(16 + 4 + 8 + 8); // class, state, times
    entry.U32(start);
    entry.U32(size);
    entry.U32(0);
    return entry.data;
}

QByteArray CompoundFile(QByteArray stream)
{
    // A stream below the cut-off would belong in the mini stream: pad it instead.
    if (stream.size() < MiniStreamCutoff)
        stream.append(MiniStreamCutoff - stream.size(), '\0');
    const int streamSectors = static_cast<int>((stream.size() + SectorSize - 1) / SectorSize);
    int fatSectors = 1;
    while (fatSectors * EntriesPerFatSector < fatSectors + 1 + streamSectors)
        ++fatSectors;
    if (fatSectors > HeaderFatEntries)
        throw UserError(Say(MessageId::WorkbookTooLarge));
    const quint32 directorySector = static_cast<quint32>(fatSectors);
    const quint32 firstStreamSector = directorySector + 1;

    Bytes header;
    header.data.append("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
    header.Zeros(16);
    header.U16(0x003E);
    header.U16(0x0003);
    header.U16(0xFFFE);
    header.U16(9); // 512-byte sectors
    header.U16(6); // 64-byte mini sectors
    header.Zeros(6);
    header.U32(0);
    header.U32(static_cast<quint32>(fatSectors));
    header.U32(directorySector);
    header.U32(0);
    header.U32(MiniStreamCutoff);
    header.U32(EndOfChain); // no mini FAT
    header.U32(0);
    header.U32(EndOfChain); // no further FAT locations
    header.U32(0);
    for (int i = 0; i < HeaderFatEntries; ++i)
        header.U32(i < fatSectors ? static_cast<quint32>(i) : FreeSector);

    Bytes fat;
    for (int i = 0; i < fatSectors; ++i)
        fat.U32(FatSector);
    fat.U32(EndOfChain); // the directory
    for (int i = 0; i < streamSectors; ++i)
        fat.U32(i + 1 < streamSectors ? firstStreamSector + static_cast<quint32>(i) + 1 : EndOfChain);
    while (fat.data.size() < fatSectors * SectorSize)
        fat.U32(FreeSector);

    QByteArray directory = DirectoryEntry(QStringLiteral("Root Entry"), 5, 1, EndOfChain, 0)
                           + DirectoryEntry(QStringLiteral("Workbook"), 2, NoStream, firstStreamSector,
                                            static_cast<quint32>(stream.size()))
                           + DirectoryEntry({}, 0, NoStream, 0, 0) + DirectoryEntry({}, 0, NoStream, 0, 0);

    stream.append(streamSectors * SectorSize - stream.size(), '\0');
    return header.data + fat.data + directory + stream;
}

} // namespace

QByteArray XlsWorkbookBytes(const QString& sheetName, const CellMap& allCells)
{
    // An empty text is an empty cell: a spreadsheet holds no empty string constant.
    CellMap cells;
    for (auto cell = allCells.begin(); cell != allCells.end(); ++cell)
        if (!cell.value().isEmpty())
            cells.insert(cell.key(), cell.value());
    QStringList strings;
    QHash<QString, quint32> stringIndex;
    for (const QString& text : cells) {
        if (!stringIndex.contains(text)) {
            stringIndex.insert(text, static_cast<quint32>(strings.size()));
            strings.append(text);
        }
    }
    const auto references = static_cast<quint32>(cells.size());
    // The globals come first; their size, and so the sheet's offset, does not
    // depend on the offset's value.
    const quint32 sheetOffset =
        static_cast<quint32>(GlobalsSubstream(sheetName, 0, strings, references).size());
    return CompoundFile(GlobalsSubstream(sheetName, sheetOffset, strings, references)
                        + SheetSubstream(cells, stringIndex));
}

} // namespace quorvan
