#include "canvas/Graphics.h"

#include <algorithm>

namespace zk {

TImageList::TImageList(int AWidth, int AHeight)
    : FWidth(std::max(AWidth, 0)), FHeight(std::max(AHeight, 0)) {}

TImageList::~TImageList() = default;

int TImageList::Add(const TBitmap& Image) {
  auto Copy = std::make_unique<TBitmap>(FWidth, FHeight);
  Copy->Compose(0, 0, Image);
  FImages.push_back(std::move(Copy));
  return Count() - 1;
}

bool TImageList::GetBitmap(int Index, TBitmap& Image) const {
  if (Index < 0 || Index >= Count()) return false;
  Image.Assign(FImages[static_cast<std::size_t>(Index)].get());
  return true;
}

void TImageList::Draw(TCanvas& Canvas, int X, int Y, int Index) const {
  if (Index < 0 || Index >= Count()) return;
  Canvas.Draw(X, Y, *FImages[static_cast<std::size_t>(Index)]);
}

} // namespace zk
