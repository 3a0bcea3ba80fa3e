#pragma once
/// `TTimer`: a timer component that calls `OnTimer` every `Interval`
/// milliseconds while it is enabled, on the thread of the Qt event loop.
#include <cstdint>
#include <memory>

#include "runtime/Events.h"
#include "runtime/Persistent.h"

class QTimer;

namespace zk {

/// A timer that calls `OnTimer` every `Interval` milliseconds while it is
/// enabled, from the Qt event loop of the thread that made it.
class TTimer : public TObject {
public:
  /// Enabled and counting, with an interval of 1000 milliseconds and no
  /// handler.
  TTimer();
  ~TTimer() override;
  TTimer(const TTimer&) = delete;
  TTimer& operator=(const TTimer&) = delete;

  std::string ClassName() const override { return "TTimer"; }

  ///@{
  /// Whether the timer is meant to tick (true for a new timer); it counts only
  /// with a positive `Interval` as well (`Running`). Enabling counts the
  /// interval from now, disabling drops a pending tick, and setting the value
  /// it has changes nothing.
  bool Enabled() const noexcept { return FEnabled; }
  void SetEnabled(bool Value);
  ///@}
  ///@{
  /// Milliseconds between ticks. An enabled timer with interval 0 does not
  /// run (Qt would fire on every pass of the event loop); negative values are
  /// stored as 0. Changing it while enabled restarts the count.
  std::int32_t Interval() const noexcept { return FInterval; }
  void SetInterval(std::int32_t Value);
  ///@}
  /// True while the timer counts: enabled, with a positive interval.
  bool Running() const noexcept;

  /// Called with this timer at every tick.
  TNotifyEvent OnTimer;

private:
  void UpdateTimer();

  std::unique_ptr<QTimer> FTimer;
  bool FEnabled = true;
  std::int32_t FInterval = 1000;
};

} // namespace zk
