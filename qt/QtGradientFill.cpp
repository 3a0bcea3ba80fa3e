#include "qt/QtGradientFill.h"

#include <algorithm>
#include <array>
#include <cmath>

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPaintDevice>
#include <QPolygonF>

namespace zk {

namespace {

struct TRgb {
  double R, G, B;
  TRgb operator-(const TRgb& O) const { return {R - O.R, G - O.G, B - O.B}; }
  double Dot(const TRgb& O) const { return R * O.R + G * O.G + B * O.B; }
};

// A 16-bit vertex channel as a byte value with its fraction kept (0..255.996).
TRgb ColorOf(const TTriVertex& V) { return {V.Red / 256.0, V.Green / 256.0, V.Blue / 256.0}; }

QColor ToQColor(const TRgb& C) { return QColor::fromRgbF(C.R / 255, C.G / 255, C.B / 255); }

int ChannelByte(double V) { return static_cast<int>(std::lround(std::clamp(V, 0.0, 255.0))); }

struct TTriangle {
  std::array<QPointF, 3> P;
  std::array<TRgb, 3> C;
  double Area2() const {
    return (P[1].x() - P[0].x()) * (P[2].y() - P[0].y()) -
           (P[1].y() - P[0].y()) * (P[2].x() - P[0].x());
  }
};

// Colours on one line: the cross product of the two colour differences is 0.
// The channels are multiples of 1/256, so the test is exact in double.
bool ColorsCollinear(const TTriangle& T) {
  const TRgb A = T.C[1] - T.C[0], B = T.C[2] - T.C[0];
  const double X = A.G * B.B - A.B * B.G, Y = A.B * B.R - A.R * B.B, Z = A.R * B.G - A.G * B.R;
  return X * X + Y * Y + Z * Z <= 1e-12;
}

// The colours run along one line from C[a] (t = 0) to C[b] (t = 1), a and b
// the farthest pair, so the third lies between them. t is affine in the
// position: t(p) = g . (p - P[a]), with g fixed by t at the other two vertices;
// the gradient's end point is where t = 1 along g.
QBrush LinearBrush(const TTriangle& T) {
  int A = 0, B = 1;
  double Far = -1;
  for (int I = 0; I < 3; ++I)
    for (int J = I + 1; J < 3; ++J) {
      const TRgb D = T.C[J] - T.C[I];
      if (D.Dot(D) > Far) Far = D.Dot(D), A = I, B = J;
    }
  if (Far <= 0) return QBrush(ToQColor(T.C[0]));
  const int K = 3 - A - B;
  const TRgb D = T.C[B] - T.C[A];
  const double TK = (T.C[K] - T.C[A]).Dot(D) / Far;
  const QPointF E1 = T.P[B] - T.P[A], E2 = T.P[K] - T.P[A];
  const double Det = E1.x() * E2.y() - E1.y() * E2.x();
  const QPointF G((E2.y() - E1.y() * TK) / Det, (E1.x() * TK - E2.x()) / Det);
  const double G2 = QPointF::dotProduct(G, G);
  QLinearGradient Gradient(T.P[A], T.P[A] + G / G2);
  Gradient.setColorAt(0, ToQColor(T.C[A]));
  Gradient.setColorAt(1, ToQColor(T.C[B]));
  return QBrush(Gradient);
}

// The blend at every pixel centre of the triangle's box (cut to the device),
// drawn through the triangle as a clip.
void DrawBlendImage(QPainter& Painter, const TTriangle& T, const QPolygonF& Shape) {
  QRectF Box = Shape.boundingRect();
  if (const QPaintDevice* Device = Painter.device(); Device != nullptr && Device->width() > 0)
    Box = Box.intersected(Painter.worldTransform().inverted().mapRect(
        QRectF(0, 0, Device->width(), Device->height())));
  const QRect Pixels = Box.toAlignedRect();
  if (Pixels.isEmpty()) return;
  const int W = std::min(Pixels.width(), MaxGradientImageSide);
  const int H = std::min(Pixels.height(), MaxGradientImageSide);
  const double SX = static_cast<double>(Pixels.width()) / W;
  const double SY = static_cast<double>(Pixels.height()) / H;
  QImage Image(W, H, QImage::Format_RGB32);
  if (Image.isNull()) return;
  const double InvArea = 1 / T.Area2();
  for (int Y = 0; Y < H; ++Y) {
    auto* Line = reinterpret_cast<QRgb*>(Image.scanLine(Y));
    const double PY = Pixels.top() + (Y + 0.5) * SY;
    for (int X = 0; X < W; ++X) {
      const double PX = Pixels.left() + (X + 0.5) * SX;
      // Barycentric weights: each vertex's share is the area opposite it.
      const double W1 = ((T.P[2].x() - T.P[0].x()) * (PY - T.P[0].y()) -
                         (T.P[2].y() - T.P[0].y()) * (PX - T.P[0].x())) * -InvArea;
      const double W2 = ((T.P[1].x() - T.P[0].x()) * (PY - T.P[0].y()) -
                         (T.P[1].y() - T.P[0].y()) * (PX - T.P[0].x())) * InvArea;
      const double W0 = 1 - W1 - W2;
      Line[X] = qRgb(ChannelByte(W0 * T.C[0].R + W1 * T.C[1].R + W2 * T.C[2].R),
                     ChannelByte(W0 * T.C[0].G + W1 * T.C[1].G + W2 * T.C[2].G),
                     ChannelByte(W0 * T.C[0].B + W1 * T.C[1].B + W2 * T.C[2].B));
    }
  }
  QPainterPath Clip;
  Clip.addPolygon(Shape);
  Clip.closeSubpath();
  Painter.save();
  Painter.setClipPath(Clip, Qt::IntersectClip);
  Painter.drawImage(QRectF(Pixels), Image);
  Painter.restore();
}

} // namespace

void QtGradientFill(QPainter& Painter, std::span<const TTriVertex> Vertices,
                    std::span<const TGradientTriangle> Triangles) {
  Painter.save();
  Painter.setPen(Qt::NoPen);
  for (const TGradientTriangle& Index : Triangles) {
    TTriangle T;
    const std::array<std::uint32_t, 3> I = {Index.Vertex1, Index.Vertex2, Index.Vertex3};
    for (int K = 0; K < 3; ++K) {
      const TTriVertex& V = Vertices[I[K]];
      T.P[K] = QPointF(V.x, V.y);
      T.C[K] = ColorOf(V);
    }
    if (T.Area2() == 0) continue;
    const QPolygonF Shape({T.P[0], T.P[1], T.P[2]});
    if (ColorsCollinear(T)) {
      Painter.setBrush(LinearBrush(T));
      Painter.drawPolygon(Shape);
    } else {
      DrawBlendImage(Painter, T, Shape);
    }
  }
  Painter.restore();
}

} // namespace zk
