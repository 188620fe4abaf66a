#include "lists/ListReader.h"

#include "files/FileError.h"
#include "ladder/Geometry.h"
#include "texts/UserText.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <optional>

namespace quorvan {

namespace {

// What the first bytes of a file show it to be, whatever its name says.
enum class Content { Xls, Xlsx, Ods, Html, SpreadsheetMl, Text, Other };

constexpr qint64 ContentSample = 4096;

Content ContentOf(QByteArray start)
{
    if (start.isEmpty())
        return Content::Other;
    if (start.startsWith("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"))
        return Content::Xls;
    if (start.startsWith("PK\x03\x04"))
        return start.mid(30, 8) == "mimetype" && start.contains("application/vnd.oasis.opendocument.spreadsheet")
                   ? Content::Ods
                   : Content::Xlsx;
    if (start.startsWith("\xFF\xFE") || start.startsWith("\xFE\xFF")) // UTF-16 markup: its ASCII, without the zeros
        start = start.mid(2).replace('\0', QByteArray());
    else if (start.contains('\0'))
        return Content::Other;
    if (start.startsWith("\xEF\xBB\xBF"))
        start.remove(0, 3);
    const QByteArray markup = start.trimmed().toLower();
    if (markup.startsWith("<?xml") && markup.contains("urn:schemas-microsoft-com:office:spreadsheet"))
        return Content::SpreadsheetMl;
    if (markup.startsWith("<!doctype html") || markup.startsWith("<html") || markup.startsWith("<table")
        || (markup.startsWith("<") && markup.contains("<html")))
        return Content::Html;
    return Content::Text;
}

// The first bytes of an ordinary file; none of anything else, which the
// reading proper then refuses with its own message.
QByteArray StartOf(const QString& path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return {};
    return file.read(ContentSample);
}

// The cells of the first rows of the first columns, as far as they hold any.
QList<QStringList> SheetStart(const WorkbookReader& sheet)
{
    QList<QStringList> rows;
    for (int row = 1; row <= int(PreviewRows); ++row) {
        QStringList cells;
        for (int column = 1; column <= PreviewColumns; ++column)
            cells.append(sheet.CellText(row, column));
        while (!cells.isEmpty() && cells.last().isEmpty())
            cells.removeLast();
        rows.append(cells);
    }
    while (!rows.isEmpty() && rows.last().isEmpty())
        rows.removeLast();
    return rows;
}

// The chosen column (A unless another is chosen) of the first worksheet,
// under its heading, to the first empty cell, or (`pastEmpty`) every filled cell of it.
ListRead ReadListWorkbook(const QString& path, int32_t keep, const WorkbookReading& reading, WorkbookKind kind,
                          const ImportChoice& choice)
{
    const quint16 column = static_cast<quint16>(std::clamp<int32_t>(choice.Column, 1, MostSheetColumns));
    const WorkbookReader sheet(path, reading, kind, column);
    ListRead list;
    const WorkbookNotes& notes = sheet.Notes();
    list.Notes.HiddenFirstSheet = notes.HiddenFirstSheet;
    list.Notes.ReadColumn = column;
    list.Notes.NamesColumn = notes.NamesColumn;
    list.Notes.NamesSheet = notes.NamesSheet;
    list.Notes.NamesElsewhere = notes.NamesCount;
    list.SheetStart = SheetStart(sheet);
    if (choice.PastEmpty) {
        for (int row = 2; row <= static_cast<int>(ListSheetRows) && list.Kept.size() < keep; ++row)
            if (const QString text = sheet.CellText(row, column); !text.isEmpty())
                list.Kept.append(text);
        list.LinesRead = list.Kept.size();
        return list;
    }
    while (list.Kept.size() < keep) {
        const QString text = sheet.CellText(static_cast<int>(list.Kept.size()) + 2, column);
        if (text.isEmpty())
            break;
        list.Kept.append(text);
    }
    list.LinesRead = list.Kept.size();
    // Names below the empty cell that ended the list are not read, but told.
    const int stop = static_cast<int>(list.Kept.size()) + 2;
    if (list.Kept.size() < keep)
        for (int row = stop + 1; row <= static_cast<int>(ListSheetRows); ++row)
            list.Notes.NamesBelow += sheet.CellText(row, column).isEmpty() ? 0 : 1;
    if (list.Notes.NamesBelow > 0)
        list.Notes.StopRow = stop;
    return list;
}

// How a list file is read: as text lines, CSV records, or a workbook of a kind.
struct Source {
    std::optional<ListSyntax> Text;
    WorkbookKind Kind = WorkbookKind::Xls;
};

Source SourceOf(const QString& path)
{
    const ListFileKind named = KindOfListFile(path);
    if (named != ListFileKind::Other) {
        // A file behind the wrong ending is read as what it is, or named for what it is.
        const Content content = ContentOf(StartOf(path));
        const QString doing = Say(MessageId::CannotReadListFile);
        switch (content) {
        case Content::Html: throw FileError(doing, path, Say(MessageId::ListIsHtml));
        case Content::SpreadsheetMl: throw FileError(doing, path, Say(MessageId::ListIsSpreadsheetMl));
        case Content::Xls:
        case Content::Xlsx:
        case Content::Ods: {
            const auto kind = content == Content::Xls    ? WorkbookKind::Xls
                              : content == Content::Xlsx ? WorkbookKind::Xlsx
                                                         : WorkbookKind::Ods;
            if (named != ListFileKind::Workbook || WorkbookKindOf(path) != kind)
                return {std::nullopt, kind};
            break;
        }
        case Content::Text:
            if (named == ListFileKind::Workbook)
                return {ListSyntax::CsvFirstField};
            break;
        case Content::Other: break;
        }
    }
    switch (named) {
    case ListFileKind::Text: return {ListSyntax::Lines};
    case ListFileKind::Csv: return {ListSyntax::CsvFirstField};
    // A name of no workbook kind is read as the oldest kind, .xls.
    case ListFileKind::Workbook: return {std::nullopt, WorkbookKindOf(path).value_or(WorkbookKind::Xls)};
    case ListFileKind::Other: break;
    }
    throw UserError(Say(MessageId::ListFileKinds).arg(path));
}

// The rows looked at for the shape of a text or CSV file.
constexpr int32_t ShapeRows = 60;

// The list as the file holds it, of whatever kind, read as the user chose.
ListRead ReadWholeNames(const QString& path, int32_t keep, const ListReading& reading, const ImportChoice& choice)
{
    const Source source = SourceOf(path);
    if (!source.Text)
        return ReadListWorkbook(path, keep, reading.Workbooks, source.Kind, choice);
    const int32_t skipped = choice.Heading ? 1 : 0;
    ListRead list = ReadListFile(path, keep + skipped, reading.TextLocale, *source.Text, {choice.Column - 1});
    if (skipped > 0 && !list.Kept.isEmpty()) {
        list.Kept.removeFirst();
        list.LinesRead -= 1;
    }
    return list;
}

// Names longer than LongestName cut to it (never inside a character made of
// two units) and noted.
void CutLongNames(ListRead& list)
{
    for (qsizetype entry = 0; entry < list.Kept.size(); ++entry) {
        QString& name = list.Kept[entry];
        if (name.size() <= LongestName)
            continue;
        name.truncate(name.at(LongestName - 1).isHighSurrogate() ? LongestName - 1 : LongestName);
        name.squeeze();
        list.Notes.CutNames.append(static_cast<int32_t>(entry + 1));
    }
}

} // namespace

ListRead ReadList(const QString& path, int32_t keep, const ListReading& reading, const ImportChoice& choice)
{
    ListRead list = ReadWholeNames(path, keep, reading, choice);
    CutLongNames(list);
    return list;
}

ImportShape LookAtList(const QString& path, const ListReading& reading, const ListRead& list)
{
    const Source source = SourceOf(path);
    if (!source.Text)
        return ShapeOfSheet(list.SheetStart, list.Notes);
    const ListRead first = ReadListFile(path, ShapeRows, reading.TextLocale, *source.Text, {0, true});
    QList<QStringList> rows;
    for (const QString& line : first.Kept)
        rows.append(line.split(QLatin1Char(FieldEnd)));
    return ShapeOfRows(rows);
}

} // namespace quorvan
