#include "workbook/CsvWriter.h"

namespace quorvan {

namespace {

// What a spreadsheet would take for a formula (=, +, -, @) or would strip
// (tab, CR) at the start of a cell is kept as text by a leading apostrophe,
// the mark spreadsheets themselves use for it.
bool NeedsTextMark(const QString& text)
{
    static const QString FormulaStarts = QStringLiteral("=+-@\t\r");
    return !text.isEmpty() && FormulaStarts.contains(text.front());
}

QString Field(const QString& cell)
{
    const QString text = NeedsTextMark(cell) ? QLatin1Char('\'') + cell : cell;
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n'))
        && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

QByteArray CsvBytes(const CellMap& cells)
{
    int lastColumn = 1;
    for (auto cell = cells.begin(); cell != cells.end(); ++cell)
        lastColumn = std::max(lastColumn, cell.key().second);
    const int lastRow = cells.isEmpty() ? 0 : cells.lastKey().first;
    QString text;
    for (int row = 1; row <= lastRow; ++row) {
        for (int column = 1; column <= lastColumn; ++column) {
            if (column > 1)
                text += QLatin1Char(',');
            text += Field(cells.value({row, column}));
        }
        text += QStringLiteral("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

} // namespace quorvan
