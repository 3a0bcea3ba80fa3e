#pragma once
/// Text in a rectangle and font measures for the Qt backend.
#include <cstdint>
#include <string_view>

#include <QBrush>
#include <QColor>
#include <QFont>

#include "canvas/DeviceContext.h"

class QPainter;
class QPaintDevice;

namespace zk {

/// How text is painted: font, ink, background and the angle of its base line.
struct TQtTextStyle {
  QFont Font;         ///< the font, measured on the painter's device
  QColor Color;       ///< the ink of the glyphs (the painter's pen)
  /// Fills the laid-out box behind the text; `Qt::NoBrush` (the default)
  /// leaves what is there.
  QBrush Background;
  /// The angle of the base line in degrees, counter-clockwise on screen; 0
  /// (the default) draws unturned.
  double Angle = 0;
};

/// Draws Text (UTF-8) in Rect as `DrawTextW` promises for Format and answers
/// the height of the laid-out text. Turned text rotates about the top-left
/// corner of its laid-out box, so that an unturned box is where it stands.
/// The painter's state is restored.
int QtDrawText(QPainter& Painter, const TQtTextStyle& Style, std::string_view Text,
               const TRect& Rect, std::uint32_t Format);

/// The measures of Font on Device (the screen when null), with Charset passed
/// through; a smoothly scalable font reports `TMPF_TRUETYPE`.
TTextMetric QtTextMetrics(const QFont& Font, const QPaintDevice* Device, std::uint8_t Charset);

} // namespace zk
