#include "components/ZKDeltaFont.h"

#include "runtime/PublishedProperties.h"

namespace zk {
namespace {

// Sets Flag to Value for the duration of a scope, and back however it ends.
class TFlagGuard {
public:
  explicit TFlagGuard(bool& Flag) : FFlag(Flag) { FFlag = true; }
  ~TFlagGuard() { FFlag = false; }
  TFlagGuard(const TFlagGuard&) = delete;
  TFlagGuard& operator=(const TFlagGuard&) = delete;

private:
  bool& FFlag;
};

struct TStyleDelta {
  TFontStyle Style;
  TDeltaAttribute Delta;
};
// The order in which differing style flags are recorded.
constexpr TStyleDelta StyleDeltas[] = {
    {fsBold, daBold}, {fsItalic, daItalic}, {fsStrikeOut, daStrikeOut}, {fsUnderline, daUnderline}};

} // namespace

const TFont* TZKCustomDeltaFont::OriginalFont() {
  TFont* Font = nullptr;
  if (OnGetOriginalFont) OnGetOriginalFont(this, Font);
  return Font;
}

void TZKCustomDeltaFont::UpdateDeltas(const TFont* Font) {
  if (FUpdating || Font == nullptr) return;
  TFlagGuard Guard(FUpdating);
  TDeltaAttributes D;
  for (const TStyleDelta& S : StyleDeltas)
    if (Style().Contains(S.Style) != Font->Style().Contains(S.Style)) D.Include(S.Delta);
  if (Color() != Font->Color()) D.Include(daColor);
  if (Name() != Font->Name()) D.Include(daFace);
  if (Size() != Font->Size()) D.Include(daSize);
  FDeltas = D;
}

void TZKCustomDeltaFont::UpdateDeltas() {
  if (const TFont* Font = OriginalFont()) UpdateDeltas(Font);
}

void TZKCustomDeltaFont::UpdateNonDelta(const TFont* Font) {
  if (FUpdating || Font == nullptr) return;
  TFlagGuard Guard(FUpdating);
  TFontStyles S = Style();
  for (const TStyleDelta& D : StyleDeltas)
    if (!FDeltas.Contains(D.Delta)) S.Set(D.Style, Font->Style().Contains(D.Style));
  SetStyle(S);
  if (!FDeltas.Contains(daColor)) SetColor(Font->Color());
  if (!FDeltas.Contains(daFace)) SetName(Font->Name());
  if (!FDeltas.Contains(daSize)) SetSize(Font->Size());
}

void TZKCustomDeltaFont::UpdateNonDelta() {
  if (const TFont* Font = OriginalFont()) UpdateNonDelta(Font);
}

void TZKCustomDeltaFont::Changed() {
  if (!FUpdating) UpdateDeltas();
  TFont::Changed();
}

const TPropertyTable& TZKDeltaFont::PublishedProperties() const {
  static const TPropertyTable Table(TFont::PublishedProperties(), {
    StoredWhen<TZKDeltaFont>(
        SetProperty<TZKDeltaFont>(
            "Deltas", {"daBold", "daColor", "daFace", "daItalic", "daSize", "daStrikeOut", "daUnderline"},
            [](const TZKDeltaFont& F) { return F.Deltas().Bits(); },
            [](TZKDeltaFont& F, TDeltaAttributes::TBits V) { F.SetDeltas(TDeltaAttributes::FromBits(V)); }),
        [](const TZKDeltaFont& F) { return !F.Deltas().Empty(); }),
  });
  return Table;
}

} // namespace zk
