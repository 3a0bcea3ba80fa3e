#include <algorithm>

#include <QPainter>

#include "canvas/Graphics.h"
#include "canvas/qt/QtBitmap.h"
#include "canvas/qt/QtCanvas.h"

namespace zk {

namespace {
// The largest bitmap made: 2^28 pixels (1 GiB). Larger requests leave an
// empty bitmap rather than asking the allocator for absurd amounts.
constexpr long long MaxBitmapPixels = 1LL << 28;

QImage WhiteImage(int Width, int Height) {
  Width = std::max(Width, 0);
  Height = std::max(Height, 0);
  if (Width == 0 || Height == 0 || static_cast<long long>(Width) * Height > MaxBitmapPixels)
    return QImage();
  QImage Image(Width, Height, QImage::Format_ARGB32_Premultiplied);
  if (!Image.isNull()) Image.fill(Qt::white);
  return Image;
}
} // namespace

struct TBitmap::TImpl {
  QImage Image;
  std::unique_ptr<TQtCanvas> Canvas;

  // Swaps in a new image, moving the canvas (if any) over to it.
  void Replace(QImage Next) {
    if (Canvas) Canvas->SetDevice(nullptr);
    Image = std::move(Next);
    if (Canvas && !Image.isNull()) Canvas->SetDevice(&Image);
  }
};

TBitmap::TBitmap() : FImpl(std::make_unique<TImpl>()) {}

TBitmap::TBitmap(int AWidth, int AHeight) : TBitmap() { FImpl->Image = WhiteImage(AWidth, AHeight); }

TBitmap::~TBitmap() = default;

void TBitmap::Assign(const TPersistent* Source) {
  if (const auto* Other = dynamic_cast<const TBitmap*>(Source)) {
    if (Other != this) FImpl->Replace(Other->FImpl->Image.copy());
    return;
  }
  TGraphic::Assign(Source);
}

int TBitmap::Width() const noexcept { return FImpl->Image.width(); }
int TBitmap::Height() const noexcept { return FImpl->Image.height(); }

void TBitmap::SetSize(int AWidth, int AHeight) {
  AWidth = std::max(AWidth, 0);
  AHeight = std::max(AHeight, 0);
  if (AWidth == Width() && AHeight == Height()) return;
  QImage Next = WhiteImage(AWidth, AHeight);
  if (FImpl->Canvas) FImpl->Canvas->SetDevice(nullptr);  // flush before copying
  if (!Next.isNull() && !FImpl->Image.isNull()) {
    QPainter Painter(&Next);
    Painter.drawImage(0, 0, FImpl->Image);
  }
  FImpl->Replace(std::move(Next));
}

TCanvas& TBitmap::Canvas() {
  if (!FImpl->Canvas) {
    FImpl->Canvas = std::make_unique<TQtCanvas>();
    if (!FImpl->Image.isNull()) FImpl->Canvas->SetDevice(&FImpl->Image);
  }
  return *FImpl->Canvas;
}

const QImage& BitmapImage(const TBitmap& Bitmap) noexcept { return Bitmap.Impl().Image; }

} // namespace zk
