#include <algorithm>
#include <atomic>
#include <new>

#include "canvas/Graphics.h"
#include "runtime/Exceptions.h"

namespace zk {

namespace {

// The largest bitmap made: 2^28 pixels (1 GiB). Larger requests leave an
// empty bitmap rather than asking the allocator for absurd amounts.
constexpr long long MaxBitmapPixels = 1LL << 28;
constexpr std::uint32_t White = 0xFFFFFFFFu;

std::atomic<TBitmapSurfaceFactory> SurfaceFactory{nullptr};

// A white buffer of Width x Height pixels; empty when either is 0, the size
// is over the limit or the memory cannot hold it.
std::vector<std::uint32_t> WhitePixels(int Width, int Height) {
  const long long Count = static_cast<long long>(Width) * Height;
  if (Width <= 0 || Height <= 0 || Count > MaxBitmapPixels) return {};
  try {
    return std::vector<std::uint32_t>(static_cast<std::size_t>(Count), White);
  } catch (const std::bad_alloc&) {
    return {};
  }
}

// c * a / 255 for 8-bit c and a, rounded as the toolkit's raster engine
// rounds it, so composing here and painting there give the same bytes.
std::uint32_t MulDiv255(std::uint32_t C, std::uint32_t A) noexcept {
  const std::uint32_t T = C * A;
  return (T + (T >> 8) + 0x80) >> 8;
}

// Premultiplied source over destination.
std::uint32_t SourceOver(std::uint32_t S, std::uint32_t D) noexcept {
  const std::uint32_t Rest = 255 - (S >> 24);
  if (Rest == 0) return S;
  std::uint32_t Out = 0;
  for (int Shift = 0; Shift < 32; Shift += 8)
    Out |= (((S >> Shift) & 0xFF) + MulDiv255((D >> Shift) & 0xFF, Rest)) << Shift;
  return Out;
}

} // namespace

void SetBitmapSurfaceFactory(TBitmapSurfaceFactory Factory) noexcept { SurfaceFactory = Factory; }

TBitmap::TBitmap() = default;

TBitmap::TBitmap(int AWidth, int AHeight) { SetSize(AWidth, AHeight); }

TBitmap::~TBitmap() {
  // The surface paints on FPixels: it lets go of them before they are freed.
  if (FSurface) FSurface->Release();
}

void TBitmap::Replace(std::vector<std::uint32_t> Pixels, int AWidth, int AHeight) {
  if (FSurface) FSurface->Release();
  FPixels = std::move(Pixels);
  FWidth = FPixels.empty() ? 0 : AWidth;
  FHeight = FPixels.empty() ? 0 : AHeight;
  if (FSurface) FSurface->Attach();
}

void TBitmap::Assign(const TPersistent* Source) {
  if (const auto* Other = dynamic_cast<const TBitmap*>(Source)) {
    if (Other != this) Replace(Other->FPixels, Other->FWidth, Other->FHeight);
    return;
  }
  TGraphic::Assign(Source);
}

void TBitmap::SetSize(int AWidth, int AHeight) {
  AWidth = std::max(AWidth, 0);
  AHeight = std::max(AHeight, 0);
  if (AWidth == FWidth && AHeight == FHeight) return;
  std::vector<std::uint32_t> Next = WhitePixels(AWidth, AHeight);
  if (!Next.empty()) {
    // Release first: drawing still pending on the old buffer belongs in the copy.
    if (FSurface) FSurface->Release();
    const int Columns = std::min(AWidth, FWidth), Rows = std::min(AHeight, FHeight);
    for (int Y = 0; Y < Rows; ++Y) {
      const auto From = FPixels.begin() + static_cast<std::ptrdiff_t>(Y) * FWidth;
      std::copy(From, From + Columns, Next.begin() + static_cast<std::ptrdiff_t>(Y) * AWidth);
    }
  }
  Replace(std::move(Next), AWidth, AHeight);
}

void TBitmap::Compose(int X, int Y, const TBitmap& Source) noexcept {
  // Clip in 64 bits: X + Source.Width() may overflow an int.
  const long long X0 = std::max(0LL, static_cast<long long>(X));
  const long long Y0 = std::max(0LL, static_cast<long long>(Y));
  const long long X1 = std::min<long long>(FWidth, static_cast<long long>(X) + Source.FWidth);
  const long long Y1 = std::min<long long>(FHeight, static_cast<long long>(Y) + Source.FHeight);
  for (long long Row = Y0; Row < Y1; ++Row)
    for (long long Col = X0; Col < X1; ++Col) {
      std::uint32_t& D = FPixels[static_cast<std::size_t>(Row * FWidth + Col)];
      D = SourceOver(Source.FPixels[static_cast<std::size_t>((Row - Y) * Source.FWidth + (Col - X))], D);
    }
}

TCanvas& TBitmap::Canvas() {
  if (!FSurface) {
    const TBitmapSurfaceFactory Factory = SurfaceFactory;
    if (Factory == nullptr)
      throw Exception("TBitmap::Canvas: no drawing backend; link the Gui library");
    FSurface = Factory(*this);
  }
  return FSurface->Canvas();
}

} // namespace zk
