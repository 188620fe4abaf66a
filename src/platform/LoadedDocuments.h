#pragma once
// The documents' functions of the module beside the window's, loaded into
// the process on the first call of any of them and kept from then on.

#include "documents/DocumentFunctions.h"

namespace quorvan {

// Each function loads the module first if it is not loaded yet; when it
// cannot be (the file missing or broken), the call throws UserError naming
// the file and the loader's reason, and the next call tries again.
const DocumentFunctions& LoadedDocuments();

// The functions of the documents' module in `file`, loaded into the process
// for good. Throws UserError naming the file and the loader's reason when it
// cannot be loaded or gives no entry.
const DocumentFunctions& LoadDocumentsModule(const QString& file);

} // namespace quorvan
