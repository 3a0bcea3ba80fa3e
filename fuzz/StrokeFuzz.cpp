// Any bytes as a stroke style and SVG path data: the style's numbers first
// (width, join, cap, miter limit, tolerance, dash offset, up to eight dash
// entries, any floats, bad ones included), the rest as path text. The
// outline and the hit test must not crash, every outline point must be
// finite, the outline must stay within 2^20 entries, and a refusal must be
// one of the documented exceptions. Run with -rss_limit_mb=2048.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "path/PathData.h"
#include "pathops/Stroke.h"

namespace {

float TakeFloat(const std::uint8_t*& Data, std::size_t& Size, float Default) {
  if (Size < 4) return Default;
  float V;
  std::memcpy(&V, Data, 4);
  Data += 4;
  Size -= 4;
  return V;
}

std::uint8_t TakeByte(const std::uint8_t*& Data, std::size_t& Size) {
  if (Size == 0) return 0;
  --Size;
  return *Data++;
}

void Check(bool Condition) {
  if (!Condition) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  zk::TZKStroke Stroke;
  const std::uint8_t Kinds = TakeByte(Data, Size);
  Stroke.Join = static_cast<zk::TZKLineJoin>(Kinds % 3);
  Stroke.Cap = static_cast<zk::TZKLineCap>(Kinds / 3 % 3);
  Stroke.Width = TakeFloat(Data, Size, 1);
  Stroke.MiterLimit = TakeFloat(Data, Size, 4);
  // Mostly usable tolerances, so that the fuzzer spends its time stroking.
  Stroke.Tolerance = (Kinds & 0x80) ? TakeFloat(Data, Size, 0.01f) : 0.01;
  Stroke.DashOffset = TakeFloat(Data, Size, 0);
  for (int I = TakeByte(Data, Size) % 9; I > 0; --I) Stroke.Dashes.push_back(TakeFloat(Data, Size, 1));
  zk::TZKPathData Path;
  Path.SetPathString(std::string_view(reinterpret_cast<const char*>(Data), Size), zk::TZKPathSyntax::Svg);
  try {
    const auto Outline = zk::StrokeOutline(Path, Stroke);
    Check(Outline->Count() <= zk::MaxResultEntries);
    for (const zk::TZKPathPoint& E : Outline->Entries())
      Check(std::isfinite(float(E.Point.X)) && std::isfinite(float(E.Point.Y)));
    const zk::TZKStrokeHitTest Hit(Path, Stroke);
    const zk::TRectF Box = Path.GetBounds();
    for (int I = 0; I <= 4; ++I)
      (void)Hit.Contains({Box.Left + (Box.Right - Box.Left) * I / 4.0, Box.Top + (Box.Bottom - Box.Top) * I / 4.0});
  } catch (const zk::EInvalidStroke&) {
  } catch (const zk::EResultTooLarge&) {
  } catch (const zk::EOverflow&) {
  }
  return 0;
}
