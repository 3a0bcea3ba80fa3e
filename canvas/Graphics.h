#pragma once
/// Pictures a canvas can draw: the abstract `TGraphic`, the raster `TBitmap`
/// and `TImageList`, a row of equally sized bitmaps.
///
/// `TBitmap` keeps its pixels in a toolkit image behind a private
/// implementation, so this header stays free of toolkit headers; its member
/// functions are defined in canvas/qt/ (where canvas/qt/QtBitmap.h also
/// gives Qt code the image itself).
#include <memory>
#include <vector>

#include "canvas/Canvas.h"
#include "runtime/Persistent.h"

namespace zk {

class TGraphic : public TPersistent {
public:
  std::string ClassName() const override { return "TGraphic"; }
  virtual int Width() const noexcept = 0;
  virtual int Height() const noexcept = 0;
  /// True when the graphic has no pixels.
  bool Empty() const noexcept { return Width() <= 0 || Height() <= 0; }
};

/// A raster image of 32-bit pixels with a canvas that draws on it. A new
/// bitmap, and every area a resize adds, is white.
class TBitmap : public TGraphic {
public:
  struct TImpl;

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

  int Width() const noexcept override;
  int Height() const noexcept override;
  void SetWidth(int Value) { SetSize(Value, Height()); }
  void SetHeight(int Value) { SetSize(Width(), Value); }
  /// Resizes, keeping the pixels that stay inside. Negative sizes count as 0;
  /// a size the memory cannot hold leaves an empty bitmap.
  void SetSize(int AWidth, int AHeight);

  /// The canvas drawing on this bitmap; it stays valid across resizes for the
  /// life of the bitmap.
  TCanvas& Canvas();

  TImpl& Impl() const noexcept { return *FImpl; }

private:
  std::unique_ptr<TImpl> FImpl;
};

/// Images of one size, drawn by index.
class TImageList {
public:
  /// An empty list of images of the given size (negative sizes count as 0).
  TImageList(int AWidth = 16, int AHeight = 16);
  ~TImageList();

  int Width() const noexcept { return FWidth; }
  int Height() const noexcept { return FHeight; }
  int Count() const noexcept { return static_cast<int>(FImages.size()); }

  /// Appends a copy of Image, cut or padded (white) to the list's size, and
  /// returns its index.
  int Add(const TBitmap& Image);
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
