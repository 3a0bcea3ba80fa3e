#include "qt/QtText.h"

#include <algorithm>
#include <cmath>

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>

namespace zk {

namespace {

int QtTextFlags(std::uint32_t Format) {
  int Flags = (Format & DT_RIGHT) ? Qt::AlignRight
              : (Format & DT_CENTER) ? Qt::AlignHCenter
                                     : Qt::AlignLeft;
  if (Format & DT_SINGLELINE) {
    Flags |= Qt::TextSingleLine;
    Flags |= (Format & DT_BOTTOM) ? Qt::AlignBottom
             : (Format & DT_VCENTER) ? Qt::AlignVCenter
                                     : Qt::AlignTop;
  } else {
    Flags |= Qt::AlignTop;
    if (Format & DT_WORDBREAK) Flags |= Qt::TextWordWrap;
  }
  if (Format & DT_NOCLIP) Flags |= Qt::TextDontClip;
  return Flags;
}

} // namespace

int QtDrawText(QPainter& Painter, const TQtTextStyle& Style, std::string_view Text,
               const TRect& Rect, std::uint32_t Format) {
  const QString S = QString::fromUtf8(Text.data(), static_cast<qsizetype>(Text.size()));
  const double W = std::max(0.0, static_cast<double>(Rect.Right) - Rect.Left);
  const double H = std::max(0.0, static_cast<double>(Rect.Bottom) - Rect.Top);
  const QRectF Box(Rect.Left, Rect.Top, W, H);
  int Flags = QtTextFlags(Format);
  const QFontMetricsF Metrics(Style.Font, Painter.device());
  const QRectF Laid = Metrics.boundingRect(Box, Flags, S);
  Painter.save();
  if (Style.Angle != 0) {
    // The box turns about the start of the text; clipping to an unturned
    // rectangle would cut the turned text, so it is drawn unclipped.
    Painter.translate(Laid.topLeft());
    Painter.rotate(-Style.Angle);
    Painter.translate(-Laid.topLeft());
    Flags |= Qt::TextDontClip;
  } else if ((Format & DT_NOCLIP) == 0) {
    Painter.setClipRect(Box, Qt::IntersectClip);
  }
  if (Style.Background.style() != Qt::NoBrush) Painter.fillRect(Laid, Style.Background);
  Painter.setFont(Style.Font);
  Painter.setPen(Style.Color);
  Painter.drawText(Box, Flags, S);
  Painter.restore();
  return static_cast<int>(std::lround(Laid.height()));
}

TTextMetric QtTextMetrics(const QFont& Font, const QPaintDevice* Device, std::uint8_t Charset) {
  const QFontMetrics M(Font, Device);
  const QFontInfo Info(Font);
  TTextMetric T;
  T.tmHeight = M.height();
  T.tmAscent = M.ascent();
  T.tmDescent = M.descent();
  T.tmInternalLeading = std::max(0, M.height() - Info.pixelSize());
  T.tmExternalLeading = std::max(0, M.leading());
  T.tmAveCharWidth = M.averageCharWidth();
  T.tmMaxCharWidth = M.maxWidth();
  T.tmWeight = Info.weight();
  T.tmItalic = Info.italic();
  T.tmUnderlined = Font.underline();
  T.tmStruckOut = Font.strikeOut();
  std::uint8_t Pitch = Info.fixedPitch() ? 0 : TMPF_FIXED_PITCH;
  if (QFontDatabase::isSmoothlyScalable(Info.family(), Info.styleName()))
    Pitch |= TMPF_VECTOR | TMPF_TRUETYPE;
  T.tmPitchAndFamily = Pitch;
  T.tmCharSet = Charset;
  return T;
}

} // namespace zk
