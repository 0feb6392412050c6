#pragma once

namespace allocator {

// Sets the process's allocator up for PDF work, once; cheap to call again.
void tuneForDocuments();

} // namespace allocator
