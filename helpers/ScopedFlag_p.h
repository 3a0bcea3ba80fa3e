#pragma once
// Sets a boolean property of a widget for a scope and restores the previous
// value on every path out of it (repaints or sorting suspended, say).

namespace zk {

template <class Widget>
class TScopedFlag {
public:
  TScopedFlag(Widget& Target, bool (Widget::*Get)() const, void (Widget::*Set)(bool), bool Value)
      : FTarget(Target), FSet(Set), FWas((Target.*Get)()) {
    (FTarget.*FSet)(Value);
  }
  ~TScopedFlag() { (FTarget.*FSet)(FWas); }
  TScopedFlag(const TScopedFlag&) = delete;
  TScopedFlag& operator=(const TScopedFlag&) = delete;

private:
  Widget& FTarget;
  void (Widget::*FSet)(bool);
  bool FWas;
};

} // namespace zk
