#pragma once
/// Qt access to a `TBitmap`'s pixels.
#include <QImage>

#include "canvas/Graphics.h"

namespace zk {

/// A read-only image over Bitmap's own pixels (32-bit premultiplied ARGB),
/// made without copying them: it is valid until the bitmap is resized,
/// assigned or destroyed (copy it to keep it longer). Pending drawing of the
/// bitmap's canvas is already in it. Null for an empty bitmap.
QImage BitmapImage(const TBitmap& Bitmap);

} // namespace zk
