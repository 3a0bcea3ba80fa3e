#include "components/ZKHintWindow.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include <QGuiApplication>
#include <QScreen>

#include "runtime/PublishedProperties.h"

namespace zk {
namespace {

std::int32_t Saturated(std::int64_t V) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      V, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// R moved by (DX, DY), each coordinate saturated.
TRect Moved(const TRect& R, std::int64_t DX, std::int64_t DY) {
  return {Saturated(R.Left + DX), Saturated(R.Top + DY), Saturated(R.Right + DX),
          Saturated(R.Bottom + DY)};
}

} // namespace

TZKHintWindow::TZKHintWindow(QWidget* Parent) : THintWindow(Parent) {
  FTimer.SetEnabled(false);
  FTimer.OnTimer = [this](TObject* Sender) { TimeOut(Sender); };
}

TZKHintWindow::~TZKHintWindow() = default;

const TPropertyTable& TZKHintWindow::PublishedProperties() const {
  static const TPropertyTable Table(THintWindow::PublishedProperties(), {
    EnumProperty<TZKHintWindow>("Corner", {"crTopLeft", "crTopRight", "crBottomLeft", "crBottomRight"},
                                &TZKHintWindow::Corner, &TZKHintWindow::SetCorner),
    IntegerProperty<TZKHintWindow>("Interval", &TZKHintWindow::Interval,
                                   &TZKHintWindow::SetInterval, 1000),
  });
  return Table;
}

void TZKHintWindow::ActivateHint(const TRect& Rect, const std::string& AHint) {
  if (FActivating) return;
  FActivating = true;
  struct TReset {
    bool& Flag;
    ~TReset() { Flag = false; }
  } Reset{FActivating};
  // Each activation counts the interval afresh.
  FTimer.SetEnabled(false);
  FTimer.SetEnabled(true);
  const std::int64_t W = std::int64_t{Rect.Right} - Rect.Left;
  const std::int64_t H = std::int64_t{Rect.Bottom} - Rect.Top;
  const bool Right = FCorner == crTopRight || FCorner == crBottomRight;
  const bool Bottom = FCorner == crBottomLeft || FCorner == crBottomRight;
  THintWindow::ActivateHint(Moved(Rect, Right ? -W : 0, Bottom ? -H : 0), AHint);
}

void TZKHintWindow::ActivateHint(const TPoint& Point, const std::string& AHint) {
  const QScreen* Screen = QGuiApplication::primaryScreen();
  const int ScreenWidth = Screen != nullptr ? Screen->geometry().width() : QWIDGETSIZE_MAX;
  const TRect R = CalcHintRect(ScreenWidth, AHint, nullptr);
  ActivateHint(Moved(R, Point.X, Point.Y), AHint);
}

void TZKHintWindow::HideHint() {
  if (testAttribute(Qt::WA_WState_Created) && isVisible()) hide();
}

void TZKHintWindow::TimeOut(TObject*) {
  FTimer.SetEnabled(false);
  HideHint();
}

void TZKHintWindow::Paint() {
  Canvas().Font().Assign(&Font());
  THintWindow::Paint();
}

} // namespace zk
