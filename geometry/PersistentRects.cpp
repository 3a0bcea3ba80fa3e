#include "geometry/PersistentRects.h"

#include <type_traits>

#include "base/HelperFunctions.h"
#include "geometry/Geometry.h"
#include "runtime/PublishedProperties.h"

namespace zk {

namespace {

// A + B - C: integer sides wrap in 32 bits (as the host's unchecked Integer
// arithmetic does, without C++'s undefined overflow); Single sides are summed
// in double and stored as Single.
std::int32_t SumOf(std::int32_t A, std::int32_t B, std::int32_t C) noexcept {
  return static_cast<std::int32_t>(std::int64_t{A} + B - C);
}
float SumOf(float A, float B, float C) noexcept {
  return static_cast<float>(double{A} + double{B} - double{C});
}

template <class C, class V>
TPropertyInfo SideProperty(const char* Name, int Index) {
  auto Get = [Index](const C& R) { return R.GetSize(Index); };
  auto Set = [Index](C& R, V Value) { R.SetSize(Index, Value); };
  if constexpr (std::is_floating_point_v<V>)
    return FloatProperty<C>(Name, Get, Set, 0.0f);
  else
    return IntegerProperty<C>(Name, Get, Set, 0);
}

template <class C, class V>
TPropertyTable SideTable() {
  return TPropertyTable{SideProperty<C, V>("Left", 0), SideProperty<C, V>("Top", 1),
                        SideProperty<C, V>("Right", 2), SideProperty<C, V>("Bottom", 3)};
}

} // namespace

template <class R, class V>
void TZKRectOf<R, V>::Assign(const TPersistent* Source) {
  if (const auto* Rect = dynamic_cast<const TZKRectOf*>(Source)) {
    SetBoundsRect(Rect->FBoundsRect);
    return;
  }
  TPersistent::Assign(Source);
}

template <class R, class V>
void TZKRectOf<R, V>::SetBoundsRect(const R& Value) {
  FBoundsRect = Value;
  Change();
}

template <class R, class V>
V TZKRectOf<R, V>::GetSize(int Index) const noexcept {
  switch (Index) {
  case 0: return FBoundsRect.Left;
  case 1: return FBoundsRect.Top;
  case 2: return FBoundsRect.Right;
  case 3: return FBoundsRect.Bottom;
  case 4: return SumOf(FBoundsRect.Bottom, V{0}, FBoundsRect.Top);
  default: return SumOf(FBoundsRect.Right, V{0}, FBoundsRect.Left);
  }
}

template <class R, class V>
void TZKRectOf<R, V>::SetSize(int Index, V Value) {
  if (Value == GetSize(Index)) return;
  switch (Index) {
  case 0: FBoundsRect.Left = Value; break;
  case 1: FBoundsRect.Top = Value; break;
  case 2: FBoundsRect.Right = Value; break;
  case 3: FBoundsRect.Bottom = Value; break;
  case 4: FBoundsRect.Bottom = SumOf(FBoundsRect.Top, Value, V{0}); break;
  default: FBoundsRect.Right = SumOf(FBoundsRect.Left, Value, V{0}); break;
  }
  Change();
}

template <class R, class V>
void TZKRectOf<R, V>::MoveTo(V X, V Y) {
  if (X == FBoundsRect.Left && Y == FBoundsRect.Top) return;
  FBoundsRect.Right = SumOf(X, FBoundsRect.Right, FBoundsRect.Left);
  FBoundsRect.Bottom = SumOf(Y, FBoundsRect.Bottom, FBoundsRect.Top);
  FBoundsRect.Left = X;
  FBoundsRect.Top = Y;
  Change();
}

template <class R, class V>
void TZKRectOf<R, V>::Translate(V DX, V DY) {
  if (DX != 0) {
    FBoundsRect.Left = SumOf(FBoundsRect.Left, DX, V{0});
    FBoundsRect.Right = SumOf(FBoundsRect.Right, DX, V{0});
  }
  if (DY != 0) {
    FBoundsRect.Top = SumOf(FBoundsRect.Top, DY, V{0});
    FBoundsRect.Bottom = SumOf(FBoundsRect.Bottom, DY, V{0});
  }
  if (DX != 0 || DY != 0) Change();
}

template <class R, class V>
void TZKRectOf<R, V>::Scale(V DX, V DY) {
  // Integer arguments pick the base package's ScaleRect (exact match).
  FBoundsRect = ScaleRect(FBoundsRect, DX, DY);
  Change();
}

template <class R, class V>
void TZKRectOf<R, V>::Change() {
  if (OnChange) OnChange(this);
}

template class TZKRectOf<TRect, std::int32_t>;
template class TZKRectOf<TRectF, float>;

const TPropertyTable& TZKObjectRect::PublishedProperties() const {
  static const TPropertyTable Table = SideTable<TZKObjectRect, std::int32_t>();
  return Table;
}

const TPropertyTable& TObjectSize::PublishedProperties() const {
  static const TPropertyTable Table(SideTable<TObjectSize, std::int32_t>(),
                                    {SideProperty<TObjectSize, std::int32_t>("Height", 4),
                                     SideProperty<TObjectSize, std::int32_t>("Width", 5)});
  return Table;
}

const TPropertyTable& TZKObjectZKRect::PublishedProperties() const {
  static const TPropertyTable Table = SideTable<TZKObjectZKRect, float>();
  return Table;
}

} // namespace zk
