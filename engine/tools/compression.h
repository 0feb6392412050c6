#pragma once

#include "taskrequest.h"

// Compress: images above the level's resolution are downsampled and re-encoded as JPEG, the
// file's structure is packed (object streams, flate level 9, duplicates merged, unused objects
// and editor data dropped). Text and vector content stay as they are, and the result is never
// larger than the input.
namespace compression {

bool compress(const TaskRequest &request);

} // namespace compression
