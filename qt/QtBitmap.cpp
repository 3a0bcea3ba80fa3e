#include "qt/QtBitmap.h"

#include "qt/QtCanvas.h"

namespace zk {

namespace {

constexpr QImage::Format PixelFormat = QImage::Format_ARGB32_Premultiplied;

// A bitmap's canvas: a TQtCanvas painting on an image that wraps the bitmap's
// buffer in place.
class TQtBitmapSurface final : public TBitmapSurface {
public:
  explicit TQtBitmapSurface(TBitmap& Bitmap) : FBitmap(Bitmap) { Attach(); }

  TCanvas& Canvas() noexcept override { return FCanvas; }

  void Release() override {
    FCanvas.SetDevice(nullptr);
    FImage = QImage();
  }

  void Attach() override {
    if (FBitmap.Empty()) return;
    FImage = QImage(reinterpret_cast<uchar*>(FBitmap.Pixels().data()), FBitmap.Width(),
                    FBitmap.Height(), static_cast<qsizetype>(FBitmap.Width()) * 4, PixelFormat);
    if (!FImage.isNull()) FCanvas.SetDevice(&FImage);
  }

private:
  TBitmap& FBitmap;
  QImage FImage;
  TQtCanvas FCanvas;
};

std::unique_ptr<TBitmapSurface> MakeSurface(TBitmap& Bitmap) {
  return std::make_unique<TQtBitmapSurface>(Bitmap);
}

// Loading the Gui library gives every bitmap a Qt canvas.
const bool SurfaceInstalled = (SetBitmapSurfaceFactory(&MakeSurface), true);

} // namespace

QImage BitmapImage(const TBitmap& Bitmap) {
  if (Bitmap.Empty()) return QImage();
  return QImage(reinterpret_cast<const uchar*>(Bitmap.Pixels().data()), Bitmap.Width(),
                Bitmap.Height(), static_cast<qsizetype>(Bitmap.Width()) * 4, PixelFormat);
}

} // namespace zk
