#include "files/FileKinds.h"

namespace quorvan {

QString UpperEnding(const QString& path, qsizetype count)
{
    QString upper;
    for (const QChar c : path.right(count))
        upper.append(c >= QLatin1Char('a') && c <= QLatin1Char('z') ? QChar(c.unicode() - 32) : c);
    return upper;
}

std::optional<WorkbookKind> WorkbookKindOf(const QString& path)
{
    if (UpperEnding(path, 4) == QLatin1String("XLSX"))
        return WorkbookKind::Xlsx;
    if (UpperEnding(path, 3) == QLatin1String("XLS"))
        return WorkbookKind::Xls;
    if (UpperEnding(path, 3) == QLatin1String("ODS"))
        return WorkbookKind::Ods;
    return std::nullopt;
}

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

} // namespace quorvan
