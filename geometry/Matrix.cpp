#include "geometry/Matrix.h"

#include <cmath>
#include <limits>
#include <numbers>

#include "runtime/FloatCompare.h"

namespace zk {
namespace {

// Each stored component is rounded to float once from a double intermediate.
// On IEEE types a double beyond float's range rounds to infinity rather than
// being undefined.
static_assert(std::numeric_limits<float>::is_iec559 && std::numeric_limits<double>::is_iec559);
constexpr float Single(double Value) noexcept { return static_cast<float>(Value); }

constexpr double RadToDeg = 180.0 / std::numbers::pi;

} // namespace

// --- Vector operations --------------------------------------------------------

TVector ZKVectorAdd(const TVector& A, const TVector& B) noexcept {
  return {Single(double(A.X) + B.X), Single(double(A.Y) + B.Y), 1};
}

TVector ZKVectorSubtract(const TVector& A, const TVector& B) noexcept {
  return {Single(double(A.X) - B.X), Single(double(A.Y) - B.Y), 1};
}

float ZKVectorDotProduct(const TVector& A, const TVector& B) noexcept {
  return Single(double(A.X) * B.X + double(A.Y) * B.Y);
}

float ZKVectorCrossProductZ(const TVector& A, const TVector& B) noexcept {
  return Single(double(A.X) * B.Y - double(A.Y) * B.X);
}

float ZKVectorNorm(const TVector& V) noexcept {
  return Single(double(V.X) * V.X + double(V.Y) * V.Y);
}

float ZKVectorLength(const TVector& V) noexcept { return Single(std::sqrt(double(ZKVectorNorm(V)))); }

TVector ZKVectorNormalize(const TVector& V) noexcept {
  const float L = ZKVectorLength(V);
  if (!(L > 0)) return V;
  return {Single(double(V.X) / L), Single(double(V.Y) / L), V.W};
}

TVector ZKVectorMultiply(const TVector& V, float S) noexcept {
  return {Single(double(V.X) * S), Single(double(V.Y) * S), V.W};
}

TVector ZKVectorMultiply(float S, const TVector& V) noexcept { return ZKVectorMultiply(V, S); }

TVector ZKVectorDivide(const TVector& V, float S) noexcept {
  if (S == 0) return V;
  // One reciprocal, rounded to float, then two multiplications: the quotient
  // may differ from X / S in the last bit.
  const float F = Single(1.0 / S);
  return ZKVectorMultiply(V, F);
}

TVector ZKVectorReflect(const TVector& V, const TVector& N) noexcept {
  const float K = Single(-2.0 * ZKVectorDotProduct(V, N));
  const float NX = Single(double(N.X) * K);
  const float NY = Single(double(N.Y) * K);
  return {Single(double(V.X) + NX), Single(double(V.Y) + NY), 1};
}

float ZKVectorAngleCosine(const TVector& A, const TVector& B) noexcept {
  const float LA = ZKVectorLength(A);
  const float LB = ZKVectorLength(B);
  if (LA == 0 || LB == 0) return 0;
  const float C = Single(double(ZKVectorDotProduct(A, B)) / (double(LB) * LA));
  return C > 1 ? 1.0f : C;
}

float ZKVectorAngle(const TVector& A, const TVector& B) noexcept {
  const float Z = ZKVectorCrossProductZ(A, B);
  float C = ZKVectorAngleCosine(A, B);
  // Nearly opposite vectors can round the cosine just below −1, outside the
  // arc cosine's domain; such a pair is opposite, so take −1.
  if (C < -1) C = -1;
  const float U = Single(std::acos(double(C)) * RadToDeg);
  return Z >= 0 ? -U : U;
}

// --- Matrix products and transforms ----------------------------------------

float ZKMatrixMultiply(float S, const TMatrix& M) noexcept {
  if (S == 0) return 0;
  // Measure the image of a vertical segment of length S; the translation
  // cancels in the difference.
  const TVector P1 = ZKMatrixMultiply(ZKVector(0, S, 1), M);
  const TVector P0 = ZKMatrixMultiply(ZKVector(0, 0, 1), M);
  return ZKVectorLength(ZKVectorSubtract(P1, P0));
}

TVector ZKMatrixTransform(const TMatrix& M, const TVector& V) noexcept {
  const TVector P = ZKMatrixMultiply(V, M);
  return {P.X, P.Y, 1};
}

TRectF ZKMatrixTransform(const TMatrix& M, const TRectF& R) noexcept {
  const TVector TL = ZKMatrixTransform(M, ZKVector(R.Left, R.Top, 1));
  const TVector BR = ZKMatrixTransform(M, ZKVector(R.Right, R.Bottom, 1));
  return {TL.X, TL.Y, BR.X, BR.Y};
}

// --- Comparison ----------------------------------------------------------------

bool ZKMatrixEquals(const TMatrix& A, const TMatrix& B, float Epsilon) noexcept {
  const TZKMatrixArray RA = ZKMatrixRows(A);
  const TZKMatrixArray RB = ZKMatrixRows(B);
  for (std::size_t I = 0; I < RA.size(); ++I) {
    if (!SameValue(RA[I].X, RB[I].X, Epsilon) || !SameValue(RA[I].Y, RB[I].Y, Epsilon) ||
        !SameValue(RA[I].W, RB[I].W, Epsilon))
      return false;
  }
  return true;
}

bool IsIdentityMatrix(const TMatrix& M) noexcept { return M == ZKIdentityMatrix; }

// --- Determinant, adjugate and inverse --------------------------------------

float ZKMatrixDeterminant(const TMatrix& M) noexcept {
  const double A = M.m11, B = M.m12, C = M.m13;
  const double D = M.m21, E = M.m22, F = M.m23;
  const double G = M.m31, H = M.m32, I = M.m33;
  return Single(A * (E * I - H * F) - B * (I * D - F * G) + C * (H * D - E * G));
}

void AdjointZKMatrix(TMatrix& M) noexcept {
  const double A = M.m11, B = M.m12, C = M.m13;
  const double D = M.m21, E = M.m22, F = M.m23;
  const double G = M.m31, H = M.m32, I = M.m33;
  M = {Single(E * I - H * F), Single(-(B * I - C * H)), Single(B * F - C * E),
       Single(-(D * I - F * G)), Single(A * I - C * G), Single(-(A * F - C * D)),
       Single(D * H - E * G), Single(-(A * H - B * G)), Single(A * E - B * D)};
}

void ScaleZKMatrix(TMatrix& M, float F) noexcept {
  TZKMatrixArray Rows = ZKMatrixRows(M);
  for (TVector& Row : Rows) Row = {Single(double(Row.X) * F), Single(double(Row.Y) * F), Single(double(Row.W) * F)};
  M = ZKMatrixFromRows(Rows);
}

void InvertZKMatrix(TMatrix& M) noexcept {
  const float D = ZKMatrixDeterminant(M);
  // Written so that a NaN determinant also takes the singular branch.
  if (!(std::fabs(D) >= Epsilon)) {
    M = ZKIdentityMatrix;
    return;
  }
  AdjointZKMatrix(M);
  ScaleZKMatrix(M, Single(1.0 / D));
}

// --- Constructors -------------------------------------------------------------

TMatrix CreateRotationZKMatrix(float Angle) noexcept {
  // sin(+-0) = +-0 and cos(+-0) = 1 exactly: the unturned case, which nearly
  // every arc of real path data has, needs no trigonometry.
  if (Angle == 0) return {1, Angle, 0, -Angle, 1, 0, 0, 0, 1};
  const long double A = Angle;
  const float S = static_cast<float>(std::sin(A));
  const float C = static_cast<float>(std::cos(A));
  return {C, S, 0, -S, C, 0, 0, 0, 1};
}

TMatrix CreateRotationZKMatrix(const TPointF& Center, float Angle) noexcept {
  return ZKMatrixMultiply(
      ZKMatrixMultiply(CreateTranslateZKMatrix(-Center.X, -Center.Y), CreateRotationZKMatrix(Angle)),
      CreateTranslateZKMatrix(Center.X, Center.Y));
}

// --- Decompositions -----------------------------------------------------------

float ZKMatrixRotationAngle(const TMatrix& M) noexcept {
  // For a rotation by θ, m21 = −sin θ, so atan2 gives −θ in (−180, 180];
  // 360 − a is θ in (180, 540], folded into [0, 360) so that 0 stays 0.
  const float A = Single(std::atan2(double(M.m21), double(M.m11)) * RadToDeg);
  float R = Single(360.0 - A);
  if (R / 360.0 >= 1) R = Single(R - 360.0 * std::trunc(R / 360.0));
  return R;
}

TVector ZKMatrixEulerAngles(const TMatrix& M) noexcept {
  const double H = M.m32, I = M.m33;
  return {Single(std::atan2(H, I)), Single(std::atan2(-double(M.m31), std::sqrt(H * H + I * I))),
          Single(std::atan2(double(M.m21), double(M.m11)))};
}

} // namespace zk
