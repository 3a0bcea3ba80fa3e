#pragma once
/// `TZKHintWindow`: a hint window anchored at a chosen corner that hides
/// itself after an interval.
#include "components/HintWindow.h"
#include "components/Timer.h"
#include "path/PathTypes.h"

namespace zk {

/// Every activation starts the owned timer; when it fires the timer stops
/// and the window hides. The point or rectangle given to `ActivateHint` names
/// where the `Corner` of the hint goes.
class TZKHintWindow : public THintWindow {
public:
  /// Coloured with the application's hint colour, its timer disabled with
  /// an interval of 1000 milliseconds.
  explicit TZKHintWindow(QWidget* Parent = nullptr);
  ~TZKHintWindow() override;

  std::string ClassName() const override { return "TZKHintWindow"; }
  /// The base's properties, then Corner (always stored) and Interval
  /// (default 1000).
  const TPropertyTable& PublishedProperties() const override;

  /// Shows AHint with the box Rect moved so that its top-left point becomes
  /// the hint's `Corner` (`crTopRight` moves it left by its width,
  /// `crBottomLeft` up by its height, `crBottomRight` both; coordinates
  /// saturate at the 32-bit range), and starts the timer. An activation made
  /// while one is running (from the window's own show, say) does nothing.
  void ActivateHint(const TRect& Rect, const std::string& AHint) override;
  /// Shows AHint in the box `CalcHintRect` gives for the screen's width,
  /// moved by Point, through the rectangle form. Example: with
  /// `crBottomRight`, a hint of 80 x 20 at (100, 100) covers (20, 80) to
  /// (100, 100).
  void ActivateHint(const TPoint& Point, const std::string& AHint);
  /// Hides the window when it exists on screen and is visible; otherwise
  /// does nothing.
  virtual void HideHint();
  /// The timer's handler: stops the timer, then `HideHint`.
  virtual void TimeOut(TObject* Sender);

  ///@{
  /// The corner of the hint placed at the point `ActivateHint` is given
  /// (`crTopLeft` for a new window). A change takes effect at the next
  /// activation; a hint on screen does not move.
  TZKCorner Corner() const noexcept { return FCorner; }
  void SetCorner(TZKCorner Value) noexcept { FCorner = Value; }
  ///@}
  ///@{
  /// The timer's interval in milliseconds.
  std::int32_t Interval() const noexcept { return FTimer.Interval(); }
  void SetInterval(std::int32_t Value) { FTimer.SetInterval(Value); }
  ///@}
  /// The owned timer.
  TTimer& Timer() noexcept { return FTimer; }

protected:
  /// Paints with the window's `Font`.
  void Paint() override;

private:
  TTimer FTimer;
  bool FActivating = false;
  TZKCorner FCorner = crTopLeft;
};

} // namespace zk
