#include "lists/ListReader.h"

#include "files/FileError.h"
#include "ladder/Geometry.h"
#include "texts/Words.h"

#include <QFile>
#include <QFileInfo>

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

// Column A of the first worksheet, under its heading, to the first empty cell.
ListRead ReadListWorkbook(const QString& path, int32_t keep, const WorkbookReading& reading,
                          std::optional<WorkbookKind> kind = std::nullopt)
{
    // A name of no workbook kind is read as the oldest kind, .xls.
    const WorkbookReader sheet(path, reading, kind.value_or(WorkbookKindOf(path).value_or(WorkbookKind::Xls)));
    ListRead list;
    while (list.Kept.size() < keep) {
        const QString text = sheet.CellText(static_cast<int>(list.Kept.size()) + 2, 1);
        if (text.isEmpty())
            break;
        list.Kept.append(text);
    }
    list.LinesRead = list.Kept.size();
    // Names below the empty cell that ended the list are not read, but told.
    const int stop = static_cast<int>(list.Kept.size()) + 2;
    if (list.Kept.size() < keep)
        for (int row = stop + 1; row <= static_cast<int>(ListSheetRows); ++row)
            list.Notes.NamesBelow += sheet.CellText(row, 1).isEmpty() ? 0 : 1;
    if (list.Notes.NamesBelow > 0)
        list.Notes.StopRow = stop;
    const WorkbookNotes& notes = sheet.Notes();
    list.Notes.HiddenFirstSheet = notes.HiddenFirstSheet;
    list.Notes.NamesColumn = notes.NamesColumn;
    list.Notes.NamesSheet = notes.NamesSheet;
    list.Notes.NamesElsewhere = notes.NamesCount;
    return list;
}

// The list as the file holds it, of whatever kind.
ListRead ReadWholeNames(const QString& path, int32_t keep, const ListReading& reading)
{
    const ListFileKind named = KindOfListFile(path);
    if (named != ListFileKind::Other) {
        // A file behind the wrong ending is read as what it is, or named for what it is.
        const Content content = ContentOf(StartOf(path));
        const Words doing = Say(MessageId::CannotReadListFile);
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
                return ReadListWorkbook(path, keep, reading.Workbooks, kind);
            break;
        }
        case Content::Text:
            if (named == ListFileKind::Workbook)
                return ReadListFile(path, keep, reading.TextLocale, ListSyntax::CsvFirstField);
            break;
        case Content::Other: break;
        }
    }
    switch (named) {
    case ListFileKind::Text:
        return ReadListFile(path, keep, reading.TextLocale, ListSyntax::Lines);
    case ListFileKind::Csv:
        return ReadListFile(path, keep, reading.TextLocale, ListSyntax::CsvFirstField);
    case ListFileKind::Workbook:
        return ReadListWorkbook(path, keep, reading.Workbooks);
    case ListFileKind::Other:
        break;
    }
    throw UserError(Say(MessageId::ListFileKinds).arg(Verbatim(path)));
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

ListRead ReadList(const QString& path, int32_t keep, const ListReading& reading)
{
    ListRead list = ReadWholeNames(path, keep, reading);
    CutLongNames(list);
    return list;
}

} // namespace quorvan
