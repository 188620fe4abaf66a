#include "ListImport.h"

#include "MainForm.h"

#include <stdexcept>

namespace quorvan {

namespace {
const QString ListFilter = QStringLiteral("*.txt;*.xls|*.txt;*.xls|*.*|*.*");
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
        throw std::runtime_error(QStringLiteral("Cannot read \u201C%1\u201D:\nreading Excel workbooks is not "
                                                "available in this version; save the list as a text file (.txt).")
                                     .arg(path)
                                     .toStdString());
    case ListFileKind::Other:
        break;
    }
    throw std::runtime_error(QStringLiteral("Cannot read \u201C%1\u201D:\nlists are read from text files (.txt) "
                                            "and Excel 97\u20132003 workbooks (.xls).")
                                 .arg(path)
                                 .toStdString());
}

} // namespace quorvan
