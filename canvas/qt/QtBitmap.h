#pragma once
/// Qt access to a `TBitmap`'s pixels.
#include <QImage>

#include "canvas/Graphics.h"

namespace zk {

/// The image behind Bitmap (32-bit premultiplied ARGB). Pending drawing of
/// the bitmap's canvas is already in it; resizing the bitmap replaces it.
const QImage& BitmapImage(const TBitmap& Bitmap) noexcept;

} // namespace zk
