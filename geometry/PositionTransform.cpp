#include "geometry/PositionTransform.h"

#include <numbers>

#include "geometry/Geometry.h"
#include "geometry/Matrix.h"
#include "runtime/FloatCompare.h"
#include "runtime/FormReader.h"
#include "runtime/PublishedProperties.h"

namespace zk {

// ---- TZKPosition ---------------------------------------------------------------

TZKPosition::TZKPosition(const TPointF& ADefaultValue) noexcept
    : FY(ADefaultValue.Y), FX(ADefaultValue.X), FDefaultValue(ADefaultValue) {}

void TZKPosition::Assign(const TPersistent* Source) {
  if (const auto* P = dynamic_cast<const TZKPosition*>(Source)) {
    SetPoint(P->Point());
    return;
  }
  TPersistent::Assign(Source);
}

const TPropertyTable& TZKPosition::PublishedProperties() const {
  static const TPropertyTable Table{
      StoredWhen<TZKPosition>(FloatProperty<TZKPosition>("X", &TZKPosition::X, &TZKPosition::SetX),
                              &TZKPosition::IsXStored),
      StoredWhen<TZKPosition>(FloatProperty<TZKPosition>("Y", &TZKPosition::Y, &TZKPosition::SetY),
                              &TZKPosition::IsYStored),
  };
  return Table;
}

void TZKPosition::DefineProperties(TFiler& Filer) {
  TPersistent::DefineProperties(Filer);
  Filer.DefineProperty(
      "Point", [this](TReader& Reader) { SetPoint(StringToZKPoint(Reader.ReadString())); }, nullptr, false);
}

void TZKPosition::SetX(float Value) {
  if (Value == FX) return;
  FX = Value;
  Change();
}

void TZKPosition::SetY(float Value) {
  if (Value == FY) return;
  FY = Value;
  Change();
}

void TZKPosition::SetPoint(const TPointF& P) {
  SetPointNoChange(P);
  Change();
}

void TZKPosition::SetPointNoChange(const TPointF& P) noexcept {
  FX = P.X;
  FY = P.Y;
}

void TZKPosition::SetVector(const TVector& V) { SetPoint({V.X, V.Y}); }

void TZKPosition::Reflect(const TVector& Normal) { SetVector(ZKVectorReflect(Vector(), Normal)); }

bool TZKPosition::IsXStored() const noexcept { return !SameValue(FX, FDefaultValue.X, Epsilon); }
bool TZKPosition::IsYStored() const noexcept { return !SameValue(FY, FDefaultValue.Y, Epsilon); }

void TZKPosition::Change() {
  if (OnChange) OnChange(this);
}

// ---- TZKTransform --------------------------------------------------------------

TZKTransform::TZKTransform() : FMatrix(ZKIdentityMatrix) {
  for (TZKPosition* P : {&FPosition, &FScale, &FSkew, &FRotationCenter})
    P->OnChange = [this](TObject* Sender) { MatrixChanged(Sender); };
}

void TZKTransform::Assign(const TPersistent* Source) {
  if (const auto* T = dynamic_cast<const TZKTransform*>(Source)) {
    FPosition.SetPointNoChange(T->FPosition.Point());
    FScale.SetPointNoChange(T->FScale.Point());
    FSkew.SetPointNoChange(T->FSkew.Point());
    FRotationCenter.SetPointNoChange(T->FRotationCenter.Point());
    MatrixChanged(this);
    return;
  }
  TPersistent::Assign(Source);
}

const TPropertyTable& TZKTransform::PublishedProperties() const {
  using T = TZKTransform;
  static const TPropertyTable Table{
      ObjectProperty<T>("Position", [](T& X) -> TZKPosition& { return X.FPosition; }),
      ObjectProperty<T>("Scale", [](T& X) -> TZKPosition& { return X.FScale; }),
      ObjectProperty<T>("Skew", [](T& X) -> TZKPosition& { return X.FSkew; }),
      FloatProperty<T>("RotationAngle", &T::RotationAngle, &T::SetRotationAngle, 0.0f),
      ObjectProperty<T>("RotationCenter", [](T& X) -> TZKPosition& { return X.FRotationCenter; }),
  };
  return Table;
}

void TZKTransform::SetRotationAngle(float Value) {
  if (Value == FRotationAngle) return;
  FRotationAngle = Value;
  MatrixChanged(this);
}

void TZKTransform::MatrixChanged(TObject*) {
  TMatrix M = ZKIdentityMatrix;
  M.m31 = FPosition.X();
  M.m32 = FPosition.Y();
  M.m13 = FSkew.X();
  M.m23 = FSkew.Y();
  M.m11 = FScale.X();
  M.m22 = FScale.Y();
  if (FRotationAngle != 0) {
    // Degrees to radians in double, stored as Single.
    const auto Angle = static_cast<float>(double{FRotationAngle} * (std::numbers::pi / 180.0));
    TMatrix Rotation;
    if (OnGetShapeRect) {
      TRectF Shape;
      OnGetShapeRect(this, Shape);
      Rotation = CreateRotationZKMatrix(ZKCenterPoint(Shape), Angle);
    } else {
      Rotation = CreateRotationZKMatrix(Angle);
    }
    M = ZKMatrixMultiply(M, Rotation);
  }
  FMatrix = M;
  Change();
}

void TZKTransform::Change() {
  if (OnChanged) OnChanged(this);
}

} // namespace zk
