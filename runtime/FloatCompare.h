#pragma once
/// The host's tolerant float comparison and its constants.
namespace zk {

/// The smallest magnitude the host treats as non-zero (a subnormal Single,
/// 9.99994610e-41). A matrix whose determinant is below it is singular; as a
/// `SameValue` tolerance it means "exactly equal" in practice.
inline constexpr float Epsilon = 1e-40f;

/// pi as a Single (3.14159274...), the host's cPI.
inline constexpr float cPI = 3.141592654f;

/// True when A and B differ by at most Eps. An Eps of 0 means the default
/// tolerance max(min(|A|, |B|) * Res, Res), where Res is 1E-4 for Single
/// operands; it is not "exact". NaN operands are never the same value.
bool SameValue(float A, float B, float Eps = 0.0f) noexcept;
/// The Double form of the above: the same rule, with Res 1E-12 for the
/// default tolerance.
bool SameValue(double A, double B, double Eps = 0.0) noexcept;

} // namespace zk
