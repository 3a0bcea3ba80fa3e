#include "helpers/GridSort.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <QSignalBlocker>

#include "base/StringTests.h"
#include "helpers/ScopedFlag_p.h"
#include "helpers/StringGrid.h"
#include "runtime/NumberText.h"
#include "runtime/Random.h"

namespace zk {

namespace {

// The keys of the rows being sorted, read once; Compare answers -1, 0 or 1
// for two row slots (indices from 0 into the range).
class TSortKeys {
public:
  TSortKeys(const QTableWidget& Grid, int Col, int FromRow, int ToRow, bool Numeric, bool Ascending)
      : FNumeric(Numeric), FSign(Ascending ? 1 : -1) {
    const auto Count = static_cast<std::size_t>(ToRow - FromRow + 1);
    if (Numeric) FNumbers.reserve(Count); else FTexts.reserve(Count);
    const bool ColInGrid = Col >= 0 && Col < Grid.columnCount();
    for (int Row = FromRow; Row <= ToRow; ++Row) {
      const QTableWidgetItem* Cell = ColInGrid ? Grid.item(Row, Col) : nullptr;
      const std::string Text = Cell ? Cell->text().toStdString() : std::string();
      if (Numeric) {
        double Value = 0;
        FNumbers.push_back(TryStrToFloat(Text, Value, ProcessFormatSettings()) ? std::optional(Value)
                                                                                : std::nullopt);
      } else {
        FTexts.push_back(AnsiCompareTextKey(Text));
      }
    }
  }

  int Compare(int A, int B) const {
    return FSign * (FNumeric ? CompareNumbers(FNumbers[A], FNumbers[B]) : CompareTexts(FTexts[A], FTexts[B]));
  }

private:
  static int CompareNumbers(const std::optional<double>& A, const std::optional<double>& B) {
    if (!A || !B) return 0;
    return (*A > *B) - (*A < *B);
  }
  static int CompareTexts(const std::string& A, const std::string& B) {
    const int R = A.compare(B);
    return (R > 0) - (R < 0);
  }

  bool FNumeric;
  int FSign;
  std::vector<std::string> FTexts;
  std::vector<std::optional<double>> FNumbers;
};

// Quicksort with a random pivot and a three-way partition (less, equal,
// greater than the pivot). Equal keys end the recursion at once, so all-equal
// input takes one pass. Each element is compared with the pivot alone and put
// in one of the three bands by that answer, so the indices stay in bounds
// even for comparisons that are not an ordering (numeric keys with
// non-numbers). The smaller side recurses, the larger loops: O(log n) stack.
void SortSlots(std::vector<int>& Order, int L, int R, const TSortKeys& Keys) {
  while (L < R) {
    const int Pivot = Order[L + Random(R - L + 1)];
    int Lt = L, I = L, Gt = R;  // [L, Lt) less, [Lt, I) equal, (Gt, R] greater
    while (I <= Gt) {
      const int C = Keys.Compare(Order[I], Pivot);
      if (C < 0) std::swap(Order[Lt++], Order[I++]);
      else if (C > 0) std::swap(Order[I], Order[Gt--]);
      else ++I;
    }
    if (Lt - L < R - Gt) {
      SortSlots(Order, L, Lt - 1, Keys);
      L = Gt + 1;
    } else {
      SortSlots(Order, Gt + 1, R, Keys);
      R = Lt - 1;
    }
  }
}

// Moves the items of the rows in Order (row slots from 0) into rows FromRow
// onwards, cycle by cycle of the permutation: one row of items is held aside
// per cycle, so the move needs one row of extra memory and writes every cell
// once. The model's signals are held back and one change is sent for the
// range instead of one per cell.
void MoveRows(QTableWidget& Grid, int FromRow, const std::vector<int>& Order) {
  const int Cols = Grid.columnCount();
  const int Rows = static_cast<int>(Order.size());
  QAbstractItemModel* Model = Grid.model();
  {
    // The grid's own sorting would reorder rows as items land.
    const TScopedFlag<QTableWidget> NoSorting(Grid, &QTableWidget::isSortingEnabled,
                                              &QTableWidget::setSortingEnabled, false);
    const QSignalBlocker Quiet(Model);
    const auto MoveRow = [&](int Src, int Dst) {
      for (int C = 0; C < Cols; ++C)
        if (QTableWidgetItem* Item = Grid.takeItem(FromRow + Src, C)) Grid.setItem(FromRow + Dst, C, Item);
    };
    std::vector<QTableWidgetItem*> Held(static_cast<std::size_t>(Cols));
    std::vector<bool> Placed(static_cast<std::size_t>(Rows));
    for (int Start = 0; Start < Rows; ++Start) {
      if (Placed[Start] || Order[Start] == Start) continue;
      for (int C = 0; C < Cols; ++C) Held[C] = Grid.takeItem(FromRow + Start, C);
      int Dst = Start;
      for (int Src = Order[Dst]; Src != Start; Dst = Src, Src = Order[Dst]) {
        MoveRow(Src, Dst);
        Placed[Dst] = true;
      }
      for (int C = 0; C < Cols; ++C)
        if (Held[C]) Grid.setItem(FromRow + Dst, C, Held[C]);
      Placed[Dst] = true;
    }
  }
  if (Cols > 0) emit Model->dataChanged(Model->index(FromRow, 0), Model->index(FromRow + Rows - 1, Cols - 1));
}

} // namespace

void SortGrid(QTableWidget* Grid, int Col, int FromRow, int ToRow, bool Numeric, bool Ascending) {
  if (!Grid || FromRow < 0 || FromRow >= ToRow || ToRow >= Grid->rowCount()) return;
  const TSortKeys Keys(*Grid, Col, FromRow, ToRow, Numeric, Ascending);
  std::vector<int> Order(static_cast<std::size_t>(ToRow - FromRow + 1));
  for (std::size_t I = 0; I < Order.size(); ++I) Order[I] = static_cast<int>(I);
  SortSlots(Order, 0, static_cast<int>(Order.size()) - 1, Keys);
  MoveRows(*Grid, FromRow, Order);
}

void SortGrid(TStringGrid* Grid, int Col, bool IncludeFixedRows, bool Numeric, bool Ascending) {
  if (!Grid) return;
  SortGrid(Grid, Col, IncludeFixedRows ? 0 : Grid->FixedRows(), Grid->rowCount() - 1, Numeric, Ascending);
}

} // namespace zk
