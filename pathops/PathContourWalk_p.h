#pragma once
// The one walk that reads a path's entries as contours, for `PathContours`
// and for the operations that read contours without building them.
#include <span>

#include "path/PathSegments.h"
#include "pathops/PathContours.h"

namespace zk {

// Calls Sink.Begin(start) for every contour, Sink.Segment(segment) for each
// of its segments in order (a close's closing line included) and
// Sink.Close() after a close's line, by the rules `PathContours` documents.
template <class SinkT>
void WalkPathContours(std::span<const TZKPathPoint> Entries, SinkT& Sink) {
  bool Any = false, Open = false;  // a contour was begun; the last one takes further segments
  TPointD Start{}, PenAfterClose{};  // a close returns the pen to the figure's start
  const auto Begin = [&](const TPointD& At) {
    Sink.Begin(At);
    Start = At;
    Any = Open = true;
  };
  ForEachPathSegment(Entries, [&](const TZKPathSegment& S) {
    const TPointD Pen = !Any || Open ? ToPointD(S.Current) : PenAfterClose;
    switch (S.Kind) {
      case ppMoveTo:
        Begin(ToPointD(S.Points[0]));
        break;
      case ppLineTo:
        if (!Open) Begin(Pen);
        Sink.Segment(TContourSegment::Line(Pen, ToPointD(S.Points[0])));
        break;
      case ppCurveTo:
        if (!Open) Begin(Pen);
        Sink.Segment({true, {Pen, ToPointD(S.Points[0]), ToPointD(S.Points[1]), ToPointD(S.Points[2])}});
        break;
      case ppClose:
        // A close right after a close (or at the path's start) closes an
        // empty contour at the pen: a zero-length closed contour.
        if (!Open) Begin(Pen);
        Sink.Segment(TContourSegment::Line(Pen, Start));
        Sink.Close();
        PenAfterClose = Start;
        Open = false;
        break;
      default:
        break;
    }
  });
}

} // namespace zk
