// Fuzz target: bytes of a workbook in, packed cells of its first worksheet
// out, through the code of the reader program (quorvan-xls-reader), run here
// in-process so that the fuzzer sees it. Memory the workbook library loses
// is not a finding: in the program it goes with the reader's process, so
// scripts/fuzz runs this target without leak detection.

#include "CompoundFileCheck.h"
#include "FileError.h"
#include "FreexlSheet.h"

#include <QFile>
#include <QTemporaryFile>

#include <cstddef>
#include <cstdint>
#include <stdexcept>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    quorvan::LimitFurtherMemory(quorvan::ReaderMemory); // as the reader program does
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QTemporaryFile file(QStringLiteral("/tmp/quorvan-fuzz-XXXXXX.xls"));
    if (!file.open())
        return 0;
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    file.close();
    try {
        quorvan::CheckCompoundDirectory(file.fileName());
        quorvan::PackFirstSheet(QFile::encodeName(file.fileName()).toStdString());
    } catch (const quorvan::FileError&) {
        // Refused before the library sees it, which is right.
    } catch (const std::runtime_error&) {
        // Reported by the reader as not a readable workbook, which is right.
    }
    return 0;
}
