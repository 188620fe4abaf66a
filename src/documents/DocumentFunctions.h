#pragma once
// What the documents' module does for the window: the pieces of the program
// that need a library of their own beyond the toolkit's (workbooks in the
// Office Open XML and OpenDocument formats, QR codes, printing, telling a
// text's encoding). The module is loaded only when one of them is first
// used; each function gives its failure as a value, never as an exception.

#include "files/TextDecoding.h"
#include "workbook/WorkbookSaving.h"

#include <QImage>
#include <QString>

class QWidget;

namespace quorvan {

struct DocumentFunctions {
    LibraryWriters Workbooks;
    // A QR code of the text (QrCode.h); an empty image when it does not fit one.
    QImage (*QrCode)(const QString& text, int moduleSize);
    // Print a document, and a widget as shown, through the print dialog
    // (Printing.h); false when it is cancelled.
    bool (*Print)(const QString& title, const QString& html);
    bool (*PrintWidget)(QWidget* widget);
    EncodingDetector DetectEncoding;
};

// The module's file, beside the window's, and its entry, which gives the
// functions as it implements them.
using DocumentsEntry = const DocumentFunctions*();
inline constexpr char DocumentsModuleFile[] = "quorvan-documents.so";
inline constexpr char DocumentsEntrySymbol[] = "quorvan_documents";

} // namespace quorvan
