// A shape by style whose image comes from an image list.
#include "drawing/ImageListShape.h"

namespace zk {

TRect DrawShape(TCanvas& Canvas, const TRect& Rect, const TImageList* ImageList, int ImageIndex,
                TZKShapeStyle Style, TZKShapeStyle FallbackStyle, bool Stretch,
                TColor HighlightColor, TColor ShadowColor, int BevelWidth) {
  if (Style != ssImage && Style != ss3DImage)
    return DrawShape(Canvas, Rect, nullptr, Style, Stretch, HighlightColor, ShadowColor, BevelWidth);
  if (ImageList == nullptr || ImageIndex < 0 || ImageIndex >= ImageList->Count())
    return DrawShape(Canvas, Rect, ImageList, ImageIndex, FallbackStyle, ssRectangle, true,
                     clBtnHighlight, clBtnShadow, 3);
  TRect r = Rect;
  if (Style == ss3DImage) Frame3DExt(Canvas, r, HighlightColor, ShadowColor, BevelWidth);
  if (Stretch) {
    TBitmap Image;
    ImageList->GetBitmap(ImageIndex, Image);
    Canvas.StretchDraw(r, Image);
  } else {
    ImageList->Draw(Canvas, r.Left, r.Top, ImageIndex);
  }
  return r;
}

} // namespace zk
