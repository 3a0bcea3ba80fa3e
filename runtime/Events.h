#pragma once
#include <functional>

namespace zk {
class TObject;
/// An event handler called with the object that sent it.
using TNotifyEvent = std::function<void(TObject* Sender)>;
} // namespace zk
