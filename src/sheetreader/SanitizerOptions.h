#pragma once
// Included once by each program that confines itself as the reader does.
// Started with an empty environment, a sanitized build takes its options
// from here: an allocation past the memory limit returns null, as it does
// without the sanitizer; a finding ends the process on a signal; and there is
// no leak check at exit, which would have to trace the process, something the
// confinement refuses.

#include "sheetreader/ReaderConfinement.h"

#if defined(QUORVAN_ADDRESS_SANITIZER)
extern "C" const char* __asan_default_options()
{
    return "detect_leaks=0:allocator_may_return_null=1:abort_on_error=1";
}
#endif
