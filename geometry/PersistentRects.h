#pragma once
/// Change-notifying rectangles: persistent objects holding one integer or
/// Single rectangle, with its sides and size as properties and one
/// `OnChange` event fired after every effective change.
#include <cstdint>
#include <functional>
#include <string>

#include "runtime/Events.h"
#include "runtime/Persistent.h"
#include "runtime/Records.h"

namespace zk {

/// Told a rectangle (Sender, aRect).
using TZKRectEvent = std::function<void(TObject* Sender, const TRectF& aRect)>;
/// Asked for a rectangle: the handler fills aRect in.
using TZKGetRectEvent = std::function<void(TObject* Sender, TRectF& aRect)>;

/// The work shared by both families: R is the rectangle record, V its side
/// type. Sides are never normalised; a negative width or height is kept.
/// Integer sums wrap in 32 bits; Single sums are formed in double and
/// stored as Single.
template <class R, class V>
class TZKRectOf : public TPersistent {
public:
  /// The type of a side: `std::int32_t` or float.
  using TValue = V;

  /// From an object of the same family: copies the four sides and fires
  /// `Change`, even when nothing differs. Anything else (the other family
  /// included) raises the assignment error.
  void Assign(const TPersistent* Source) override;

  /// The rectangle as a record.
  const R& BoundsRect() const noexcept { return FBoundsRect; }
  /// Replaces the rectangle and fires `Change`, even when nothing differs.
  virtual void SetBoundsRect(const R& Value);

  /// By Index: 0 Left, 1 Top, 2 Right, 3 Bottom, 4 Height (Bottom - Top),
  /// anything else Width (Right - Left).
  virtual V GetSize(int Index) const noexcept;
  /// Writes the side Index names, or for Height / Width moves Bottom / Right
  /// so that the size becomes Value. A value equal to the current one
  /// (exactly) does nothing; otherwise `Change` fires once.
  virtual void SetSize(int Index, V Value);

  /// The left side (`GetSize(0)`).
  V Left() const noexcept { return GetSize(0); }
  /// The top side (`GetSize(1)`).
  V Top() const noexcept { return GetSize(1); }
  /// The right side (`GetSize(2)`).
  V Right() const noexcept { return GetSize(2); }
  /// The bottom side (`GetSize(3)`).
  V Bottom() const noexcept { return GetSize(3); }
  /// Bottom - Top (`GetSize(4)`).
  V Height() const noexcept { return GetSize(4); }
  /// Right - Left (`GetSize(5)`).
  V Width() const noexcept { return GetSize(5); }
  /// Moves the left side (`SetSize(0, Value)`).
  void SetLeft(V Value) { SetSize(0, Value); }
  /// Moves the top side (`SetSize(1, Value)`).
  void SetTop(V Value) { SetSize(1, Value); }
  /// Moves the right side (`SetSize(2, Value)`).
  void SetRight(V Value) { SetSize(2, Value); }
  /// Moves the bottom side (`SetSize(3, Value)`).
  void SetBottom(V Value) { SetSize(3, Value); }
  /// Moves the bottom side so that the height becomes Value (`SetSize(4, Value)`).
  void SetHeight(V Value) { SetSize(4, Value); }
  /// Moves the right side so that the width becomes Value (`SetSize(5, Value)`).
  void SetWidth(V Value) { SetSize(5, Value); }

  /// Moves the top-left corner to (X, Y), keeping the size; nothing when it
  /// is already there.
  virtual void MoveTo(V X, V Y);
  /// Moves by (DX, DY); fires once unless both are 0.
  virtual void Translate(V DX, V DY);
  /// Grows about the centre by `ScaleRect` (the base package's for integer
  /// rectangles: DX div 2 on each side); always fires, also for (0, 0).
  virtual void Scale(V DX, V DY);

  /// Called with this object after every change.
  TNotifyEvent OnChange;

protected:
  /// Calls `OnChange`.
  virtual void Change();

private:
  R FBoundsRect;
};

extern template class TZKRectOf<TRect, std::int32_t>;
extern template class TZKRectOf<TRectF, float>;

/// The integer family's base.
class TZKCustomRect : public TZKRectOf<TRect, std::int32_t> {
public:
  std::string ClassName() const override { return "TZKCustomRect"; }
};

/// The Single family's base.
class TZKCustomZKRect : public TZKRectOf<TRectF, float> {
public:
  std::string ClassName() const override { return "TZKCustomZKRect"; }
};

/// Publishes Left, Top, Right, Bottom (each stored when not 0).
class TZKObjectRect : public TZKCustomRect {
public:
  std::string ClassName() const override { return "TZKObjectRect"; }
  const TPropertyTable& PublishedProperties() const override;
};

/// Publishes Left, Top, Right, Bottom, Height, Width (each stored when not 0).
/// Height and Width are read after the sides and so reproduce them.
class TObjectSize : public TZKCustomRect {
public:
  std::string ClassName() const override { return "TObjectSize"; }
  const TPropertyTable& PublishedProperties() const override;
};

/// Publishes Left, Top, Right, Bottom as Singles (each stored when not 0).
class TZKObjectZKRect : public TZKCustomZKRect {
public:
  std::string ClassName() const override { return "TZKObjectZKRect"; }
  const TPropertyTable& PublishedProperties() const override;
};

} // namespace zk
