#pragma once
/// Delta fonts: fonts that remember in which attributes they differ from a
/// reference font, so that a component can follow a parent or default font
/// while keeping what the user changed.
#include <cstdint>
#include <functional>

#include "canvas/Canvas.h"
#include "runtime/Set.h"

namespace zk {

/// A font attribute in which a delta font may differ from its reference
/// font: the bold, italic, strike-out and underline style flags, the colour,
/// the face name and the point size.
enum TDeltaAttribute : std::uint8_t {
  daBold, daColor, daFace, daItalic, daSize, daStrikeOut, daUnderline
};
/// A set of delta attributes, one byte; bit n is `TDeltaAttribute` n.
using TDeltaAttributes = TSet<TDeltaAttribute, 7>;
static_assert(sizeof(TDeltaAttributes) == 1);

/// Asked for the reference font: the handler sets Font to it, or leaves it
/// null when there is none. The font stays the handler's.
using TFontEvent = std::function<void(TObject* Sender, TFont*& Font)>;

/// A font whose `Deltas` follow every change made to it from outside: each
/// change asks `OnGetOriginalFont` for the reference font and records the
/// compared attributes that differ. Compared are the four style flags, the
/// colour, the face name (exactly, letter case counts) and the point size;
/// charset, pitch, pixel height beyond the size and orientation are not.
class TZKCustomDeltaFont : public TFont {
public:
  std::string ClassName() const override { return "TZKCustomDeltaFont"; }

  /// The attributes in which the font differs from the reference font, as
  /// the last recomputation found them (or as `SetDeltas` stored them); empty
  /// for a new font.
  TDeltaAttributes Deltas() const noexcept { return FDeltas; }
  /// Stores the set as it is: nothing is recomputed or copied (a form file
  /// restores the deltas this way).
  void SetDeltas(TDeltaAttributes Value) noexcept { FDeltas = Value; }

  /// Recomputes `Deltas` against Font: bold, italic, strike-out and
  /// underline for each style flag the two fonts do not share, then colour,
  /// face and size where they differ. Does nothing for a null Font, or while
  /// an update of this font is running. The font itself is not changed.
  virtual void UpdateDeltas(const TFont* Font);
  /// `UpdateDeltas` against the font `OnGetOriginalFont` supplies; nothing
  /// without a handler or when the handler supplies none.
  void UpdateDeltas();
  /// Copies from Font every compared attribute that is not a delta (one
  /// style assignment, then colour, face and size), leaving `Deltas` as they
  /// are. Each copy that changes the font notifies its owner (`OnChange`);
  /// none recomputes the deltas. Does nothing for a null Font, or while an
  /// update of this font is running.
  virtual void UpdateNonDelta(const TFont* Font);
  /// `UpdateNonDelta` from the font `OnGetOriginalFont` supplies; nothing
  /// without a handler or when the handler supplies none.
  void UpdateNonDelta();

  /// Supplies the reference font.
  TFontEvent OnGetOriginalFont;
  /// Kept for the component that owns the font; no operation here calls it.
  /// Changes reach the owner through `OnChange`.
  TNotifyEvent OnChanged;

protected:
  /// Recomputes the deltas against the reference font (unless an update is
  /// running), then notifies the owner as every font does.
  void Changed() override;

private:
  const TFont* OriginalFont();

  TDeltaAttributes FDeltas;
  bool FUpdating = false;
};

/// The delta font as components publish it: every published property of the
/// font, then `Deltas`, stored only when not empty.
class TZKDeltaFont : public TZKCustomDeltaFont {
public:
  std::string ClassName() const override { return "TZKDeltaFont"; }
  const TPropertyTable& PublishedProperties() const override;
};

} // namespace zk
