#include "canvas/DeviceContext.h"

namespace zk {

bool BeginPath(HDC DC) {
  if (DC == nullptr) return false;
  // Opening a bracket discards any path still selected from an earlier one.
  DC->FPathState = TDeviceContext::TPathState::Open;
  DC->DcBeginPath();
  return true;
}

bool MoveToEx(HDC DC, int X, int Y, TPoint* Previous) {
  if (DC == nullptr) return false;
  if (Previous != nullptr) *Previous = DC->FPosition;
  DC->FPosition = {X, Y};
  DC->DcMoveTo(DC->FPosition);
  return true;
}

bool LineTo(HDC DC, int X, int Y) {
  if (DC == nullptr) return false;
  const TPoint From = DC->FPosition;
  DC->FPosition = {X, Y};
  DC->DcLineTo(From, DC->FPosition);
  return true;
}

bool PolyBezierTo(HDC DC, std::span<const TPoint> Points) {
  if (DC == nullptr || Points.size() % 3 != 0) return false;
  if (Points.empty()) return true;
  const TPoint From = DC->FPosition;
  DC->FPosition = Points.back();
  DC->DcPolyBezierTo(From, Points);
  return true;
}

bool CloseFigure(HDC DC) {
  if (DC == nullptr || DC->FPathState != TDeviceContext::TPathState::Open) return false;
  DC->DcCloseFigure();
  return true;
}

bool EndPath(HDC DC) {
  if (DC == nullptr || DC->FPathState != TDeviceContext::TPathState::Open) return false;
  DC->FPathState = TDeviceContext::TPathState::Closed;
  DC->DcEndPath();
  return true;
}

bool StrokePath(HDC DC) {
  if (DC == nullptr || DC->FPathState != TDeviceContext::TPathState::Closed) return false;
  DC->FPathState = TDeviceContext::TPathState::None;
  DC->DcStrokePath(false);
  return true;
}

bool StrokeAndFillPath(HDC DC) {
  if (DC == nullptr || DC->FPathState != TDeviceContext::TPathState::Closed) return false;
  DC->FPathState = TDeviceContext::TPathState::None;
  DC->DcStrokePath(true);
  return true;
}

int GetPolyFillMode(HDC DC) { return DC == nullptr ? 0 : DC->PolyFillMode(); }

int SetPolyFillMode(HDC DC, int Mode) {
  if (DC == nullptr || (Mode != ALTERNATE && Mode != WINDING)) return 0;
  const int Previous = DC->FPolyFillMode;
  DC->FPolyFillMode = Mode;
  if (Mode != Previous) DC->DcPolyFillModeChanged();
  return Previous;
}

} // namespace zk
