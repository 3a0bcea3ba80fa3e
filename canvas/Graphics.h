#pragma once
/// Pictures a canvas can draw: the abstract `TGraphic`, the raster `TBitmap`
/// and `TImageList`, a row of equally sized bitmaps.
///
/// `TBitmap` keeps its pixels in a plain buffer of its own; a drawing backend
/// (the Gui library's qt/ folder) paints on that buffer in place through the
/// bitmap surface it installs, so this header and the bitmap need no toolkit.
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "canvas/Canvas.h"
#include "runtime/Persistent.h"

namespace zk {

/// A picture a canvas can draw (`TCanvas::Draw`, `TCanvas::StretchDraw`).
class TGraphic : public TPersistent {
public:
  std::string ClassName() const override { return "TGraphic"; }
  ///@{
  /// The size in pixels.
  virtual int Width() const noexcept = 0;
  virtual int Height() const noexcept = 0;
  ///@}
  /// True when the graphic has no pixels.
  bool Empty() const noexcept { return Width() <= 0 || Height() <= 0; }
};

class TBitmap;

/// What a drawing backend gives a bitmap: a canvas that paints on the
/// bitmap's own pixels. The bitmap tells it when its buffer is about to be
/// replaced (`Release`) and when the new one is in place (`Attach`).
class TBitmapSurface {
public:
  virtual ~TBitmapSurface() = default;
  /// The canvas on the bitmap's pixels, the same object for the life of the
  /// surface; while the bitmap is empty it draws nothing.
  virtual TCanvas& Canvas() noexcept = 0;
  /// Stops painting on the bitmap's current buffer; drawing made so far is in it.
  virtual void Release() = 0;
  /// Paints on the bitmap's current buffer from now on (nothing while it is empty).
  virtual void Attach() = 0;
};

/// Makes the surface of a bitmap; the returned surface is attached already.
using TBitmapSurfaceFactory = std::unique_ptr<TBitmapSurface> (*)(TBitmap& Bitmap);
/// Installs the factory `TBitmap::Canvas` uses and returns the one it
/// replaces. The Gui library installs its own when it is loaded; null removes
/// it. Bitmaps that have a canvas already keep theirs.
TBitmapSurfaceFactory SetBitmapSurfaceFactory(TBitmapSurfaceFactory Factory) noexcept;

/// A raster image of 32-bit pixels with a canvas that draws on it. A new
/// bitmap, and every area a resize adds, is white.
///
/// A pixel is premultiplied ARGB in one `std::uint32_t` (0xAARRGGBB); rows
/// run top to bottom, Width() pixels each, without padding.
class TBitmap : public TGraphic {
public:
  TBitmap();
  /// A white bitmap of the given size (negative sizes count as 0).
  TBitmap(int AWidth, int AHeight);
  ~TBitmap() override;
  TBitmap(const TBitmap&) = delete;
  TBitmap& operator=(const TBitmap&) = delete;

  std::string ClassName() const override { return "TBitmap"; }
  /// Copies another bitmap's pixels (a deep copy); any other source raises
  /// `EConvertError`.
  void Assign(const TPersistent* Source) override;

  int Width() const noexcept override { return FWidth; }
  int Height() const noexcept override { return FHeight; }
  ///@{
  /// `SetSize` with the other side kept as it is.
  void SetWidth(int Value) { SetSize(Value, Height()); }
  void SetHeight(int Value) { SetSize(Width(), Value); }
  ///@}
  /// Resizes, keeping the pixels that stay inside. Negative sizes count as 0;
  /// a size above 2^28 pixels, or one the memory cannot hold, leaves an empty
  /// bitmap.
  void SetSize(int AWidth, int AHeight);

  ///@{
  /// The pixels, row after row; valid until the next resize or `Assign`.
  std::span<std::uint32_t> Pixels() noexcept { return FPixels; }
  std::span<const std::uint32_t> Pixels() const noexcept { return FPixels; }
  ///@}

  /// Composes Source over this bitmap (source over, premultiplied) with its
  /// top-left at (X, Y); what falls outside is cut off.
  void Compose(int X, int Y, const TBitmap& Source) noexcept;

  /// The canvas drawing on this bitmap; it stays valid across resizes for the
  /// life of the bitmap. Without a drawing backend (a program linking the
  /// Core library alone) raises `Exception`.
  TCanvas& Canvas();

private:
  // Swaps in a new buffer, moving the surface (if any) over to it.
  void Replace(std::vector<std::uint32_t> Pixels, int AWidth, int AHeight);

  int FWidth = 0;
  int FHeight = 0;
  std::vector<std::uint32_t> FPixels;
  std::unique_ptr<TBitmapSurface> FSurface;
};

/// Images of one size, drawn by index.
class TImageList {
public:
  /// An empty list of images of the given size (negative sizes count as 0).
  TImageList(int AWidth = 16, int AHeight = 16);
  ~TImageList();

  ///@{
  /// The size in pixels of every image, fixed at construction (0 when a
  /// negative size was given).
  int Width() const noexcept { return FWidth; }
  int Height() const noexcept { return FHeight; }
  ///@}
  /// The number of images; valid indices run 0..Count-1.
  int Count() const noexcept { return static_cast<int>(FImages.size()); }

  /// Appends a copy of Image, cut or padded (white) to the list's size, and
  /// returns its index. Image is composed over white, so its translucent
  /// pixels come out blended with white.
  int Add(const TBitmap& Image);
  /// Removes every image; Count becomes 0 and the size stays.
  void Clear() noexcept { FImages.clear(); }

  /// Copies image Index into Image (resized to the list's size); false, and
  /// Image untouched, for an index outside 0..Count-1.
  bool GetBitmap(int Index, TBitmap& Image) const;
  /// Draws image Index with its top-left at (X, Y); an index outside
  /// 0..Count-1 draws nothing.
  void Draw(TCanvas& Canvas, int X, int Y, int Index) const;

private:
  int FWidth;
  int FHeight;
  std::vector<std::unique_ptr<TBitmap>> FImages;
};

} // namespace zk
