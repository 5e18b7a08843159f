#pragma once
// The 32-bit picture a window renders its frames into.
//
// A frame puts back and redraws a few cache lines in each of many rows, and after the
// sleep between two frames each row that lies on its own 4 KB page costs a walk of the
// page tables as well as the line. A picture of a large window therefore asks the kernel
// for 2 MB pages where the system offers them on request; a smaller one, or a system
// without them, gets an ordinary picture. Either way it is a plain QImage of
// Format_RGB32 that owns its pixels.
#include <QImage>

namespace raster {

// A width x height picture (each at least 1), its pixels not yet set.
QImage makeFrameImage(int width, int height);

} // namespace raster
