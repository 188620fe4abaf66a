// Fuzz target: bytes of a workbook in, the cells of its first column out.

#include "FileError.h"
#include "XlsReader.h"

#include <QTemporaryFile>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QTemporaryFile file(QStringLiteral("/tmp/quorvan-fuzz-XXXXXX.xls"));
    if (!file.open())
        return 0;
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    file.close();
    const quorvan::CellFormats formats{[](const QDate& date) { return date.toString(); },
                                       [](const QTime& time) { return time.toString(); }};
    try {
        quorvan::XlsReader reader(file.fileName(), formats);
        for (int row = 1; row <= 600; ++row)
            for (int column = 1; column <= 3; ++column)
                reader.CellText(row, column);
    } catch (const quorvan::FileError&) {
        // A file that is not a readable workbook is reported, which is right.
    }
    return 0;
}
