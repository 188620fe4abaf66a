#include "platform/LoadedDocuments.h"

#include "texts/UserText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <dlfcn.h>

namespace quorvan {

namespace {

// The documents' module: beside the module this code is part of. In a
// program the loader names the program as it was started, which may be a
// name relative to the working folder: the module is then looked for on the
// system's library path, never in the working folder.
QString ModuleFile()
{
    const QString name = QLatin1String(DocumentsModuleFile);
    Dl_info own{};
    if (dladdr(reinterpret_cast<void*>(&ModuleFile), &own) == 0 || !own.dli_fname)
        return name;
    const QFileInfo self(QFile::decodeName(own.dli_fname));
    return self.isAbsolute() ? self.absolutePath() + QLatin1Char('/') + name : name;
}

const DocumentFunctions& Module()
{
    // A load that throws is tried again on the next call.
    static const DocumentFunctions* const module = &LoadDocumentsModule(ModuleFile());
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

const DocumentFunctions& LoadDocumentsModule(const QString& file)
{
    void* handle = dlopen(QFile::encodeName(file).constData(), RTLD_NOW | RTLD_LOCAL);
    auto* entry = handle ? reinterpret_cast<DocumentsEntry*>(dlsym(handle, DocumentsEntrySymbol)) : nullptr;
    if (!entry) {
        // The loader's reason starts with the file's name, which the message gives already.
        QString reason = QString::fromLocal8Bit(dlerror());
        if (reason.startsWith(file + QLatin1String(": ")))
            reason.remove(0, file.size() + 2);
        // A module without the entry is no part of this program: it does not stay.
        if (handle)
            dlclose(handle);
        throw UserError(QCoreApplication::translate("LoadedDocuments", "The program cannot load its part %1: %2")
                            .arg(QDir::toNativeSeparators(file), reason));
    }
    return *entry();
}

const DocumentFunctions& LoadedDocuments()
{
    static const DocumentFunctions functions{{Xlsx, Ods}, QrCode, Print, PrintWidget, DetectEncoding};
    return functions;
}

} // namespace quorvan
