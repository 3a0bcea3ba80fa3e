#pragma once
/// Conversions between the library's records and Qt's: points, rectangles,
/// colours and matrices. Coordinates narrowed from Qt's doubles to the
/// library's singles round to the nearest float.
#include <QColor>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QTransform>

#include "runtime/Colors.h"
#include "runtime/Records.h"

namespace zk {

/// The same pixel position as a QPoint; both hold 32-bit coordinates, so the
/// conversion is exact both ways.
inline QPoint ToQPoint(const TPoint& P) noexcept { return QPoint(P.X, P.Y); }
/// The same pixel position as a TPoint, exactly.
inline TPoint ToPoint(const QPoint& P) noexcept { return {P.x(), P.y()}; }

/// The point widened to Qt's doubles, exactly; NaN and infinities carry over.
inline QPointF ToQPointF(const TPointF& P) noexcept { return QPointF(P.X, P.Y); }
///@{
/// A pixel position as Qt's floating point, for paths built from canvas points.
inline QPointF ToQPointF(const TPoint& P) noexcept { return QPointF(P.X, P.Y); }
inline TPointF ToPointF(const QPointF& P) noexcept {
  return {static_cast<float>(P.x()), static_cast<float>(P.y())};
}
///@}

///@{
/// The same corners: Left, Top, Right, Bottom.
inline QRectF ToQRectF(const TRectF& R) noexcept { return QRectF(QPointF(R.Left, R.Top), QPointF(R.Right, R.Bottom)); }
inline TRectF ToRectF(const QRectF& R) noexcept {
  return {static_cast<float>(R.left()), static_cast<float>(R.top()), static_cast<float>(R.right()),
          static_cast<float>(R.bottom())};
}
///@}

///@{
/// The same pixels: a TRect's Right and Bottom lie just outside it, a QRect's
/// right() and bottom() on its last column and row, so {0, 0, 10, 5} is
/// QRect(0, 0, 10, 5). At the very ends of the int range, where the one-pixel
/// step would overflow, the edge stays at the end.
QRect ToQRect(const TRect& R) noexcept;
TRect ToRect(const QRect& R) noexcept;
///@}

/// The RGB value of Color: system colours from the application palette when a
/// GUI application exists (window, button face, highlight, ...), else the
/// classic scheme, as `ColorToRGB`; other colours as they are.
TColor ResolveColor(TColor Color);
/// The opaque Qt colour of Color, system colours resolved.
QColor ToQColor(TColor Color);
/// The RGB of a Qt colour (in any colour model); alpha is dropped, an invalid colour
/// is black.
TColor ToColor(const QColor& Color) noexcept;

///@{
/// Both map a point as (x·m11 + y·m21 + m31, x·m12 + y·m22 + m32), so the
/// nine elements carry over in place.
QTransform ToQTransform(const TMatrix& M) noexcept;
TMatrix ToMatrix(const QTransform& T) noexcept;
///@}

} // namespace zk
