#include "SpreadsheetResult.h"

#include "MainForm.h"
#include "ResultColumn.h"
#include "Spreadsheet.h"

#include <QFileInfo>


namespace quorvan {

namespace {

const QString AnyFileFilter = QStringLiteral("*.*|*.*");

} // namespace

void RunSpreadsheetResult(MainForm& form)
{
    Platform& platform = form.Environment();
    const auto path = platform.GetSaveFileName(
        AnyFileFilter, form.Localized(QStringLiteral("Vessapo結果.XLS"), QStringLiteral("VessapoResult.XLS")));
    if (!path)
        return;
    if (QFileInfo(*path).isFile()
        && !platform.AskYesNo(form.Localized(QStringLiteral("\u201C%1\u201D は既にあります。置き換えますか？"),
                                             QStringLiteral("\u201C%1\u201D already exists. Replace it?"))
                                  .arg(*path)))
        return;

    SpreadsheetApplication excel({});
    Workbook& book = excel.WorkBooks().Add();
    Worksheet& sheet = book.WorkSheets(1);
    sheet.SetName(QStringLiteral("QUORVAN"));
    const QDateTime now = platform.LocalNow();
    sheet.SetCells(1, 1, platform.ShortDate(now.date()) + QLatin1Char(' ') + platform.LongTime(now.time()));
    sheet.SetCells(1, 2, QStringLiteral("Member"));
    sheet.SetCells(1, 3, QStringLiteral("Hit"));
    int row = 1;
    for (const ResultPair& result : ResultPairs(form)) {
        ++row;
        sheet.SetCells(row, 2, result.Member);
        sheet.SetCells(row, 3, result.Hit);
    }
    book.SaveAs(*path);
    book.close();
    excel.Quit();
}

} // namespace quorvan
