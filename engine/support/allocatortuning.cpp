#include "allocatortuning.h"

#include <mutex>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace allocator {

void tuneForDocuments()
{
    static std::once_flag once;
    std::call_once(once, [] {
#ifdef __GLIBC__
        // Parsed PDF objects are many and small and are freed in bulk when a document closes.
        // Kept in fast bins, they are all swept together by the next large request (a fifth of
        // a merge's time went there); without fast bins they are merged as they are freed.
        mallopt(M_MXFAST, 0);
#endif
    });
}

} // namespace allocator
