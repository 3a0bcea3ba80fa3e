#pragma once
/// System colours without a windowing toolkit: the classic desktop scheme.
#include "runtime/Colors.h"

namespace zk {

/// The RGB value of a system colour index (the low byte of $FF0000xx) in the
/// classic desktop scheme; an index without a colour gives black.
TColor DefaultSystemColor(int Index) noexcept;

/// A negative colour (a system colour, high byte $FF) becomes the scheme
/// colour of index `Color & 0xFF`; any other value is returned unchanged, so
/// clNone stays $1FFFFFFF.
TColor ColorToRGB(TColor Color) noexcept;

} // namespace zk
