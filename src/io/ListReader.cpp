#include "ListReader.h"

#include "Spreadsheet.h"

#include "Words.h"

namespace quorvan {

namespace {

// Column A of the first worksheet, under its heading, to the first empty cell.
ListRead ReadListWorkbook(const QString& path, int32_t keep, const WorkbookReading& reading)
{
    SpreadsheetApplication excel(reading);
    Workbook& book = excel.WorkBooks().Open(path, true);
    const Worksheet& sheet = book.WorkSheets(1);
    ListRead list;
    while (list.Kept.size() < keep) {
        const QString text = sheet.Cells(static_cast<int>(list.Kept.size()) + 2, 1);
        if (text.isEmpty())
            break;
        list.Kept.append(text);
    }
    list.LinesRead = list.Kept.size();
    // Names below the empty cell that ended the list are not read, but told.
    const int stop = static_cast<int>(list.Kept.size()) + 2;
    if (list.Kept.size() < keep)
        for (int row = stop + 1; row <= static_cast<int>(ListSheetRows); ++row)
            list.Notes.NamesBelow += sheet.Cells(row, 1).isEmpty() ? 0 : 1;
    if (list.Notes.NamesBelow > 0)
        list.Notes.StopRow = stop;
    book.close();
    excel.Quit();
    return list;
}

} // namespace

ListFileKind KindOfListFile(const QString& path)
{
    if (WorkbookKindOf(path))
        return ListFileKind::Workbook;
    const QString ending = UpperEnding(path, 3);
    if (ending == QLatin1String("TXT"))
        return ListFileKind::Text;
    if (ending == QLatin1String("CSV"))
        return ListFileKind::Csv;
    return ListFileKind::Other;
}

ListRead ReadList(const QString& path, int32_t keep, const ListReading& reading)
{
    switch (KindOfListFile(path)) {
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

} // namespace quorvan
