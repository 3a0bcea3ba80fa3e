#pragma once
/// The root classes: `TObject` (named, polymorphic) and `TPersistent`
/// (assignable between instances, streamable through `DefineProperties`).
#include <string>

namespace zk {

class TFiler;
class TPropertyTable;

/// The root of the class hierarchy: a polymorphic object with a class name.
class TObject {
public:
  virtual ~TObject() = default;
  /// The class name as it appears in messages and form files ("TZKPathData").
  virtual std::string ClassName() const { return "TObject"; }
};

/// An object that can be assigned from another (`Assign`) and stored in and
/// restored from a form file (its published and defined properties).
class TPersistent : public TObject {
public:
  std::string ClassName() const override { return "TPersistent"; }

  /// Copies Source into this object. The base asks Source to assign itself
  /// (`AssignTo`); a class that knows more sources overrides this and calls
  /// the inherited version for the rest. A null Source, or one that cannot
  /// assign itself, raises `EConvertError` "Cannot assign a X to a Y".
  virtual void Assign(const TPersistent* Source);

  /// Declares streamed properties beyond the published ones (binary data, for
  /// instance). The base declares none.
  virtual void DefineProperties(TFiler& Filer);

  /// The properties the form writer stores and the form reader restores, in
  /// stream order (runtime/PublishedProperties.h). The base publishes none.
  virtual const TPropertyTable& PublishedProperties() const;

protected:
  /// Copies this object into Dest when this class knows how. The base cannot
  /// and raises the assignment error.
  virtual void AssignTo(TPersistent& Dest) const;

  /// Raises the assignment error for Source (null prints "nil") into Dest.
  [[noreturn]] static void AssignError(const TPersistent* Source, const TPersistent& Dest);
};

} // namespace zk
