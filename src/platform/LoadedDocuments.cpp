#include "platform/LoadedDocuments.h"

#include "texts/UserText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <dlfcn.h>

namespace quorvan {

namespace {

// The folder of the module (or program) this code is part of.
QString OwnFolder()
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&OwnFolder), &info) == 0 || !info.dli_fname)
        return QDir::currentPath();
    return QFileInfo(QFile::decodeName(info.dli_fname)).absolutePath();
}

const DocumentFunctions& Module()
{
    // A load that throws is tried again on the next call.
    static const DocumentFunctions* const module = [] {
        const QString file = OwnFolder() + QLatin1Char('/') + QLatin1String(DocumentsModuleFile);
        void* handle = dlopen(QFile::encodeName(file).constData(), RTLD_NOW | RTLD_LOCAL);
        auto* entry = handle ? reinterpret_cast<DocumentsEntry*>(dlsym(handle, DocumentsEntrySymbol)) : nullptr;
        if (!entry) {
            // The loader's reason starts with the file's name, which the message gives already.
            QString reason = QString::fromLocal8Bit(dlerror());
            if (reason.startsWith(file + QLatin1String(": ")))
                reason.remove(0, file.size() + 2);
            throw UserError(QCoreApplication::translate("LoadedDocuments", "The program cannot load its part %1: %2")
                                .arg(QDir::toNativeSeparators(file), reason));
        }
        return entry();
    }();
    return *module;
}

WorkbookBytes Xlsx(const QString& sheetName, const CellMap& cells)
{
    return Module().Workbooks.Xlsx(sheetName, cells);
}

WorkbookBytes Ods(const QString& sheetName, const CellMap& cells)
{
    return Module().Workbooks.Ods(sheetName, cells);
}

QImage QrCode(const QString& text, int moduleSize)
{
    return Module().QrCode(text, moduleSize);
}

bool Print(const QString& title, const QString& html)
{
    return Module().Print(title, html);
}

bool PrintWidget(QWidget* widget)
{
    return Module().PrintWidget(widget);
}

QByteArray DetectEncoding(const QByteArray& bytes)
{
    return Module().DetectEncoding(bytes);
}

} // namespace

const DocumentFunctions& LoadedDocuments()
{
    static const DocumentFunctions functions{{Xlsx, Ods}, QrCode, Print, PrintWidget, DetectEncoding};
    return functions;
}

} // namespace quorvan
