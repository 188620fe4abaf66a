#pragma once
// The documents' functions as this code implements them: what the module
// gives its loader, and what programs linked with this library use directly.

#include "documents/DocumentFunctions.h"

namespace quorvan {

const DocumentFunctions& DocumentTable();

} // namespace quorvan
