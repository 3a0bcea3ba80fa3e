#pragma once
/// Homogeneous 2D vectors and 3x3 matrices.
///
/// A point (x, y) is the row vector (x, y, 1) and is transformed by
/// multiplying it on the left of a matrix: (x, y, w)·M. The translation of an
/// affine matrix therefore sits in the third row (m31, m32), and in a product
/// A·B the left matrix is applied first. Angles passed in are radians; angles
/// returned are degrees where the name says "Angle" of a vector or of a
/// matrix's rotation, radians for the Euler angles.
///
/// Every function is pure. Intermediate sums and products are formed in double
/// (long double for the rotation's sine and cosine) and each stored component
/// is rounded to float once. Nothing here throws: degenerate input answers
/// with a value (a singular matrix inverts to the identity, a zero-length
/// vector normalises to itself).
#include <array>

#include "runtime/Records.h"

namespace zk {

/// 1 on the diagonal (m11, m22, m33), 0 elsewhere.
inline constexpr TMatrix ZKIdentityMatrix{1, 0, 0, 0, 1, 0, 0, 0, 1};

/// A vector seen as its three components X, Y, W (index 0, 1, 2).
using TZKVectorArray = std::array<float, 3>;
/// A matrix seen as its three rows, each a vector (mi1, mi2, mi3).
using TZKMatrixArray = std::array<TVector, 3>;

///@{
/// The components of V in the order X, Y, W.
constexpr TZKVectorArray ZKVectorArray(const TVector& V) noexcept { return {V.X, V.Y, V.W}; }
constexpr TVector ZKVectorFromArray(const TZKVectorArray& A) noexcept { return {A[0], A[1], A[2]}; }
///@}
///@{
/// The rows of M, top to bottom.
constexpr TZKMatrixArray ZKMatrixRows(const TMatrix& M) noexcept {
  return {TVector{M.m11, M.m12, M.m13}, TVector{M.m21, M.m22, M.m23}, TVector{M.m31, M.m32, M.m33}};
}
constexpr TMatrix ZKMatrixFromRows(const TZKMatrixArray& R) noexcept {
  return {R[0].X, R[0].Y, R[0].W, R[1].X, R[1].Y, R[1].W, R[2].X, R[2].Y, R[2].W};
}
///@}

// --- Conversions and copies -------------------------------------------------

/// (X, Y, W).
constexpr TVector ZKVector(float X, float Y, float W) noexcept { return {X, Y, W}; }
/// (P.X, P.Y, W).
constexpr TVector ZKVector(const TPointF& P, float W) noexcept { return {P.X, P.Y, W}; }
///@{
/// A copy of V.
constexpr TVector ZKVector(const TVector& V) noexcept { return V; }
constexpr TVector Vector(const TVector& V) noexcept { return V; }
///@}
///@{
/// A copy of M.
constexpr TMatrix ZKMatrix(const TMatrix& M) noexcept { return M; }
constexpr TMatrix Matrix(const TMatrix& M) noexcept { return M; }
///@}
/// (V.X, V.Y): W is ignored, nothing is divided by it.
constexpr TPointF ZKPoint(const TVector& V) noexcept { return {V.X, V.Y}; }

// --- Vector operations --------------------------------------------------------
// All two-dimensional: W never enters a computation.

/// (A.X + B.X, A.Y + B.Y, 1): the result is a point vector whatever A.W and B.W are.
TVector ZKVectorAdd(const TVector& A, const TVector& B) noexcept;
/// (A.X − B.X, A.Y − B.Y, 1).
TVector ZKVectorSubtract(const TVector& A, const TVector& B) noexcept;
/// A.X·B.X + A.Y·B.Y.
float ZKVectorDotProduct(const TVector& A, const TVector& B) noexcept;
/// A.X·B.Y − A.Y·B.X: positive when B lies clockwise of A on a y-down canvas.
float ZKVectorCrossProductZ(const TVector& A, const TVector& B) noexcept;
/// X² + Y², the squared length.
float ZKVectorNorm(const TVector& V) noexcept;
/// The square root of `ZKVectorNorm`.
float ZKVectorLength(const TVector& V) noexcept;
/// (X / L, Y / L, W) with L the length; V itself, W included, when L is 0 or NaN.
TVector ZKVectorNormalize(const TVector& V) noexcept;
///@{
/// (X·S, Y·S, V.W).
TVector ZKVectorMultiply(const TVector& V, float S) noexcept;
TVector ZKVectorMultiply(float S, const TVector& V) noexcept;
///@}
/// (X·f, Y·f, V.W) with f = 1 / S rounded to float; V unchanged when S is exactly 0.
TVector ZKVectorDivide(const TVector& V, float S) noexcept;
/// V reflected on the line whose unit normal is N: V − 2·(V·N)·N, W = 1. N is
/// not normalised here; the reflection is only correct for a unit-length N.
TVector ZKVectorReflect(const TVector& V, const TVector& N) noexcept;
/// Cosine of the angle between A and B: dot / (|B|·|A|), capped above at
/// exactly 1 (not below). 0 when either vector has length exactly 0.
float ZKVectorAngleCosine(const TVector& A, const TVector& B) noexcept;
/// Signed angle from A to B in degrees, in [−180, 180]: negative when the
/// cross product is ≥ 0, so parallel vectors give −0 and (1,0)→(0,1) gives −90.
/// A zero-length vector gives −90 (its cosine is 0). A cosine that rounding
/// leaves just below −1 (nearly opposite vectors) counts as −1, so the answer
/// is ±180 rather than a failure; NaN components give NaN.
float ZKVectorAngle(const TVector& A, const TVector& B) noexcept;

// --- Matrix products and transforms ----------------------------------------

// The products are defined here so that hot loops (arc placement, path
// transforms) inline them; each sum is formed in double and stored as float.

/// V·M, all three components computed (W included).
inline TVector ZKMatrixMultiply(const TVector& V, const TMatrix& M) noexcept {
  return {static_cast<float>(double(V.X) * M.m11 + double(V.Y) * M.m21 + double(V.W) * M.m31),
          static_cast<float>(double(V.X) * M.m12 + double(V.Y) * M.m22 + double(V.W) * M.m32),
          static_cast<float>(double(V.X) * M.m13 + double(V.Y) * M.m23 + double(V.W) * M.m33)};
}
/// The product A·B: a vector times A·B is the vector transformed by A, then by B.
inline TMatrix ZKMatrixMultiply(const TMatrix& A, const TMatrix& B) noexcept {
  const TVector R1 = ZKMatrixMultiply(TVector{A.m11, A.m12, A.m13}, B);
  const TVector R2 = ZKMatrixMultiply(TVector{A.m21, A.m22, A.m23}, B);
  const TVector R3 = ZKMatrixMultiply(TVector{A.m31, A.m32, A.m33}, B);
  return {R1.X, R1.Y, R1.W, R2.X, R2.Y, R2.W, R3.X, R3.Y, R3.W};
}
/// (P.X·m11 + P.Y·m21 + m31, P.X·m12 + P.Y·m22 + m32): P as a point, the third
/// column ignored.
inline TPointF ZKMatrixMultiply(const TPointF& P, const TMatrix& M) noexcept {
  return {static_cast<float>(double(P.X) * M.m11 + double(P.Y) * M.m21 + M.m31),
          static_cast<float>(double(P.X) * M.m12 + double(P.Y) * M.m22 + M.m32)};
}
/// The length a distance S becomes under M, measured along the vertical axis:
/// |S| times the length of the row (m21, m22), so a matrix that scales X and Y
/// differently reports its vertical scale. Exactly 0 for S = 0.
float ZKMatrixMultiply(float S, const TMatrix& M) noexcept;
/// X and Y of V·M; W of the result is 1, not computed.
TVector ZKMatrixTransform(const TMatrix& M, const TVector& V) noexcept;
/// The top-left and bottom-right corners of R transformed as points. The other
/// two corners are not looked at and the result is not normalised: under a
/// rotation or a mirror Left may exceed Right.
TRectF ZKMatrixTransform(const TMatrix& M, const TRectF& R) noexcept;

// --- Comparison ----------------------------------------------------------------

/// All nine elements the same value by `SameValue(a, b, Epsilon)`. An Epsilon
/// of 0 means `SameValue`'s default relative tolerance (1E-4), not exactness.
bool ZKMatrixEquals(const TMatrix& A, const TMatrix& B, float Epsilon) noexcept;
/// All nine elements exactly equal to those of `ZKIdentityMatrix` (−0 equals 0).
bool IsIdentityMatrix(const TMatrix& M) noexcept;

// --- Determinant, adjugate and inverse --------------------------------------

/// The determinant, expanded along the first row.
float ZKMatrixDeterminant(const TMatrix& M) noexcept;
/// Replaces M by its adjugate (the transpose of its cofactor matrix).
void AdjointZKMatrix(TMatrix& M) noexcept;
/// Multiplies every element of M by F.
void ScaleZKMatrix(TMatrix& M, float F) noexcept;
/// Replaces M by its inverse: adjugate(M) times 1/d with d the determinant.
/// A singular matrix (|d| below `Epsilon`, 1E-40) or one whose determinant is
/// NaN becomes `ZKIdentityMatrix`, silently. A determinant so small that 1/d
/// exceeds float gives infinite elements.
void InvertZKMatrix(TMatrix& M) noexcept;

// --- Constructors -------------------------------------------------------------

/// Rotation about the origin by Angle radians: a point (x, y) goes to
/// (x·c − y·s, x·s + y·c), which on a y-down canvas turns clockwise.
TMatrix CreateRotationZKMatrix(float Angle) noexcept;
/// Rotation by Angle radians about Center: translate Center to the origin,
/// rotate, translate back.
TMatrix CreateRotationZKMatrix(const TPointF& Center, float Angle) noexcept;
/// The identity with m11 = SX and m22 = SY.
constexpr TMatrix CreateScaleZKMatrix(float SX, float SY) noexcept { return {SX, 0, 0, 0, SY, 0, 0, 0, 1}; }
/// The identity with m31 = DX and m32 = DY.
constexpr TMatrix CreateTranslateZKMatrix(float DX, float DY) noexcept { return {1, 0, 0, 0, 1, 0, DX, DY, 1}; }

// --- Decompositions -----------------------------------------------------------

/// (m31, m32).
constexpr TPointF ZKMatrixTranslationVector(const TMatrix& M) noexcept { return {M.m31, M.m32}; }
/// (m11, m22), taking no account of rotation or skew.
constexpr TPointF ZKMatrixScaleVector(const TMatrix& M) noexcept { return {M.m11, M.m22}; }
/// The rotation of M in degrees, in [0, 360): a matrix made by
/// `CreateRotationZKMatrix` of θ degrees (as radians) gives θ for θ in [0, 360),
/// −90° gives 270, and 0 gives 0, never 360. NaN elements give NaN.
float ZKMatrixRotationAngle(const TMatrix& M) noexcept;
/// Three angles in radians as (X, Y, W): X = atan2(m32, m33),
/// Y = atan2(−m31, √(m32² + m33²)), W = atan2(m21, m11).
TVector ZKMatrixEulerAngles(const TMatrix& M) noexcept;

} // namespace zk
