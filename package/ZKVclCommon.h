#pragma once
/// ZKVclCommon: the whole library behind one include.
#include "runtime/ZKRuntime.h"
#include "base/ZKCommon.h"
#include "canvas/ZKCanvas.h"
#include "canvas/qt/QtCanvas.h"
#include "graphics/ZKGraphics.h"
#include "vclgraphics/ZKVclGraphics.h"

namespace zk {
/// The package's description, as it names itself to a host.
inline constexpr const char* PackageDescription = "Zelkova Common Classes Library (VCL)";
/// The library version this header belongs to, "major.minor.patch".
const char* LibraryVersion() noexcept;
} // namespace zk
