#pragma once
/// A `QTableWidget` that carries a count of fixed (header) rows at its top,
/// which row-wise operations such as `SortGrid` leave in place.
#include <QTableWidget>

namespace zk {

/// A table widget with a number of fixed (header) rows at the top, which
/// `SortGrid` leaves in place.
class TStringGrid : public QTableWidget {
public:
  using QTableWidget::QTableWidget;

  ///@{
  /// The number of rows at the top that are headers; 0 to start with.
  /// Setting a negative count stores 0.
  int FixedRows() const noexcept { return FFixedRows; }
  void SetFixedRows(int Count) noexcept { FFixedRows = Count < 0 ? 0 : Count; }
  ///@}

private:
  int FFixedRows = 0;
};

} // namespace zk
