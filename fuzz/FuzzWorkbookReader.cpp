// Fuzz target: bytes of a workbook in, the cells of its first column out,
// along the program's own path: the reader program (quorvan-sheet-reader, in
// its own process) and the unpacking of what it sends. A crash of the
// workbook library ends the reader's process and comes back as a reason;
// only a fault on this side of the process boundary is a finding.

#include "files/FileError.h"
#include "workbook/WorkbookReader.h"

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
    const quorvan::WorkbookReading reading{QStringLiteral(QUORVAN_HELPER_DIRECTORY "/quorvan-sheet-reader"),
                                           [](const QDate& date) { return date.toString(); },
                                           [](const QTime& time) { return time.toString(); },
                                           {}};
    try {
        const quorvan::WorkbookReader reader(file.fileName(), reading);
        for (int row = 1; row <= 600; ++row)
            for (int column = 1; column <= 3; ++column)
                reader.CellText(row, column);
    } catch (const quorvan::FileError&) {
        // A file that is not a readable workbook is reported, which is right.
    }
    return 0;
}
