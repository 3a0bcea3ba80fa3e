#include "canvas/DeviceContext.h"

namespace zk {

bool BeginPath(HDC DC) {
  if (DC == nullptr) return false;
  // Opening a bracket discards any path still selected from an earlier one.
  DC->FPathState = TDeviceContext::TPathState::Open;
  DC->DcCall(dc::TBeginPath{});
  return true;
}

bool MoveToEx(HDC DC, int X, int Y, TPoint* Previous) {
  if (DC == nullptr) return false;
  if (Previous != nullptr) *Previous = DC->FPosition;
  DC->FPosition = {X, Y};
  DC->DcCall(dc::TMoveTo{DC->FPosition});
  return true;
}

bool LineTo(HDC DC, int X, int Y) {
  if (DC == nullptr) return false;
  const TPoint From = DC->FPosition;
  DC->FPosition = {X, Y};
  DC->DcCall(dc::TLineTo{From, DC->FPosition});
  return true;
}

bool PolyBezierTo(HDC DC, std::span<const TPoint> Points) {
  if (DC == nullptr || Points.size() % 3 != 0) return false;
  if (Points.empty()) return true;
  const TPoint From = DC->FPosition;
  DC->FPosition = Points.back();
  DC->DcCall(dc::TPolyBezierTo{From, Points});
  return true;
}

bool CloseFigure(HDC DC) {
  if (DC == nullptr || DC->FPathState != TDeviceContext::TPathState::Open) return false;
  DC->DcCall(dc::TCloseFigure{});
  return true;
}

bool EndPath(HDC DC) {
  if (DC == nullptr || DC->FPathState != TDeviceContext::TPathState::Open) return false;
  DC->FPathState = TDeviceContext::TPathState::Closed;
  DC->DcCall(dc::TEndPath{});
  return true;
}

bool StrokePath(HDC DC) {
  if (DC == nullptr || DC->FPathState != TDeviceContext::TPathState::Closed) return false;
  DC->FPathState = TDeviceContext::TPathState::None;
  DC->DcCall(dc::TStrokePath{false});
  return true;
}

bool StrokeAndFillPath(HDC DC) {
  if (DC == nullptr || DC->FPathState != TDeviceContext::TPathState::Closed) return false;
  DC->FPathState = TDeviceContext::TPathState::None;
  DC->DcCall(dc::TStrokePath{true});
  return true;
}

int GetPolyFillMode(HDC DC) { return DC == nullptr ? 0 : DC->PolyFillMode(); }

int SetPolyFillMode(HDC DC, int Mode) {
  if (DC == nullptr || (Mode != ALTERNATE && Mode != WINDING)) return 0;
  const int Previous = DC->FPolyFillMode;
  DC->FPolyFillMode = Mode;
  if (Mode != Previous) DC->DcCall(dc::TPolyFillModeChanged{Mode});
  return Previous;
}

bool GradientFill(HDC DC, std::span<const TTriVertex> Vertices,
                  std::span<const TGradientTriangle> Triangles, std::uint32_t Mode) {
  if (DC == nullptr || Mode != GRADIENT_FILL_TRIANGLE || Vertices.empty() || Triangles.empty())
    return false;
  const std::size_t Count = Vertices.size();
  for (const TGradientTriangle& T : Triangles)
    if (T.Vertex1 >= Count || T.Vertex2 >= Count || T.Vertex3 >= Count) return false;
  DC->DcCall(dc::TGradientFill{Vertices, Triangles});
  return true;
}

int DrawTextW(HDC DC, std::string_view Text, const TRect& Rect, std::uint32_t Format) {
  if (DC == nullptr || Text.empty()) return 0;
  int Height = 0;
  DC->DcCall(dc::TDrawText{Text, Rect, Format, &Height});
  return Height;
}

bool GetTextMetricsW(HDC DC, TTextMetric* Metrics) {
  if (DC == nullptr || Metrics == nullptr) return false;
  TTextMetric Result;
  DC->DcCall(dc::TGetTextMetrics{&Result});
  *Metrics = Result;
  return true;
}

} // namespace zk
