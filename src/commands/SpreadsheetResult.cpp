// Excel: saves the member/hit pairs under a time stamp as a new workbook.

#include "Commands.h"
#include "Spreadsheet.h"

#include <QFileInfo>


namespace quorvan {

namespace {

const QString AnyFileFilter = QStringLiteral("*.*|*.*");

} // namespace

void Commands::onSaveWorkbook()
{
    Platform& platform = window_.platform();
    const auto path = platform.GetSaveFileName(
        AnyFileFilter, window_.localized(QStringLiteral("Vessapo結果.XLS"), QStringLiteral("VessapoResult.XLS")));
    if (!path)
        return;
    if (QFileInfo(*path).isFile()
        && !platform.AskYesNo(window_.localized(QStringLiteral("\u201C%1\u201D は既にあります。置き換えますか？"),
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
    const QList<ResultPair> results = resultPairs();
    for (int row = 1; row <= results.size(); ++row) {
        sheet.SetCells(row + 1, 2, results[row - 1].Member);
        sheet.SetCells(row + 1, 3, results[row - 1].Hit);
    }
    book.SaveAs(*path);
    book.close();
    excel.Quit();
}

} // namespace quorvan
