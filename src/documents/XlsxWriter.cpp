#include "documents/XlsxWriter.h"

#include "texts/UserText.h"

#include <QDir>

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
                                       cell.value().toUtf8().constData(), nullptr);
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
