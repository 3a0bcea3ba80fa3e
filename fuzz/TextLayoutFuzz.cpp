// Any bytes as UTF-8 text (after two bytes that pick a width and an angle):
// wrap, measure, turn and label it on the recording canvas. Nothing may
// trip a sanitizer, wrapping only ever adds breaks, and a width nothing
// reaches leaves the text as it was.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

#include "canvas/RecordingCanvas.h"
#include "drawing/TextLabel.h"
#include "drawing/TextLayout.h"

namespace {

void Check(bool Condition) {
  if (!Condition) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  using namespace zk;
  if (Size < 2) return 0;
  const float MaxWidth = static_cast<float>(Data[0]) * 2;
  const int Angle = static_cast<int>(Data[1]) * 3 - 360;
  const std::string_view Text(reinterpret_cast<const char*>(Data + 2), Size - 2);
  TRecordingCanvas Canvas;

  const std::string Wrapped = WrapCanvasText(Canvas, Text, MaxWidth);
  Check(Wrapped.size() >= Text.size());
  Check(WrapCanvasText(Canvas, Text, std::numeric_limits<float>::infinity()) == Text);
  const std::string Marked = WrapCanvasText(Canvas, Text, "|", MakeCharSet(",;"), MaxWidth);
  Check(Marked.size() >= Text.size());

  Check(GetMultilineTextHeight(Canvas, Wrapped) >= 0);
  TPoint Offset;
  const TSize Size2 = GetRotatedTextExtent(Canvas, Angle, Text, Offset);
  Check(Size2.cx >= 0 && Size2.cy >= 0);
  TPointF OffsetF;
  (void)GetRotatedTextExtent(Canvas, Angle, Text, OffsetF);

  DrawTextLabel(Canvas, Text, DT_BOTTOM | DT_WORDBREAK, {0, 0, static_cast<int>(MaxWidth), 300});
  DrawTextLabel(Canvas, Text, DT_VCENTER, {0, 0, 50, 50});
  return 0;
}
