#include "documents/XlsxWriter.h"

#include "texts/UserText.h"

#include <QDir>
#include <QRegularExpression>

#include <xlsxwriter.h>

#include <sys/mman.h>
#include <unistd.h>

namespace quorvan {

namespace {

QString PlainReason(lxw_error error)
{
    switch (error) {
    case LXW_ERROR_MEMORY_MALLOC_FAILED:
        return Say(MessageId::NoMemoryForWorkbook);
    case LXW_ERROR_MAX_STRING_LENGTH_EXCEEDED:
        return Say(MessageId::CellTooLong);
    case LXW_ERROR_CREATING_XLSX_FILE:
    case LXW_ERROR_CREATING_TMPFILE:
    case LXW_ERROR_READING_TMPFILE:
    case LXW_ERROR_ZIP_FILE_OPERATION:
    case LXW_ERROR_ZIP_INTERNAL_ERROR:
    case LXW_ERROR_ZIP_FILE_ADD:
    case LXW_ERROR_ZIP_CLOSE:
        return Say(MessageId::CannotAssembleWorkbook).arg(QDir::toNativeSeparators(QDir::tempPath()));
    default:
        return Say(MessageId::WorkbookLibraryRefused).arg(QString::fromUtf8(lxw_strerror(error)));
    }
}

// A cell's text as Excel writes it into the workbook's XML: characters XML
// cannot hold (control characters but tab and line feed, U+FFFE, U+FFFF,
// half a character) as _xHHHH_, and an underscore that would begin such an
// escape as _x005F_, so that the text reads back as it was. With no control
// character left, the library writes the rest as it is.
QByteArray ExcelText(const QString& text)
{
    static const QRegularExpression escapeLike(QStringLiteral("_(?=x[0-9A-Fa-f]{4}_)"));
    const QString kept = QString(text).replace(escapeLike, QStringLiteral("_x005F_"));
    QString escaped;
    for (qsizetype at = 0; at < kept.size(); ++at) {
        const char16_t unit = kept.at(at).unicode();
        if (QChar::isHighSurrogate(unit) && at + 1 < kept.size() && kept.at(at + 1).isLowSurrogate()) {
            escaped += kept.sliced(at++, 2);
            continue;
        }
        const bool unheld = (unit < 0x20 && unit != u'\t' && unit != u'\n') || unit == 0xFFFE || unit == 0xFFFF
                            || QChar::isSurrogate(unit);
        escaped += unheld ? QStringLiteral("_x%1_").arg(QString::number(unit, 16).toUpper(), 4, QLatin1Char('0'))
                          : QString(QChar(unit));
    }
    return escaped.toUtf8();
}

} // namespace

WorkbookBytes XlsxWorkbookBytes(const QString& sheetName, const CellMap& cells)
{
    const auto fail = [](lxw_error error) { return WorkbookBytes{{}, PlainReason(error)}; };
    // The library writes only to a named file: a file in memory, named by
    // its descriptor, read back once the library is done with it. Nothing of
    // it is left on disk should the program be killed while it works.
    const int descriptor = memfd_create("quorvan-workbook.xlsx", MFD_CLOEXEC);
    if (descriptor < 0)
        return fail(LXW_ERROR_CREATING_XLSX_FILE);
    QFile scratch;
    if (!scratch.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return fail(LXW_ERROR_CREATING_XLSX_FILE);
    }
    lxw_workbook* workbook = workbook_new(("/proc/self/fd/" + QByteArray::number(descriptor)).constData());
    if (!workbook)
        return fail(LXW_ERROR_MEMORY_MALLOC_FAILED);
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, sheetName.toUtf8().constData());
    lxw_error error = sheet ? LXW_NO_ERROR : LXW_ERROR_SHEETNAME_ALREADY_USED;
    for (auto cell = cells.begin(); cell != cells.end() && error == LXW_NO_ERROR; ++cell) {
        error = worksheet_write_string(sheet, static_cast<lxw_row_t>(cell.key().first - 1),
                                       static_cast<lxw_col_t>(cell.key().second - 1),
                                       ExcelText(cell.value()).constData(), nullptr);
    }
    // Closing writes the file and frees the workbook, also after an error.
    const lxw_error closed = workbook_close(workbook);
    if (error == LXW_NO_ERROR)
        error = closed;
    if (error != LXW_NO_ERROR)
        return fail(error);
    QByteArray bytes = scratch.readAll();
    if (bytes.isEmpty())
        return fail(LXW_ERROR_READING_TMPFILE);
    return {bytes, {}};
}

} // namespace quorvan
