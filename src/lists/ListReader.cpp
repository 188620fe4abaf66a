#include "lists/ListReader.h"

#include "texts/Words.h"

namespace quorvan {

namespace {

// Column A of the first worksheet, under its heading, to the first empty cell.
ListRead ReadListWorkbook(const QString& path, int32_t keep, const WorkbookReading& reading)
{
    // A name of no workbook kind is read as the oldest kind, .xls.
    const WorkbookReader sheet(path, reading, WorkbookKindOf(path).value_or(WorkbookKind::Xls));
    ListRead list;
    while (list.Kept.size() < keep) {
        const QString text = sheet.CellText(static_cast<int>(list.Kept.size()) + 2, 1);
        if (text.isEmpty())
            break;
        list.Kept.append(text);
    }
    list.LinesRead = list.Kept.size();
    return list;
}

} // namespace

ListRead ReadList(const QString& path, int32_t keep, const ListReading& reading)
{
    switch (KindOfListFile(path)) {
    case ListFileKind::Text:
        return ReadListFile(path, keep, reading.LocaleId, ListSyntax::Lines);
    case ListFileKind::Csv:
        return ReadListFile(path, keep, reading.LocaleId, ListSyntax::CsvFirstField);
    case ListFileKind::Workbook:
        return ReadListWorkbook(path, keep, reading.Workbooks);
    case ListFileKind::Other:
        break;
    }
    throw UserError(Say(MessageId::ListFileKinds).arg(Verbatim(path)));
}

} // namespace quorvan
