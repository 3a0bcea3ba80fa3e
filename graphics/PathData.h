#pragma once
/// TZKPathData: the library's vector path, an ordered list of move, line,
/// cubic-curve and close entries with a fill mode, a number format for its
/// text form and a change notification.
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "graphics/PathTypes.h"
#include "runtime/Events.h"
#include "runtime/Persistent.h"
#include "runtime/Records.h"

namespace zk {

class TZKPathData;

/// The picture path numbers are written with unless a path says otherwise:
/// up to nine decimals, no trailing zeros.
inline constexpr const char* DefaultPathFormat = "0.#########";

/// A class reference: makes a new, empty path of one path class.
using TZKPathDataClass = std::unique_ptr<TZKPathData> (*)();

/// The class reference of path class T.
template <class T>
std::unique_ptr<TZKPathData> CreatePathOfClass() {
  return std::make_unique<T>();
}

class TZKPathData : public TPersistent {
public:
  /// Distances along each polygon of the path, one array per polygon.
  using TDistances = std::vector<TSingleDynArray>;

  /// A new path: no entries, `fmEvenOdd`, the format "0.#########", start
  /// point (0, 0), no handler. Allocates nothing.
  TZKPathData();
  ~TZKPathData() override;
  TZKPathData(const TZKPathData&) = delete;
  TZKPathData& operator=(const TZKPathData&) = delete;

  std::string ClassName() const override { return "TZKPathData"; }

  /// The class of this object; descendants return their own so that `Clone`
  /// makes an object of the same class.
  virtual TZKPathDataClass ClassType() const { return &CreatePathOfClass<TZKPathData>; }

  /// A new path of the same class holding a copy of this one (through its
  /// `Assign`). The caller owns it.
  std::unique_ptr<TZKPathData> Clone() const;

  /// From a path (or descendant): copies the entries, fill mode and format,
  /// calls `Change`, then copies the measurement caches (length, distances,
  /// polygons) so a measured source stays measured. `OnChanged`, the update
  /// count and the figure start point are not copied. Any other source is
  /// asked to assign itself, and raises `EConvertError` if it cannot.
  void Assign(const TPersistent* Source) override;

  /// Appends Source's entries after this path's and calls `Change` once; this
  /// path keeps its fill mode, format and figure start. An empty path assigns
  /// Source instead (so fill mode, format and caches come from Source).
  /// Appending a path to itself doubles it.
  virtual void Append(const TZKPathData& Source);

  // ---- Notification ------------------------------------------------------

  /// Called with this path after every modification that is not inside an
  /// update bracket, after the caches were dropped.
  TNotifyEvent OnChanged;

  /// Opens an update bracket: modifications notify nothing until the matching
  /// `EndUpdate`. Brackets nest; the caller keeps them balanced (the counter
  /// is not clamped).
  void BeginUpdate() noexcept;
  /// Closes an update bracket; the one that brings the counter back to 0
  /// calls `Change` once, even if nothing was modified.
  void EndUpdate();

  // ---- Reading -----------------------------------------------------------

  int Count() const noexcept { return static_cast<int>(FPathData.size()); }
  /// The entry at AIndex, by value. Outside 0..Count-1 raises `ERangeError`.
  TZKPathPoint Points(int AIndex) const;
  /// All entries, for fast read-only iteration; valid until the next change.
  std::span<const TZKPathPoint> Entries() const noexcept { return FPathData; }
  /// The point of the last entry; (0, 0) for a path without entries.
  TPointF LastPoint() const noexcept;

  TZKFillMode FillMode() const noexcept { return FFillMode; }
  /// Stores a different fill mode and calls `Change`; the same mode does
  /// nothing.
  void SetFillMode(TZKFillMode Value);

  /// The float format picture numbers are written with ("0.#########").
  const std::string& FormatStr() const noexcept { return FFormatStr; }
  /// Tries the picture on 123.45 first: an unusable picture raises the
  /// formatter's `EConvertError` and the format stays. Never notifies.
  void SetFormatStr(const std::string& Value);
  /// True when the format differs from the default and must be streamed.
  bool IsFormatStrStored() const noexcept;

  // ---- Building ----------------------------------------------------------
  // Each appends at the end and calls `Change` once. C is `LastPoint` before
  // the call; relative forms add their offsets to C.

  /// Clears the entries and calls `Change`. Fill mode, format and the figure
  /// start point stay.
  void Clear();
  /// Starts a figure at P (which `ClosePath` will return to).
  void MoveTo(const TPointF& P);
  void MoveToRel(const TPointF& P);
  void LineTo(const TPointF& P);
  void LineToRel(const TPointF& P);
  /// A line to (X, C.Y); on an empty path C is (0, 0).
  void HLineTo(float X);
  void HLineToRel(float X);
  /// A line to (C.X, Y); on an empty path C is (0, 0).
  void VLineTo(float Y);
  void VLineToRel(float Y);
  /// A cubic Bezier segment: three `ppCurveTo` entries.
  void CurveTo(const TPointF& ControlPoint1, const TPointF& ControlPoint2, const TPointF& EndPoint);
  /// As `CurveTo` with all three points relative to the same C.
  void CurveToRel(const TPointF& ControlPoint1, const TPointF& ControlPoint2, const TPointF& EndPoint);
  /// A quadratic Bezier segment, stored as the equal cubic:
  /// Q1 = C/3 + 2*Control/3, Q2 = 2*Control/3 + End/3.
  void QuadCurveTo(const TPointF& ControlPoint, const TPointF& EndPoint);
  /// A cubic whose first control point reflects the previous cubic's second
  /// control point about C (any previous cubic: also one made from a
  /// quadratic or an arc); C itself when the last entry is not a curve.
  void SmoothCurveTo(const TPointF& ControlPoint2, const TPointF& EndPoint);
  void SmoothCurveToRel(const TPointF& ControlPoint2, const TPointF& EndPoint);
  /// Closes the figure: a `ppClose` entry holding the figure's start point
  /// (the last `MoveTo` target, or (0, 0) if there was none).
  void ClosePath();

  /// A figure through the points: a move, lines to every following point,
  /// and a close when the last point equals the first. An empty array does
  /// nothing at all; otherwise one `Change`.
  void AddPolygon(const TCanvasPoints& Poly);
  /// As above, but a closed polygon (last point exactly equal to the first)
  /// gets no line back to its start before the close.
  void AddPolygon(const TZKPoints& Poly);
  /// `AddPolygon` for each polygon, in one update (one `Change`, also for an
  /// empty list).
  void AddPolygons(const TPointPolygons& Poly);
  void AddPolygons(const TZKPolygons& Poly);
  /// A closed figure along the rectangle: top-left, top-right, bottom-right,
  /// bottom-left, close.
  void AddRectangle(const TRectF& ARect);

  // ---- Text: the path as SVG path data (PathText.cpp) ---------------------

  // ---- Arcs, ellipses and rounded rectangles (PathArcs.cpp) ----------------

  // ---- Bounds, transforms and flattening (PathGeometry.cpp) ----------------

  // ---- Hit testing and outlines (PathHitTest.cpp) --------------------------

  // ---- Measurement and splitting (PathMeasure.cpp) -------------------------

  // ---- Streaming (PathStream.cpp) and drawing (PathRender.cpp) -------------

protected:
  /// Drops the caches (bounds, length, polygons, distances) and calls
  /// `OnChanged`, unless an update bracket is open. Descendants override it
  /// to react to every modification.
  virtual void Change();

private:
  void Push(TZKPathPointKind Kind, const TPointF& P);
  template <class PolygonList> void AddPolygonsOf(const PolygonList& Poly);

  std::int32_t FUpdateCount = 0;
  TZKFillMode FFillMode = fmEvenOdd;
  double FLength = 0;            // cached total length; 0 = not measured
  TZKPolygons FPolygons;         // cache of ToPolygons, valid while FLength > 0
  TDistances FDistances;         // cache of the distances, valid while FLength > 0
  std::string FFormatStr;
  TPointF FStartPoint;           // start of the current figure, for ClosePath
  std::vector<TZKPathPoint> FPathData;
  bool FRecalcBounds = true;
  TRectF FBounds;
};

/// Holds an update bracket open for its lifetime: `BeginUpdate` now,
/// `EndUpdate` when it goes out of scope, also when an exception passes (the
/// bracket is then closed and notifies, but a handler's own exception is
/// dropped so that the first one keeps travelling).
class TZKPathUpdate {
public:
  explicit TZKPathUpdate(TZKPathData& Path) noexcept;
  ~TZKPathUpdate() noexcept(false);
  TZKPathUpdate(const TZKPathUpdate&) = delete;
  TZKPathUpdate& operator=(const TZKPathUpdate&) = delete;

private:
  TZKPathData& FPath;
  int FUncaught;
};

} // namespace zk
