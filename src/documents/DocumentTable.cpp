#include "documents/DocumentTable.h"

#include "documents/EncodingDetector.h"
#include "documents/OdsWriter.h"
#include "documents/Printing.h"
#include "documents/QrCode.h"
#include "documents/XlsxWriter.h"

namespace quorvan {

const DocumentFunctions& DocumentTable()
{
    static const DocumentFunctions table{
        {XlsxWorkbookBytes, OdsWorkbookBytes}, QrCodeImage, PrintDocument, PrintWidget, DetectedEncoding};
    return table;
}

} // namespace quorvan
