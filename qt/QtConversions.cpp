#include "qt/QtConversions.h"

#include <array>
#include <climits>

#include <QGuiApplication>
#include <QPalette>

#include "canvas/SystemColors.h"

namespace zk {

namespace {

// Palette role standing in for each system colour index; Window for indexes
// without a closer match. Grey text is taken from the disabled group.
constexpr std::array<QPalette::ColorRole, 31> SystemRoles = {
    QPalette::Button,          QPalette::Window,      QPalette::Highlight,  QPalette::Mid,
    QPalette::Window,          QPalette::Base,        QPalette::Shadow,     QPalette::WindowText,
    QPalette::Text,            QPalette::HighlightedText, QPalette::Button, QPalette::Button,
    QPalette::Mid,             QPalette::Highlight,   QPalette::HighlightedText, QPalette::Button,
    QPalette::Mid,             QPalette::Text,        QPalette::ButtonText, QPalette::WindowText,
    QPalette::Light,           QPalette::Shadow,      QPalette::Midlight,   QPalette::ToolTipText,
    QPalette::ToolTipBase,     QPalette::Window,      QPalette::Link,       QPalette::Highlight,
    QPalette::Midlight,        QPalette::Highlight,   QPalette::Window};
constexpr int GrayTextIndex = 0x11;
constexpr int UnnamedIndex = 0x19;

} // namespace

QRect ToQRect(const TRect& R) noexcept {
  const int Right = R.Right == INT_MIN ? INT_MIN : R.Right - 1;
  const int Bottom = R.Bottom == INT_MIN ? INT_MIN : R.Bottom - 1;
  return QRect(QPoint(R.Left, R.Top), QPoint(Right, Bottom));
}

TRect ToRect(const QRect& R) noexcept {
  const int Right = R.right() == INT_MAX ? INT_MAX : R.right() + 1;
  const int Bottom = R.bottom() == INT_MAX ? INT_MAX : R.bottom() + 1;
  return {R.left(), R.top(), Right, Bottom};
}

TColor ResolveColor(TColor Color) {
  const int Index = Color & 0xFF;
  if (Color >= 0 || qGuiApp == nullptr || Index >= static_cast<int>(SystemRoles.size()) ||
      Index == UnnamedIndex)
    return ColorToRGB(Color);
  const QPalette Palette = QGuiApplication::palette();
  const QColor C = Index == GrayTextIndex ? Palette.color(QPalette::Disabled, QPalette::Text)
                                          : Palette.color(QPalette::Active, SystemRoles[Index]);
  return ToColor(C);
}

QColor ToQColor(TColor Color) {
  const TColor RGB = ResolveColor(Color);
  return QColor(RGB & 0xFF, (RGB >> 8) & 0xFF, (RGB >> 16) & 0xFF);
}

TColor ToColor(const QColor& Color) noexcept {
  if (!Color.isValid()) return clBlack;
  const QRgb RGB = Color.rgb();
  return qRed(RGB) | qGreen(RGB) << 8 | qBlue(RGB) << 16;
}

QTransform ToQTransform(const TMatrix& M) noexcept {
  return QTransform(M.m11, M.m12, M.m13, M.m21, M.m22, M.m23, M.m31, M.m32, M.m33);
}

TMatrix ToMatrix(const QTransform& T) noexcept {
  auto F = [](qreal V) { return static_cast<float>(V); };
  return {F(T.m11()), F(T.m12()), F(T.m13()), F(T.m21()), F(T.m22()),
          F(T.m23()), F(T.m31()), F(T.m32()), F(T.m33())};
}

} // namespace zk
