#pragma once
/// Floating-point drawing on a canvas: lines, polygons and polylines whose
/// points are rounded to the canvas, and paths.
#include "canvas/Canvas.h"
#include "runtime/Records.h"

namespace zk {

class TZKPathData;

/// Extension operations on a canvas it refers to (and does not own). Points
/// are rounded by `ZKPointToPoint` (nearest, halves to even; NaN, infinite or
/// beyond the 64-bit range raise `EInvalidOp` before anything is drawn).
class TVclCanvasHelper {
public:
  /// A helper drawing on Canvas, which must outlive it; nothing on the
  /// canvas changes until an operation is called.
  explicit TVclCanvasHelper(TCanvas& Canvas) noexcept : FCanvas(Canvas) {}

  /// Canvas `MoveTo`(P1 rounded), then `LineTo`(P2 rounded).
  void DrawLine(const TPointF& P1, const TPointF& P2);
  /// Canvas `MoveTo`(P1), then `LineTo`(P2).
  void DrawLine(const TPoint& P1, const TPoint& P2);
  /// Canvas `Polygon` of the rounded points (also for an empty list).
  void Polygon(const TZKPoints& Points);
  /// Canvas `Polyline` of the rounded points (also for an empty list).
  void Polyline(const TZKPoints& Points);
  /// `Path.DrawPath(canvas, Opacity)`: outline only.
  void DrawPath(const TZKPathData& Path, float Opacity);
  /// `Path.FillPath(canvas, Opacity)`: fill and outline.
  void FillPath(const TZKPathData& Path, float Opacity);

  ///@{
  /// The canvas pen's width.
  int PenWidth() const noexcept { return FCanvas.Pen().Width(); }
  void SetPenWidth(int Value) { FCanvas.Pen().SetWidth(Value); }
  ///@}

  /// The canvas the helper draws on, as given to the constructor.
  TCanvas& Canvas() const noexcept { return FCanvas; }

private:
  TCanvas& FCanvas;
};

} // namespace zk
