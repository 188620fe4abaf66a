#include "XlsReader.h"

#include "FileError.h"

#include <QFileInfo>
#include <QLocale>

#include <freexl.h>

namespace quorvan {

namespace {

const QString CannotRead = QStringLiteral("Cannot read the workbook");

QString ReasonOf(int code)
{
    switch (code) {
    case FREEXL_FILE_NOT_FOUND: return QStringLiteral("The file does not exist or cannot be opened.");
    case FREEXL_INSUFFICIENT_MEMORY: return QStringLiteral("There is not enough memory to read it.");
    case FREEXL_INVALID_CFBF_HEADER:
    case FREEXL_CFBF_INVALID_SIGNATURE:
        return QStringLiteral("It is not an Excel 97\u20132003 workbook (.xls).");
    case FREEXL_CFBF_READ_ERROR:
    case FREEXL_CFBF_SEEK_ERROR: return QStringLiteral("The file is cut short or cannot be read.");
    case FREEXL_BIFF_WORKBOOK_NOT_FOUND: return QStringLiteral("The file holds no workbook.");
    case FREEXL_BIFF_ILLEGAL_SHEET_INDEX: return QStringLiteral("The workbook has no worksheet.");
    case FREEXL_UNSUPPORTED_CHARSET:
    case FREEXL_INVALID_CHARACTER: return QStringLiteral("Its text is in a character set that cannot be read.");
    default: return QStringLiteral("The workbook is damaged (error %1).").arg(code);
    }
}

// A number as a person would write it: whole numbers without decimals,
// others in their shortest exact form.
QString NumberText(double value)
{
    return QLocale::c().toString(value, 'g', QLocale::FloatingPointShortest);
}

} // namespace

XlsReader::XlsReader(const QString& path, CellFormats formats) : path_(path), formats_(std::move(formats))
{
    if (QFileInfo(path).isDir())
        throw FileError(CannotRead, path, QStringLiteral("It is a folder, not a file."));
    int code = freexl_open(path.toLocal8Bit().constData(), &handle_);
    if (code != FREEXL_OK) {
        if (handle_)
            freexl_close(handle_);
        handle_ = nullptr;
        throw FileError(CannotRead, path, ReasonOf(code));
    }
    unsigned int password = 0;
    if (freexl_get_info(handle_, FREEXL_BIFF_PASSWORD, &password) == FREEXL_OK
        && password == FREEXL_BIFF_OBFUSCATED) {
        freexl_close(handle_);
        throw FileError(CannotRead, path, QStringLiteral("It is protected by a password."));
    }
    code = freexl_select_active_worksheet(handle_, 0);
    if (code == FREEXL_OK)
        code = freexl_worksheet_dimensions(handle_, &rows_, &columns_);
    if (code != FREEXL_OK) {
        freexl_close(handle_);
        throw FileError(CannotRead, path, ReasonOf(code));
    }
}

XlsReader::~XlsReader()
{
    freexl_close(handle_);
}

QString XlsReader::CellText(int row, int column) const
{
    if (row < 1 || column < 1 || static_cast<unsigned>(row) > rows_ || column > columns_)
        return {};
    FreeXL_CellValue cell{};
    const int code = freexl_get_cell_value(handle_, static_cast<unsigned>(row - 1),
                                           static_cast<unsigned short>(column - 1), &cell);
    if (code != FREEXL_OK)
        throw FileError(CannotRead, path_, ReasonOf(code));
    switch (cell.type) {
    case FREEXL_CELL_INT: return QString::number(cell.value.int_value);
    case FREEXL_CELL_DOUBLE: return NumberText(cell.value.double_value);
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT: return QString::fromUtf8(cell.value.text_value);
    case FREEXL_CELL_DATE:
        return formats_.ShortDate(QDate::fromString(QString::fromLatin1(cell.value.text_value), Qt::ISODate));
    case FREEXL_CELL_TIME:
        return formats_.LongTime(QTime::fromString(QString::fromLatin1(cell.value.text_value), Qt::ISODate));
    case FREEXL_CELL_DATETIME: {
        const QDateTime moment = QDateTime::fromString(QString::fromLatin1(cell.value.text_value),
                                                       QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        return formats_.ShortDate(moment.date()) + QLatin1Char(' ') + formats_.LongTime(moment.time());
    }
    default: return {};
    }
}

} // namespace quorvan
