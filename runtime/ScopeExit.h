#pragma once
/// `TScopeExit`: runs a restoring action when a scope ends, normally or by an
/// exception. Drawing routines use it to put pen, brush and font back.
#include <exception>
#include <utility>

namespace zk {

/// A guard that runs Action when it goes out of scope; not copyable.
template <class F>
class TScopeExit {
public:
  /// Holds Action until the scope ends.
  explicit TScopeExit(F Action) : FAction(std::move(Action)), FUncaught(std::uncaught_exceptions()) {}
  TScopeExit(const TScopeExit&) = delete;
  TScopeExit& operator=(const TScopeExit&) = delete;

  /// Runs the action. On a normal exit an exception from it propagates; while
  /// unwinding it is swallowed, since a second exception would terminate the
  /// program and the first one is what the caller must see.
  ~TScopeExit() noexcept(false) {
    if (std::uncaught_exceptions() == FUncaught) {
      FAction();
      return;
    }
    try {
      FAction();
    } catch (...) {
    }
  }

private:
  F FAction;
  int FUncaught;
};

} // namespace zk
