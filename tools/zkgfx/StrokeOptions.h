#pragma once
// The stroke style options of zkgfx, read in one place for every command
// that strokes: --width (or another name for the width, such as render's
// --stroke-width), --join, --cap, --miter-limit, --dash, --dash-offset and
// --tolerance.
#include <array>
#include <string_view>

#include "pathops/Stroke.h"
#include "tools/zkgfx/Command.h"

namespace zk::zkgfx {

/// The style options besides the width, for a command's list of known options.
inline constexpr std::array<std::string_view, 6> StrokeStyleOptions{
    "--join", "--cap", "--miter-limit", "--dash", "--dash-offset", "--tolerance"};

/// The style the options give (SVG's defaults for those not given: width 1,
/// miter, butt, limit 4, no dashes, tolerance 0.01), checked as the library
/// checks it. A bad value raises `UsageError` saying which option and why,
/// with the library's message where the library refuses the style.
TZKStroke StrokeFromOptions(const ParsedArguments& Parsed, std::string_view WidthOption = "--width");

/// The help lines that describe the style options, to join to a command's
/// help text as a string literal.
#define ZKGFX_STROKE_OPTIONS_HELP                                                        \
  "  --join miter|round|bevel   how segments meet (default miter)\n"                     \
  "  --cap butt|round|square    how open contours and dashes end (default butt)\n"       \
  "  --miter-limit M            miter length over width past which a corner is\n"        \
  "                             bevelled, as SVG counts it (default 4, at least 1)\n"    \
  "  --dash \"D1,G1,...\"         dash and gap lengths; an odd list is repeated\n"       \
  "  --dash-offset O            where in the pattern each contour starts (default 0)\n"  \
  "  --tolerance T              largest distance of the outline's curves from the\n"     \
  "                             true offsets (default 0.01)\n"

} // namespace zk::zkgfx
