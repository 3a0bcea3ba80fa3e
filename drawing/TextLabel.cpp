#include "drawing/TextLabel.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "base/HelperFunctions.h"
#include "drawing/TextLayout.h"
#include "geometry/Geometry.h"
#include "runtime/Exceptions.h"
#include "runtime/Rounding.h"
#include "runtime/ScopeExit.h"

namespace zk {

namespace {

std::int32_t TenthsOfDegree(float Angle) {
  if (!std::isfinite(Angle)) throw EInvalidOp("Invalid floating point operation");
  long double Tenths = static_cast<long double>(Angle) * 10;
  if (std::abs(Tenths) > std::numeric_limits<std::int32_t>::max())
    Tenths = std::fmod(Tenths, 3600.0L);
  return static_cast<std::int32_t>(HostRound(Tenths));
}

// Whether Reference reports Font as a TrueType font; its own font is put back.
bool IsTrueType(const TFont& Font, TCanvas& Reference) {
  TFont& Selected = Reference.Font();
  TFont Saved;
  Saved.Assign(&Selected);
  TScopeExit Restore([&] { Selected.Assign(&Saved); });
  Selected.Assign(&Font);
  TTextMetric Metrics;
  return GetTextMetricsW(Reference.Handle(), &Metrics) && (Metrics.tmPitchAndFamily & TMPF_TRUETYPE);
}

void RotateFont(TFont& Font, float Angle, TCanvas* Reference) {
  TLogFont Log;
  Log.lfHeight = Font.Height();
  Log.lfWidth = 0;
  Log.lfEscapement = Log.lfOrientation = TenthsOfDegree(Angle);
  const TFontStyles Style = Font.Style();
  Log.lfWeight = Style[fsBold] ? FW_BOLD : FW_NORMAL;
  Log.lfItalic = Style[fsItalic];
  Log.lfUnderline = Style[fsUnderline];
  Log.lfStrikeOut = Style[fsStrikeOut];
  Log.lfCharSet = Font.Charset();
  Log.lfPitchAndFamily = Font.Pitch() == fpVariable ? VARIABLE_PITCH
                         : Font.Pitch() == fpFixed  ? FIXED_PITCH
                                                    : DEFAULT_PITCH;
  Log.lfFaceName = ZKLowerCase(Font.Name()) == "default" ? TFontData().Name : Font.Name();
  if (Reference != nullptr && !IsTrueType(Font, *Reference)) Log.lfFaceName = "Arial";
  Font.SetHandle(CreateFontIndirectW(&Log));
}

} // namespace

void RotateFont(TFont& Font, float Angle, TCanvas& Reference) { RotateFont(Font, Angle, &Reference); }

void RotateFont(TFont& Font, float Angle) { RotateFont(Font, Angle, nullptr); }

void DrawTextLabel(TCanvas& Canvas, std::string_view Text, std::uint32_t Format, const TRect& Rect) {
  TRect R = Rect;
  TBrush& Brush = Canvas.Brush();
  TScopeExit Restore([&Brush, Style = Brush.Style()] { Brush.SetStyle(Style); });
  Brush.SetStyle(bsClear);
  if (((Format & DT_SINGLELINE) == 0 && (Format & DT_VCENTER) != 0) || (Format & DT_BOTTOM) != 0) {
    if (Format & DT_WORDBREAK) {
      const std::string Wrapped =
          WrapCanvasText(Canvas, Text, static_cast<float>(static_cast<std::int64_t>(R.Right) - R.Left));
      const std::int64_t H = HostRound(GetMultilineTextHeight(Canvas, Wrapped));
      const std::int64_t Top = (Format & DT_VCENTER) ? CanvasCenterPoint(R).Y - H / 2 : R.Bottom - H;
      R.Top = static_cast<std::int32_t>(std::clamp<std::int64_t>(
          Top, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
    } else {
      Format |= DT_SINGLELINE;
    }
  }
  DrawTextW(Canvas.Handle(), Text, R, Format);
}

} // namespace zk
