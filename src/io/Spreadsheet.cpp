#include "Spreadsheet.h"

#include "FileError.h"
#include "XlsxWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <stdexcept>

namespace quorvan {

namespace {

const QString CannotSave = QStringLiteral("Cannot save the workbook");
constexpr int MostRows = 65536;
constexpr int MostColumns = 256;

void CheckCell(int row, int column)
{
    if (row < 1 || row > MostRows || column < 1 || column > MostColumns)
        throw std::out_of_range("There is no cell at row " + std::to_string(row) + ", column "
                                + std::to_string(column));
}

void SaveXls(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw FileError(CannotSave, path, file.errorString());
}

void SaveXlsx(const QString& path, const QString& sheetName, const CellMap& cells)
{
    // Written under a passing name in the same folder, then renamed over the target.
    QTemporaryFile passing(QFileInfo(path).absoluteDir().filePath(QStringLiteral(".quorvan-XXXXXX.xlsx")));
    if (!passing.open())
        throw FileError(CannotSave, path, passing.errorString());
    passing.close();
    // The file gets the permissions the file it replaces had, or the usual ones.
    const QFileInfo earlier(path);
    passing.setPermissions(earlier.exists() ? earlier.permissions()
                                            : QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                  | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    WriteXlsxFile(passing.fileName(), sheetName, cells);
    if (std::rename(QFile::encodeName(passing.fileName()).constData(), QFile::encodeName(path).constData()) != 0)
        throw FileError(CannotSave, path, QString::fromLocal8Bit(std::strerror(errno)));
    passing.setAutoRemove(false);
}

} // namespace

QString Worksheet::Cells(int row, int column) const
{
    CheckCell(row, column);
    if (source_)
        return source_->CellText(row, column);
    return cells_.value({row, column});
}

void Worksheet::SetCells(int row, int column, const QString& value)
{
    CheckCell(row, column);
    cells_.insert({row, column}, value);
}

void Worksheet::SetName(const QString& name)
{
    if (name.isEmpty() || name.size() > 31)
        throw std::invalid_argument("A worksheet name has 1 to 31 characters");
    name_ = name;
}

Workbook::Workbook(std::unique_ptr<XlsReader> source) : source_(std::move(source))
{
    sheet_.source_ = source_.get();
}

Worksheet& Workbook::WorkSheets(int index)
{
    if (index != 1)
        throw std::out_of_range("The workbook has no worksheet " + std::to_string(index));
    return sheet_;
}

void Workbook::SaveAs(const QString& Filename)
{
    const QFileInfo target(Filename);
    if (target.isDir())
        throw FileError(CannotSave, Filename, QStringLiteral("It is a folder, not a file."));
    // The save replaces the file whole, which must never befall a device or a pipe.
    if (target.exists() && !target.isFile())
        throw FileError(CannotSave, Filename, QStringLiteral("It is not an ordinary file."));
    if (Filename.endsWith(QStringLiteral(".xls"), Qt::CaseInsensitive))
        SaveXls(Filename, XlsWorkbookBytes(sheet_.Name(), sheet_.cells_));
    else
        SaveXlsx(Filename, sheet_.Name(), sheet_.cells_);
}

void Workbook::close()
{
    sheet_.source_ = nullptr;
    source_.reset();
}

Workbook& Workbooks::Open(const QString& FileName, bool /*readOnly: never written back*/)
{
    books_.push_back(std::make_unique<Workbook>(std::make_unique<XlsReader>(FileName, reading_)));
    return *books_.back();
}

Workbook& Workbooks::Add()
{
    books_.push_back(std::make_unique<Workbook>());
    return *books_.back();
}

} // namespace quorvan
