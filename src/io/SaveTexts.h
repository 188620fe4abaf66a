#pragma once
// The messages of the result saves, kept together so that they can be put
// into another language in one place.

#include <QString>

namespace quorvan::save_texts {

inline const QString CannotWriteTextResult = QStringLiteral("Cannot write the result file");
inline const QString CannotSaveWorkbook = QStringLiteral("Cannot save the workbook");

// The kinds of workbook the save dialog offers.
inline const QString XlsDescription = QStringLiteral("Excel 97\u20132003 workbook");
inline const QString XlsxDescription = QStringLiteral("Excel workbook");
inline const QString OdsDescription = QStringLiteral("OpenDocument spreadsheet"); // OpenDocument スプレッドシート
inline const QString CsvDescription = QStringLiteral("CSV"); // CSV

inline const QString IsAFolder = QStringLiteral("It is a folder, not a file.");
inline const QString NotAnOrdinaryFile =
    QStringLiteral("It is not an ordinary file (it is a device, a pipe or the like), so nothing is written to it.");
inline const QString TooManyLinks = QStringLiteral("It is a symbolic link that leads round in a circle.");
// Japanese: "Excel の結果は Excel 97\u20132003 ブック (.xls)、Excel ブック (.xlsx)、OpenDocument
// スプレッドシート (.ods) または CSV (.csv) として保存します。そのいずれかで終わる名前か、拡張子のない名前を選んでください。"
inline const QString WorkbookExtensions =
    QStringLiteral("An Excel result is saved as an Excel 97\u20132003 workbook (.xls), an Excel workbook "
                   "(.xlsx), an OpenDocument spreadsheet (.ods) or CSV (.csv). Choose a name ending in one of "
                   "them, or a name without an ending.");
inline const QString NoMemoryForWorkbook = QStringLiteral("There is not enough memory to make it.");
inline const QString CellTooLong = QStringLiteral("A cell holds more than 32,767 characters.");
// %1: the temporary folder.
inline const QString CannotAssembleWorkbook =
    QStringLiteral("It could not be put together in the temporary folder \u201C%1\u201D: that folder may be "
                   "full, or the file larger than this system allows.");
// %1: the library's own words.
inline const QString WorkbookLibraryRefused = QStringLiteral("The workbook library refused it: %1");

// The reason for a failed system call (an errno value) in plain words.
QString SystemReason(int error);

} // namespace quorvan::save_texts
