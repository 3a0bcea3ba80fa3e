#pragma once
/// Measuring, wrapping and turning text on a canvas, in the canvas's font.
/// Text is UTF-8; positions and lengths count Unicode characters, so a word
/// is never cut inside a character.
#include <string>
#include <string_view>

#include "base/HelperFunctions.h"
#include "canvas/Canvas.h"

namespace zk {

/// The canvas's text height of the whole Text, once per line: h * (1 + the
/// number of line feeds), accumulated in `float` by adding h per line feed.
float GetMultilineTextHeight(TCanvas& Canvas, std::string_view Text);

/// The break characters of the default wrapping: tab, space and '-'.
TCharSet DefaultWrapBreakChars();

/// Text with BreakStr inserted where the next word would reach MaxWidth.
///
/// A word runs from its first character to the next break character or line
/// feed; a quoted phrase ('...' or "...", closed by either quote) belongs to
/// the word whole, and the break characters and then the line feeds after
/// it belong to it too, so a line keeps its trailing blank or hyphen. A word
/// is never split: one wider than MaxWidth stands alone, and the first word
/// of a line never gets a break before it. A word ending in CR LF starts a
/// new line without a break. The last character of Text is appended
/// unmeasured (it never joins a word). Linear in the length of Text.
///
/// Wrapping «aaa bbb» with MaxWidth no greater than the width of «aaa » plus
/// that of «bb» gives «aaa », BreakStr, «bbb».
std::string WrapCanvasText(TCanvas& Canvas, std::string_view Text, std::string_view BreakStr,
                           const TCharSet& BreakChars, float MaxWidth);
/// The same with BreakStr CR LF and `DefaultWrapBreakChars`.
std::string WrapCanvasText(TCanvas& Canvas, std::string_view Text, float MaxWidth);

/// A width and height in `float` pixels (0 x 0 by default).
struct TSizeF {
  float cx = 0;  ///< the width in pixels
  float cy = 0;  ///< the height in pixels
  friend constexpr bool operator==(const TSizeF&, const TSizeF&) = default;
};

/// The box that holds Text turned by Angle degrees, and in Offset where its
/// start goes in that box. With W, H the text's size, c = cos(a) * W and s =
/// sin(a) * W (rounded to integers in this form): width |c| + 2H, height
/// |s| + 2H; Offset.X = width - H when c < 0, else H; Offset.Y = H when s <
/// 0, else height - H when c < 0, else height - H - H div 2. Angle 0 gives
/// the plain size and Offset (0, 0). Sizes beyond the 32-bit range are
/// clamped to it.
TSize GetRotatedTextExtent(TCanvas& Canvas, int Angle, std::string_view Text, TPoint& Offset);
/// The same in `float`, c and s unrounded and H / 2 not truncated; W and H
/// are the canvas's text width and text height.
TSizeF GetRotatedTextExtent(TCanvas& Canvas, int Angle, std::string_view Text, TPointF& Offset);

} // namespace zk
