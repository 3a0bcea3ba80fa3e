#pragma once
/// The runtime's exception classes. Every error the library raises derives from
/// `Exception`, which carries a message; the hierarchy mirrors the host's so
/// that callers can catch by category (any math error, any conversion error).
#include <stdexcept>
#include <string>

namespace zk {

class Exception : public std::runtime_error {
public:
  explicit Exception(const std::string& Message) : std::runtime_error(Message) {}
  std::string Message() const { return what(); }
};

/// Floating-point errors: invalid operation, division by zero, overflow.
class EMathError : public Exception { using Exception::Exception; };
class EInvalidOp : public EMathError {
public:
  EInvalidOp() : EMathError("Invalid floating point operation") {}
  using EMathError::EMathError;
};
class EZeroDivide : public EMathError {
public:
  EZeroDivide() : EMathError("Floating point division by zero") {}
  using EMathError::EMathError;
};
class EOverflow : public EMathError {
public:
  EOverflow() : EMathError("Floating point overflow") {}
  using EMathError::EMathError;
};

/// Integer errors: division by zero, a value outside its range.
class EIntError : public Exception { using Exception::Exception; };
class EDivByZero : public EIntError {
public:
  EDivByZero() : EIntError("Division by zero") {}
  using EIntError::EIntError;
};
class EIntOverflow : public EIntError {
public:
  EIntOverflow() : EIntError("Integer overflow") {}
  using EIntError::EIntError;
};
class ERangeError : public EIntError {
public:
  ERangeError() : EIntError("Range check error") {}
  using EIntError::EIntError;
};

/// Text that is not a number, or an assignment between unrelated classes.
class EConvertError : public Exception { using Exception::Exception; };

/// Streaming errors: a stream that ends early, a form file that cannot be read.
class EStreamError : public Exception { using Exception::Exception; };
class EReadError : public EStreamError { using EStreamError::EStreamError; };
class EWriteError : public EStreamError { using EStreamError::EStreamError; };

} // namespace zk
