#include "ListImport.h"

#include "MainForm.h"
#include "Spreadsheet.h"

#include <stdexcept>

namespace quorvan {

namespace {
const QString ListFilter = QStringLiteral("*.txt;*.xls|*.txt;*.xls|*.*|*.*");
// Column A of the first worksheet, under its heading, to the first empty cell.
ListRead ReadListWorkbook(MainForm& form, const QString& path, int32_t keep)
{
    Platform& platform = form.Environment();
    SpreadsheetApplication excel({platform.HelperProgram(QStringLiteral("quorvan-xls-reader")),
                                  [&](const QDate& date) { return platform.ShortDate(date); },
                                  [&](const QTime& time) { return platform.LongTime(time); }});
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
    book.close();
    excel.Quit();
    return list;
}

} // namespace

ListFileKind KindOfListFile(const QString& path)
{
    const QString ending = path.right(3);
    QString upper;
    for (const QChar c : ending)
        upper.append(c >= QLatin1Char('a') && c <= QLatin1Char('z') ? QChar(c.unicode() - 32) : c);
    if (upper == QLatin1String("TXT"))
        return ListFileKind::Text;
    if (upper == QLatin1String("XLS"))
        return ListFileKind::Workbook;
    return ListFileKind::Other;
}

std::optional<QString> ChooseListFile(MainForm& form)
{
    auto chosen = form.Environment().GetOpenFileName(ListFilter, form.OpenDialog1FileName);
    if (chosen)
        form.OpenDialog1FileName = *chosen;
    return chosen;
}

ListRead ReadList(MainForm& form, const QString& path, int32_t keep)
{
    switch (KindOfListFile(path)) {
    case ListFileKind::Text:
        return ReadListFile(path, keep, form.Environment().UserDefaultLCID());
    case ListFileKind::Workbook:
        return ReadListWorkbook(form, path, keep);
    case ListFileKind::Other:
        break;
    }
    throw std::runtime_error(QStringLiteral("Cannot read \u201C%1\u201D:\nlists are read from text files (.txt) "
                                            "and Excel 97\u20132003 workbooks (.xls).")
                                 .arg(path)
                                 .toStdString());
}

} // namespace quorvan
