#pragma once

class QThreadPool;

namespace background {

// The pool for reading documents away from the window: outlines, page labels, handing freed
// memory back. Never Qt's global pool: the raster engine splits large fills over that one and
// waits for them, so a long read queued there holds the window's painting up.
QThreadPool *readers();

} // namespace background
