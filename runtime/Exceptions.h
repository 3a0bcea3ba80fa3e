#pragma once
/// The runtime's exception classes. Every error the library raises derives from
/// `Exception`, which carries a message; the hierarchy mirrors the host's so
/// that callers can catch by category (any math error, any conversion error).
#include <stdexcept>
#include <string>

namespace zk {

/// The root of every exception the library raises: a `std::runtime_error`
/// with its message.
class Exception : public std::runtime_error {
public:
  /// An exception carrying Message (UTF-8), which `what()` returns.
  explicit Exception(const std::string& Message) : std::runtime_error(Message) {}
  /// The message the exception was made with.
  std::string Message() const { return what(); }
};

/// Floating-point errors: invalid operation, division by zero, overflow.
class EMathError : public Exception { using Exception::Exception; };
/// An invalid floating-point operation: a NaN operand or result, or a
/// non-finite target where a finite one is needed.
class EInvalidOp : public EMathError {
public:
  EInvalidOp() : EMathError("Invalid floating point operation") {}
  using EMathError::EMathError;
};
/// A floating-point division by zero.
class EZeroDivide : public EMathError {
public:
  EZeroDivide() : EMathError("Floating point division by zero") {}
  using EMathError::EMathError;
};
/// A floating-point result too large for its type (a point outside the
/// Single range, say); the operation leaves its object as it was.
class EOverflow : public EMathError {
public:
  EOverflow() : EMathError("Floating point overflow") {}
  using EMathError::EMathError;
};

/// Integer errors: division by zero, a value outside its range.
class EIntError : public Exception { using Exception::Exception; };
/// An integer division by zero.
class EDivByZero : public EIntError {
public:
  EDivByZero() : EIntError("Division by zero") {}
  using EIntError::EIntError;
};
/// An integer result outside its type.
class EIntOverflow : public EIntError {
public:
  EIntOverflow() : EIntError("Integer overflow") {}
  using EIntError::EIntError;
};
/// An index or value outside the range it must lie in.
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
