#pragma once
/// TZKPathData: the library's vector path, an ordered list of move, line,
/// cubic-curve and close entries with a fill mode, a number format for its
/// text form and a change notification.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "path/PathTypes.h"
#include "runtime/Events.h"
#include "runtime/Persistent.h"
#include "runtime/Records.h"
#include "runtime/Streams.h"

namespace zk {

class TCanvas;
class TZKPathData;

/// The picture path numbers are written with unless a path says otherwise:
/// up to nine decimals, no trailing zeros.
inline constexpr const char* DefaultPathFormat = "0.#########";

/// How path text is read.
///
/// - `Compatible`: the library's long-standing reading, which stored texts
///   rely on. It reflects the last cubic for "S" after any curve (also after
///   an arc or a quadratic), makes an arc whose end points are exactly equal
///   a whole ellipse standing on that point, ends on a "+" sign, drops a
///   command it cannot read and goes on with the next.
/// - `Svg`: the SVG 2 path data grammar and its error rule. Numbers may carry
///   a "+" sign, also in the exponent; "S"/"s" reflect only after "C", "c",
///   "S", "s" and "T"/"t" only after "Q", "q", "T", "t" (otherwise the
///   control point is the current point); an arc whose end points are equal
///   is left out and one with a zero radius is a straight line to its end;
///   arc flags are the single characters "0" and "1"; pairs after a move are
///   lines; a drawing command after "Z" starts a new figure (an explicit move
///   is added) at the closed figure's start. The text must begin with a move.
///   The first error ends the reading: every segment read before it stays,
///   the segment it occurs in and everything after it are left out.
///
/// Both readings write the same text back (`GetPathString`), and both close
/// a path that ends on a move.
enum class TZKPathSyntax : std::uint8_t { Compatible, Svg };

/// How the writer puts numbers into path text.
enum class TZKPathNumbers : std::uint8_t {
  /// In the path's `FormatStr` ("0.#########" unless set): the form stored
  /// files and callers know, which shows a Single's binary noise
  /// ("4.750000477").
  Format,
  /// Each number as the shortest text that reads back as the same Single
  /// (the form `std::to_chars` gives a float: "4.7500005", "1e-7"; an
  /// exponent without "+" or leading zeros, so both readings take it); "-0"
  /// stays "-0". Reading the text back gives exactly the same entries.
  Shortest
};

/// Where a reading of path text ended.
struct TZKPathTextRead {
  /// The 0-based offset of the first character the reading did not take: the
  /// size of the text when it took all of it. The compatible reading stops
  /// only where neither a command letter nor a number starts (a command it
  /// skipped does not show here); the SVG reading stops at the start of the
  /// segment (its command letter, or its first number when the command is
  /// repeated) in which the first error occurred.
  std::size_t StopPos = 0;
  /// StopPos is the size of the text.
  bool Complete = true;
};

/// A class reference: makes a new, empty path of one path class.
using TZKPathDataClass = std::unique_ptr<TZKPathData> (*)();

/// The class reference of path class T.
template <class T>
std::unique_ptr<TZKPathData> CreatePathOfClass() {
  return std::make_unique<T>();
}

/// The vector path: an ordered list of move, line, cubic-curve and close
/// entries in single precision, with a fill mode, a number format for its text
/// and a change notification.
///
/// Built by calls (`MoveTo`, `LineTo`, `CurveTo`, `AddEllipse`, ...) or
/// parsed from SVG path data (`SetPathString`); written back as text
/// (`GetPathString`), flattened, measured, hit-tested, transformed, streamed
/// and drawn on a canvas. Not copyable: functions that make paths return
/// `std::unique_ptr<TZKPathData>`, and `Assign` copies one path into another.
/// Every effective change calls `OnChanged` once, or once per
/// `BeginUpdate`/`EndUpdate` bracket.
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

  /// The number of entries (a curve counts three).
  int Count() const noexcept { return static_cast<int>(FPathData.size()); }
  /// The entry at AIndex, by value. Outside 0..Count-1 raises `ERangeError`.
  TZKPathPoint Points(int AIndex) const;
  /// All entries, for fast read-only iteration; valid until the next change.
  std::span<const TZKPathPoint> Entries() const noexcept { return FPathData; }
  /// The point of the last entry; (0, 0) for a path without entries.
  TPointF LastPoint() const noexcept;

  /// How the path fills when drawn: `fmEvenOdd` (the default) or `fmNonZero`.
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
  /// Starts a figure at C + P.
  void MoveToRel(const TPointF& P);
  /// A straight segment to P.
  void LineTo(const TPointF& P);
  /// A straight segment to C + P.
  void LineToRel(const TPointF& P);
  /// A line to (X, C.Y); on an empty path C is (0, 0).
  void HLineTo(float X);
  /// A line to (C.X + X, C.Y).
  void HLineToRel(float X);
  /// A line to (C.X, Y); on an empty path C is (0, 0).
  void VLineTo(float Y);
  /// A line to (C.X, C.Y + Y).
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
  /// As `SmoothCurveTo` with both points relative to C.
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
  /// `AddPolygon` for each single-precision polygon, in one update.
  void AddPolygons(const TZKPolygons& Poly);
  /// A closed figure along the rectangle: top-left, top-right, bottom-right,
  /// bottom-left, close.
  void AddRectangle(const TRectF& ARect);

  // ---- Text: the path as SVG path data (PathText.cpp) ---------------------

  /// The path as SVG path data: absolute "M", "L", "C" and "Z" commands only,
  /// each followed by a blank ("M10,20 L30.5,20 Z "), numbers written with
  /// `FormatStr` under `USFormatSettings`. A trailing run of fewer than three
  /// curve entries (possible only from streamed data) is left out.
  std::string GetPathString() const;
  /// As `GetPathString()`, the numbers written as Numbers says.
  std::string GetPathString(TZKPathNumbers Numbers) const;
  /// Replaces the whole path by the path data in Value, inside one update
  /// bracket (one `Change`, also for an empty text). Never raises for any
  /// text: a command that cannot be read (a malformed number, a number beyond
  /// the range of a Single, an arc that cannot be made) is dropped, keeping
  /// what it appended before the failure, and the first character that is
  /// neither a command letter nor the start of a number ends parsing quietly.
  /// Tabs, line breaks and blanks separate alike. Numbers are compact as in
  /// SVG ("10-5" is two numbers, "1.5.5" is 1.5 and .5); a "+" sign ends
  /// parsing. Numbers after a command repeat it (after "M" they are lines,
  /// also when they start with "."). A path that ends on a move is closed.
  void SetPathString(std::string_view Value);
  /// As `SetPathString(Value)`, read as Syntax says, and tells where the
  /// reading stopped. Never raises for any text; one `Change`.
  TZKPathTextRead SetPathString(std::string_view Value, TZKPathSyntax Syntax);
  /// Appends the path data parsed on its own, so relative commands at its
  /// start are relative to (0, 0), not to this path's last point.
  void Append(std::string_view PathString);
  /// As `Append(PathString)`, read as Syntax says; tells where the reading
  /// stopped.
  TZKPathTextRead Append(std::string_view PathString, TZKPathSyntax Syntax);
  /// The entries as absolute path text ("M", "L", "C" with the coordinates
  /// in `FormatStr`, "Z"; each entry followed by a blank), with Delimiter
  /// after each entry that brings the current line past Len characters (the
  /// delimiter is not counted). Lines break only between entries; Len <= 0
  /// puts the delimiter after every entry. An empty path gives "".
  std::string SplitDataByLength(int Len, const std::string& Delimiter) const;
  /// As `SplitDataByLength(Len, Delimiter)`, the numbers written as Numbers
  /// says.
  std::string SplitDataByLength(int Len, const std::string& Delimiter, TZKPathNumbers Numbers) const;
  template <bool Strict>
  friend class TZKPathTextParser;

  // ---- Arcs, ellipses and rounded rectangles (PathArcs.cpp) ----------------

  // Angles are degrees; a point at angle a on an ellipse of centre C and radii
  // R is (C.X + R.X cos a, C.Y + R.Y sin a), so on a y-down canvas growing
  // angles turn clockwise. Every point is computed before anything is
  // appended, so a failure leaves the path as it was; the entries then go in
  // through `MoveTo`, `LineTo`, `CurveTo` and `ClosePath`, each of which
  // notifies as usual (bracket the call with `BeginUpdate`/`EndUpdate`, or
  // `TZKPathUpdate`, to be notified once).

  /// The ellipse inscribed in ARect: a move to the middle of the left edge and
  /// four quarter curves (control points at `EllipseKappa` of the radius)
  /// over the top, right and bottom back to it, clockwise on screen. The
  /// figure ends on its start point and is not closed.
  void AddEllipse(const TRectF& ARect);
  /// A closed figure along ARect whose corners in ACorners take the shape
  /// ACornerType with radii XRadius, YRadius; the other corners are square.
  /// Radii above half the side are reduced to half the side; negative radii
  /// are used as given. The figure is a move to (Left, Top + YRadius), each
  /// corner followed by the straight edge to the next (zero-length pieces
  /// are kept, so a square-cornered figure always has 13 entries), and a
  /// close. A radius of 0 on a reversed side (Right < Left or Bottom < Top),
  /// or an infinite radius that must be reduced, raises `EInvalidOp` before
  /// anything is appended.
  void AddRectangle(const TRectF& ARect, float XRadius, float YRadius, TZKCorners ACorners,
                    TZKCornerType ACornerType);
  /// The arc of the ellipse (Center, Radius) from StartAngle over SweepAngle
  /// degrees (negative: counter-clockwise on screen), as cubic pieces of at
  /// most a quarter turn (the last may be 0.01 radian longer). It is joined by
  /// a line from the current point, or starts with a move on an empty path.
  /// The sweep is clamped to one turn; a sweep below `ArcSweepEpsilon` radians
  /// adds nothing and does not notify. A start angle that is not finite or
  /// beyond 2^63 turns, or a non-finite centre, radius or sweep, raises
  /// `EInvalidOp`, and a point beyond float `EOverflow`, before anything is
  /// appended.
  void AddArc(const TPointF& Center, const TPointF& Radius, float StartAngle, float SweepAngle);

protected:
  /// The SVG elliptic arc from StartPoint, which must be the current point, to
  /// EndPoint with radii Radius (used by magnitude, grown when too small to
  /// reach), the ellipse's x axis turned by XAxisRotation degrees, and the
  /// large-arc and sweep flags of SVG (Sweep: clockwise on screen). Appends
  /// curves only, continuing the current figure. End points exactly equal
  /// give instead a new figure: the ellipse (StartPoint.X -+ Radius.X,
  /// StartPoint.Y - 2 Radius.Y .. StartPoint.Y) standing on StartPoint. With
  /// distinct end points, a zero radius raises `EZeroDivide` (`EInvalidOp`
  /// when the points differ only across the zero axis), non-finite input
  /// `EInvalidOp` and a point beyond float `EOverflow`, before anything is
  /// appended.
  void AddArcSvg(const TPointF& StartPoint, const TPointF& Radius, float XAxisRotation,
                 bool LargeArc, bool Sweep, const TPointF& EndPoint);
  /// As `AddArc`, but appends the curves only, continuing from the current
  /// point.
  void AddArcSvgPart(const TPointF& Center, const TPointF& Radius, float StartAngle,
                     float SweepAngle);
  friend TZKPathData& Arc(TZKPathData& Path, double StartAngle, double EndAngle,
                          double InnerRadius, double OuterRadius, double AngleOffset);

public:

  // ---- Bounds, transforms and flattening (PathGeometry.cpp) ----------------

  /// The box of every point of every entry except closes: control points
  /// count, so a curve gets the box of its control polygon. The search starts
  /// from (65535, 65535, -65535, -65535), not from the first point, so a path
  /// of closes only answers that rectangle and a path wholly right of 65535
  /// has Left = 65535. A zero width or height is padded by 0.001 (in Single,
  /// so the padding vanishes from magnitude 32768 on). No entries: (0, 0, 0,
  /// 0). Cached until the next change.
  TRectF GetBounds();
  /// True without entries, or when the bounds' width times height is 0 (a
  /// point or an axis-parallel line is not empty, thanks to the padding,
  /// unless it lies at a coordinate of magnitude 32768 or more).
  bool IsEmpty();
  /// Multiplies every point by (scaleX, scaleY); a close keeps its stored
  /// point. One `Change`; an empty path is left alone and does not notify.
  void Scale(float scaleX, float scaleY);
  /// Adds (dX, dY) to every point; a close keeps its stored point. One
  /// `Change`; an empty path does not notify.
  void Translate(float dX, float dY);
  /// Maps the bounds onto ARect, each axis scaled on its own (the aspect ratio
  /// is not kept; a reversed ARect mirrors). Does nothing when the bounds
  /// have no width or height (an empty path).
  void FitToRect(const TRectF& ARect);
  /// Transforms every point as the row vector (X, Y, 1) times M, dropping the
  /// third component (no perspective division); a close keeps its stored
  /// point. One `Change`; an empty path does not notify.
  void ApplyMatrix(const TMatrix& M);
  /// Replaces every cubic curve by straight lines about Flatness path units
  /// long (at least 0.05; at most a million per curve, and at most
  /// `MaxFlattenedEntries` entries for the whole path, past which every
  /// curve is cut into evenly fewer pieces), re-adding the entries
  /// through the building operations, each of which notifies, then one more
  /// `Change`: bracket the call to be notified once. The first line of a curve
  /// repeats its start point; a curve shorter than 1.5 pieces, or of
  /// non-finite length, becomes one line to its end. A curve that opens the
  /// path starts at the origin. An empty path is left alone.
  void Flatten(float Flatness);
  /// The path flattened as `Flatten` would, into one flat list of points in
  /// which `ZKClosePolygon` separates sub-paths (a closed sub-path ends with
  /// its start point and the marker). A point equal to the one before it is
  /// not repeated. Bounded as `Flatten` is. Returns the size of the bounds (about 0.001 along an axis
  /// without extent); (0, 0) and an empty list for an empty path. The entries
  /// are not changed.
  TPointF FlattenToPolygon(TZKPoints& Polygon, float Flatness);
  /// One polygon per sub-path: moves start one, lines add their point, closes
  /// repeat the first point and end it, and each curve adds the Catmull-Rom
  /// spline through its start, both control points and its end, sampled about
  /// one unit apart (not the Bezier curve). A curve that opens the path starts
  /// at the origin. Curves that would give more than `MaxFlattenedEntries`
  /// samples in all are sampled with evenly longer steps (so are the length
  /// and the fill hit test, which walk the same points without storing them).
  /// Recomputed on every call until the path has been measured
  /// (`GetLength`), then answered from the cache until the next change; the
  /// reference stays valid until then.
  const TZKPolygons& ToPolygons();
  /// Same as `ToPolygons`.
  const TZKPolygons& Polygons() { return ToPolygons(); }

  // ---- Hit testing and outlines (PathHitTest.cpp) --------------------------

  /// Appends the outline of P's stroke: one closed rectangle StrokeWidth wide
  /// around each straight segment of P flattened at 0.25 (closing edges
  /// included), no joins or caps. P itself (which may be this path) is not
  /// changed; this path notifies once. Nothing happens when P has fewer than
  /// two entries.
  void AddPathOutline(const TZKPathData& P, float StrokeWidth);
  /// True when P lies in one of the rectangles `AddPathOutline` would make
  /// for this path, by the even-odd test of each rectangle on its own (the
  /// polygon test's boundary rule applies). A path of fewer than two entries,
  /// a zero width and zero-length segments never hit. Allocates nothing.
  bool PointInPathOutline(const TPointF& P, float StrokeWidth) const;
  /// Same as `PointInPathOutline({X, Y}, StrokeWidth)`.
  bool PointInPathOutline(float X, float Y, float StrokeWidth) const;
  /// True when some sub-path, taken as a polygon closed implicitly, contains
  /// the point by the even-odd rule. The fill mode is not consulted and
  /// sub-paths are not combined (a point in a hole that one sub-path cuts
  /// into another still hits). Curves are approximated by the B-spline of
  /// their control polygon; a curve that opens the path starts at the origin.
  bool PointInPath(const TPointF& P) const;
  /// Same as `PointInPath({X, Y})`.
  bool PointInPath(float X, float Y) const;

protected:
  /// Appends the rectangle around the segment P1-P2 reaching HalfWidth to
  /// either side, as a closed figure from the corner on P1's left (seen
  /// along the segment on a y-down canvas): P1 + n, P1 - n, P2 - n, P2 + n.
  /// Nothing for a segment of length exactly 0.
  void AddRectangleForSegment(const TPointF& P1, const TPointF& P2, float HalfWidth);

public:

  // ---- Measurement (PathMeasure.cpp) ---------------------------------------

  /// The length of the polygons of `ToPolygons` (closing edges included; the
  /// jump between sub-paths adds nothing). Measured on first use and cached
  /// until the next change; a path of length 0 is measured on every call.
  double GetLength();
  /// For each polygon of `ToPolygons`, the length travelled along the path up
  /// to each vertex, continuing across sub-paths. Measured as `GetLength`;
  /// the reference stays valid until the next change.
  const TDistances& GetDistances();
  /// Same as `GetDistances`.
  const TDistances& Distances() { return GetDistances(); }

protected:
  /// Measures the path, fills the length, polygon and distance caches and
  /// returns the length. Descendants may override it to observe measuring.
  virtual double CalculateDistances();

public:

  // ---- Streaming (PathStream.cpp) and drawing (PathRender.cpp) -------------

  /// Publishes `FillMode` (always stored), `FormatStr` (stored only when it
  /// differs from the default) and the text `Data`, which a form may set but
  /// which is never stored: the entries travel as the binary "Path" property.
  const TPropertyTable& PublishedProperties() const override;
  /// Declares the binary property "Path" (`ReadPath`/`WritePath`), written
  /// only when the path has entries.
  void DefineProperties(TFiler& Filer) override;
  /// Writes the entry count N as a little-endian int32, then the N packed
  /// 9-byte entries (kind byte, X, Y as little-endian Singles).
  void WritePath(TStream& Stream) const;
  /// Reads what `WritePath` wrote and replaces the entries (kind bytes above
  /// 3 are kept; every reader of a path skips them), then calls `Change`. A
  /// negative count, fewer than 9 * N bytes after the count, or a coordinate
  /// that is not finite raises `EReadError` saying so before anything is
  /// changed (and before anything is allocated for a forged count), and
  /// leaves the stream where it was. Fill mode, format and figure start stay.
  void ReadPath(TStream& Stream);

  /// `DrawPath(Canvas, false, Opacity)`: the outline only.
  void DrawPath(TCanvas& Canvas, float Opacity) const;
  /// `DrawPath(Canvas, true, Opacity)`: filled and outlined.
  void FillPath(TCanvas& Canvas, float Opacity) const;
  /// Sends the path to the canvas's device context: `BeginPath`, then per
  /// entry `MoveToEx`/`LineTo` (the point rounded by `ZKPointToPoint`),
  /// `PolyBezierTo` with the three points of a curve, `CloseFigure`, then
  /// `EndPath` and `StrokeAndFillPath` when Filled, else `StrokePath`. The
  /// canvas's pen, brush and polygon fill mode draw it (the path's own
  /// `FillMode` is not applied); nothing is set or restored.
  ///
  /// Opacity 0 exactly, or fewer than 2 entries, make no call at all; any
  /// other Opacity draws fully opaque. Entries of unknown kind and a last
  /// curve with fewer than three entries draw nothing. A coordinate that
  /// cannot be rounded (NaN, infinite) raises `EInvalidOp` before any call.
  /// Descendants override this to draw differently (and should bring the
  /// two-argument forms into scope with `using`).
  virtual void DrawPath(TCanvas& Canvas, bool Filled, float Opacity) const;

protected:
  /// Drops the caches (bounds, length, polygons, distances) at once, and
  /// calls `OnChanged` unless an update bracket is open (the bracket's
  /// closing `EndUpdate` notifies once). Descendants override it to react to
  /// every modification.
  virtual void Change();

private:
  void Push(TZKPathPointKind Kind, const TPointF& P);
  // The cubics of Count points (X[i], Y[i]), three a cubic, appended at once
  // and then notified as that many CurveTo calls would notify.
  void PushCurves(const float* X, const float* Y, std::size_t Count);
  template <class PolygonList> void AddPolygonsOf(const PolygonList& Poly);

  std::int32_t FUpdateCount = 0;
  TZKFillMode FFillMode = fmEvenOdd;
  double FLength = 0;            // cached total length; 0 = not measured
  TZKPolygons FPolygons;         // result of ToPolygons; a cache once the path is measured
  TDistances FDistances;         // result of GetDistances; a cache once the path is measured
  bool FPolygonsCached = false;  // FPolygons describes the entries (built after measuring)
  bool FDistancesCached = false; // FDistances describes the entries (built after measuring)
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
  /// Opens an update bracket on Path, which must outlive the guard.
  explicit TZKPathUpdate(TZKPathData& Path) noexcept;
  ~TZKPathUpdate() noexcept(false);
  TZKPathUpdate(const TZKPathUpdate&) = delete;
  TZKPathUpdate& operator=(const TZKPathUpdate&) = delete;

private:
  TZKPathData& FPath;
  int FUncaught;
};

} // namespace zk
