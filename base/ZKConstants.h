#pragma once
#include "runtime/Exceptions.h"

namespace zk {
/// The base exception of the Zelkova libraries; carries a message.
class EZKException : public Exception { using Exception::Exception; };
} // namespace zk
