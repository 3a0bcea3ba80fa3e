#pragma once
/// Persistent positions and transforms: a Single point with a per-instance
/// default and change notification, and a 2D transform built from four such
/// positions and a rotation angle, whose matrix is kept current.
#include <string>

#include "geometry/PersistentRects.h"
#include "runtime/Events.h"
#include "runtime/Persistent.h"
#include "runtime/Records.h"

namespace zk {

/// A persistent point with a default value: X and Y are stored in a form
/// file only where they differ from the default; a change notifies
/// `OnChange` once.
class TZKPosition : public TPersistent {
public:
  /// X, Y and the default all ADefaultValue; no notification.
  explicit TZKPosition(const TPointF& ADefaultValue = {}) noexcept;

  std::string ClassName() const override { return "TZKPosition"; }

  /// From a position: `SetPoint(Source->Point())`, which always notifies.
  /// Anything else raises the assignment error.
  void Assign(const TPersistent* Source) override;
  /// Publishes X and Y, each stored only when it differs from the default
  /// (`IsXStored`, `IsYStored`).
  const TPropertyTable& PublishedProperties() const override;
  /// Declares the legacy property "Point": read from older forms as point
  /// text "(x,y)" and applied with `SetPoint` (text that does not parse
  /// gives (0, 0)); never written.
  void DefineProperties(TFiler& Filer) override;

  ///@{
  /// The coordinates.
  float X() const noexcept { return FX; }
  float Y() const noexcept { return FY; }
  ///@}
  ///@{
  /// Stores a value that differs exactly from the current one and fires
  /// `Change`; an equal value does nothing.
  void SetX(float Value);
  void SetY(float Value);
  ///@}

  /// (X, Y).
  TPointF Point() const noexcept { return {FX, FY}; }
  /// Stores both coordinates and fires `Change`, even when nothing differs.
  void SetPoint(const TPointF& P);
  /// Stores both coordinates without a notification.
  void SetPointNoChange(const TPointF& P) noexcept;

  /// (X, Y, 1).
  TVector Vector() const noexcept { return {FX, FY, 1}; }
  /// `SetPoint((V.X, V.Y))`; W is ignored.
  void SetVector(const TVector& V);

  /// The value a coordinate is not stored at. Changing it notifies nothing.
  ///@{
  const TPointF& DefaultValue() const noexcept { return FDefaultValue; }
  void SetDefaultValue(const TPointF& Value) noexcept { FDefaultValue = Value; }
  ///@}

  /// True when X and Y are both exactly 0.
  bool Empty() const noexcept { return FX == 0 && FY == 0; }
  /// Reflects the position on the line whose unit normal is Normal
  /// (`ZKVectorReflect`), through `SetVector`.
  void Reflect(const TVector& Normal);

  /// Not `SameValue(X, DefaultValue.X, Epsilon)`: in effect, X differs from
  /// its default at all.
  bool IsXStored() const noexcept;
  /// As `IsXStored`, for Y.
  bool IsYStored() const noexcept;

  /// Called with this position after every change.
  TNotifyEvent OnChange;

protected:
  /// Calls `OnChange`.
  virtual void Change();

private:
  float FY = 0;
  float FX = 0;
  TPointF FDefaultValue;
};

/// A 2D transform: points are scaled by `Scale`, moved by `Position`, then
/// rotated by `RotationAngle` degrees (clockwise on a y-down canvas for
/// positive angles) about the centre of the rectangle `OnGetShapeRect`
/// supplies, or about the origin without a handler. `Skew` lands in the
/// third column, which point transforms do not use; `RotationCenter` is
/// carried but not used by the matrix. The transform owns its four
/// positions; every change to one of them rebuilds `Matrix` and then fires
/// `OnChanged`.
class TZKTransform : public TPersistent {
public:
  /// The identity matrix, positions at their defaults (Position (0, 0), Scale
  /// (1, 1), Skew (0, 0), RotationCenter (0.5, 0.5)), angle 0; no
  /// notification.
  TZKTransform();
  TZKTransform(const TZKTransform&) = delete;
  TZKTransform& operator=(const TZKTransform&) = delete;

  std::string ClassName() const override { return "TZKTransform"; }

  /// From a transform: copies the four positions without their
  /// notifications (not the angle), then rebuilds the matrix and fires
  /// `OnChanged` once. Anything else raises the assignment error.
  void Assign(const TPersistent* Source) override;
  /// Publishes Position, Scale, Skew (nested), RotationAngle (stored when
  /// not 0) and RotationCenter (nested), in that order.
  const TPropertyTable& PublishedProperties() const override;

  ///@{
  /// The owned translation (default (0, 0)); a change rebuilds the matrix.
  TZKPosition& Position() noexcept { return FPosition; }
  const TZKPosition& Position() const noexcept { return FPosition; }
  ///@}
  ///@{
  /// The owned scale (default (1, 1)); a change rebuilds the matrix.
  TZKPosition& Scale() noexcept { return FScale; }
  const TZKPosition& Scale() const noexcept { return FScale; }
  ///@}
  ///@{
  /// The owned skew (default (0, 0)); a change rebuilds the matrix.
  TZKPosition& Skew() noexcept { return FSkew; }
  const TZKPosition& Skew() const noexcept { return FSkew; }
  ///@}
  ///@{
  /// The owned centre of the rotation (default (0, 0)); a change rebuilds
  /// the matrix.
  TZKPosition& RotationCenter() noexcept { return FRotationCenter; }
  const TZKPosition& RotationCenter() const noexcept { return FRotationCenter; }
  ///@}
  ///@{
  /// Copy Value's coordinates into the owned position (its `Assign`), which
  /// rebuilds the matrix; the owned object stays.
  void SetPosition(const TZKPosition& Value) { FPosition.Assign(&Value); }
  void SetScale(const TZKPosition& Value) { FScale.Assign(&Value); }
  void SetSkew(const TZKPosition& Value) { FSkew.Assign(&Value); }
  void SetRotationCenter(const TZKPosition& Value) { FRotationCenter.Assign(&Value); }
  ///@}

  /// Degrees.
  float RotationAngle() const noexcept { return FRotationAngle; }
  /// Stores an angle that differs exactly from the current one and rebuilds
  /// the matrix; an equal angle does nothing.
  void SetRotationAngle(float Value);

  /// Scale and skew by rows, Position in the third row, times the rotation:
  /// ((Scale.X, 0, Skew.X), (0, Scale.Y, Skew.Y), (Position.X, Position.Y, 1)) * R.
  const TMatrix& Matrix() const noexcept { return FMatrix; }

  /// Rebuilds the matrix (asking `OnGetShapeRect` for the rotation centre when
  /// there is a rotation) and fires `OnChanged`. Wired to the positions.
  void MatrixChanged(TObject* Sender);

  /// Called with this transform after every change, the matrix already current.
  TNotifyEvent OnChanged;
  /// Supplies the shape's rectangle, whose centre the rotation turns about;
  /// the rectangle it receives holds zeros.
  TZKGetRectEvent OnGetShapeRect;

protected:
  /// Calls `OnChanged`.
  virtual void Change();

private:
  TMatrix FMatrix;
  float FRotationAngle = 0;
  TZKPosition FPosition{{0, 0}};
  TZKPosition FScale{{1, 1}};
  TZKPosition FSkew{{0, 0}};
  TZKPosition FRotationCenter{{0.5f, 0.5f}};
};

} // namespace zk
