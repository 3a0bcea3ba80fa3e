#include "components/Timer.h"

#include <algorithm>

#include <QTimer>

namespace zk {

TTimer::TTimer() : FTimer(std::make_unique<QTimer>()) {
  QObject::connect(FTimer.get(), &QTimer::timeout, [this] {
    if (OnTimer) OnTimer(this);
  });
  UpdateTimer();
}

TTimer::~TTimer() = default;

void TTimer::SetEnabled(bool Value) {
  if (Value == FEnabled) return;
  FEnabled = Value;
  UpdateTimer();
}

void TTimer::SetInterval(std::int32_t Value) {
  Value = std::max(Value, std::int32_t{0});
  if (Value == FInterval) return;
  FInterval = Value;
  UpdateTimer();
}

bool TTimer::Running() const noexcept { return FTimer->isActive(); }

void TTimer::UpdateTimer() {
  if (FEnabled && FInterval > 0)
    FTimer->start(FInterval);
  else
    FTimer->stop();
}

} // namespace zk
