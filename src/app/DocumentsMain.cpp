// The documents' module: workbooks, QR codes, printing and telling a text's
// encoding, with their libraries, for the window to load when first used.

#include "documents/DocumentTable.h"

#include <QtGlobal>

#include <type_traits>

extern "C" Q_DECL_EXPORT const quorvan::DocumentFunctions* quorvan_documents()
{
    static_assert(std::is_same_v<decltype(quorvan_documents), quorvan::DocumentsEntry>);
    return &quorvan::DocumentTable();
}
