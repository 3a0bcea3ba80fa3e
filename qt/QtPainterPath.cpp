#include "qt/QtPainterPath.h"

#include "qt/QtConversions.h"

namespace zk {

QPainterPath ToQPainterPath(const TZKPathData& Path) {
  const std::span<const TZKPathPoint> Entries = Path.Entries();
  QPainterPath Q;
  Q.setFillRule(Path.FillMode() == fmNonZero ? Qt::WindingFill : Qt::OddEvenFill);
  // Entries are packed: each point is copied out before it is used.
  auto At = [&](std::size_t I) { return ToQPointF(TPointF(Entries[I].Point)); };
  for (std::size_t I = 0; I < Entries.size(); ++I) {
    switch (Entries[I].Kind) {
      case ppMoveTo: Q.moveTo(At(I)); break;
      case ppLineTo: Q.lineTo(At(I)); break;
      case ppCurveTo:
        if (I + 2 >= Entries.size()) return Q;
        Q.cubicTo(At(I), At(I + 1), At(I + 2));
        I += 2;
        break;
      case ppClose: Q.closeSubpath(); break;
      default: break;  // kinds from streamed data that no reader knows
    }
  }
  return Q;
}

void AssignQPainterPath(TZKPathData& Path, const QPainterPath& Source) {
  const int N = Source.elementCount();
  // Element I is the last of its figure when the path or the figure ends after it.
  auto EndsFigure = [&](int I) {
    return I + 1 == N || Source.elementAt(I + 1).type == QPainterPath::MoveToElement;
  };
  TZKPathUpdate Update(Path);
  Path.Clear();
  Path.SetFillMode(Source.fillRule() == Qt::WindingFill ? fmNonZero : fmEvenOdd);
  QPointF Start;
  for (int I = 0; I < N; ++I) {
    const QPainterPath::Element E = Source.elementAt(I);
    const QPointF P(E.x, E.y);
    switch (E.type) {
      case QPainterPath::MoveToElement:
        Start = P;
        Path.MoveTo(ToPointF(P));
        break;
      case QPainterPath::LineToElement:
        if (EndsFigure(I) && P == Start)
          Path.ClosePath();
        else
          Path.LineTo(ToPointF(P));
        break;
      case QPainterPath::CurveToElement: {
        // Qt stores a cubic as this element and two data elements after it.
        if (I + 2 >= N) return;
        const QPainterPath::Element C2 = Source.elementAt(I + 1), End = Source.elementAt(I + 2);
        Path.CurveTo(ToPointF(P), ToPointF({C2.x, C2.y}), ToPointF({End.x, End.y}));
        I += 2;
        if (EndsFigure(I) && QPointF(End.x, End.y) == Start) Path.ClosePath();
        break;
      }
      case QPainterPath::CurveToDataElement: break;  // consumed with its curve
    }
  }
}

} // namespace zk
