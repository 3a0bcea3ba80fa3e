#include <gtest/gtest.h>

#include <QStringList>

#include "helpers/GridSort.h"
#include "helpers/StringGrid.h"

using namespace zk;

namespace {

// A grid of one column per given list, each list one cell per row; every
// cell carries its own text as user data, so tests can see it travel.
void Fill(QTableWidget& Grid, const std::vector<QStringList>& Columns) {
  Grid.setColumnCount(static_cast<int>(Columns.size()));
  Grid.setRowCount(static_cast<int>(Columns.front().size()));
  for (int C = 0; C < Grid.columnCount(); ++C)
    for (int R = 0; R < Grid.rowCount(); ++R) {
      auto* Item = new QTableWidgetItem(Columns[C][R]);
      Item->setData(Qt::UserRole, Columns[C][R] + "#");
      Grid.setItem(R, C, Item);
    }
}

QStringList Column(const QTableWidget& Grid, int C, int Role = Qt::DisplayRole) {
  QStringList Cells;
  for (int R = 0; R < Grid.rowCount(); ++R)
    Cells << (Grid.item(R, C) ? Grid.item(R, C)->data(Role).toString() : QString("<none>"));
  return Cells;
}

struct SortCase {
  const char* Name;
  QStringList Keys;  // column 0; row 0 is the header
  bool Numeric, Ascending;
  QStringList Expected;
};

const SortCase kSortCases[] = {
    {"NumericAscendingKeepsHeader", {"H", "3", "1", "2"}, true, true, {"H", "1", "2", "3"}},
    {"NumericDescending", {"H", "3", "1", "2"}, true, false, {"H", "3", "2", "1"}},
    {"TextIgnoresCase", {"H", "b", "A", "c"}, false, true, {"H", "A", "b", "c"}},
    {"NumbersAsNumbers", {"H", "10", "9", "100"}, true, true, {"H", "9", "10", "100"}},
    {"NumbersAsText", {"H", "10", "9", "100"}, false, true, {"H", "10", "100", "9"}},
    {"NumericReadsSignsExponentsAndBlanks", {"H", "1e2", " -3", "+2.5"}, true, true, {"H", " -3", "+2.5", "1e2"}},
    {"TextDescending", {"H", "b", "A", "c"}, false, false, {"H", "c", "b", "A"}},
};

class SortGridTest : public testing::TestWithParam<SortCase> {};

} // namespace

TEST_P(SortGridTest, SortsBelowFixedRowsWithWholeRows) {
  const SortCase& C = GetParam();
  TStringGrid Grid;
  QStringList Second;
  for (const QString& K : C.Keys) Second << "row " + K;
  Fill(Grid, {C.Keys, Second});
  Grid.SetFixedRows(1);
  SortGrid(&Grid, 0, false, C.Numeric, C.Ascending);
  EXPECT_EQ(Column(Grid, 0), C.Expected);
  QStringList SecondExpected, DataExpected;
  for (const QString& K : C.Expected) {
    SecondExpected << "row " + K;
    DataExpected << "row " + K + "#";
  }
  EXPECT_EQ(Column(Grid, 1), SecondExpected);
  EXPECT_EQ(Column(Grid, 1, Qt::UserRole), DataExpected);
}

INSTANTIATE_TEST_SUITE_P(GridSortTest, SortGridTest, testing::ValuesIn(kSortCases),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST(GridSortTest, IncludeFixedRowsSortsTheHeaderToo) {
  TStringGrid Grid;
  Fill(Grid, {{"z", "b", "a"}});
  Grid.SetFixedRows(1);
  SortGrid(&Grid, 0, true, false, true);
  EXPECT_EQ(Column(Grid, 0), QStringList({"a", "b", "z"}));
}

TEST(GridSortTest, OutOfRangeCallsChangeNothing) {
  TStringGrid Grid;
  const QStringList Keys{"3", "2", "1"};
  Fill(Grid, {Keys});
  struct Range { int From, To; };
  for (const Range R : {Range{1, 1}, Range{2, 2}, Range{2, 1}, Range{-1, 2}, Range{0, 3}, Range{0, -1}}) {
    SortGrid(&Grid, 0, R.From, R.To, true, true);
    EXPECT_EQ(Column(Grid, 0), Keys) << R.From << ".." << R.To;
  }
  Grid.SetFixedRows(2);  // one row below the header: nothing to sort
  SortGrid(&Grid, 0, false, true, true);
  EXPECT_EQ(Column(Grid, 0), Keys);
  SortGrid(static_cast<QTableWidget*>(nullptr), 0, 0, 1, true, true);
  SortGrid(static_cast<TStringGrid*>(nullptr), 0, true, true, true);
}

TEST(GridSortTest, SubRangeAndMissingCellsAndOutsideColumn) {
  QTableWidget Grid;
  Fill(Grid, {{"d", "c", "b", "a"}});
  SortGrid(&Grid, 0, 1, 2, false, true);
  EXPECT_EQ(Column(Grid, 0), QStringList({"d", "b", "c", "a"}));
  delete Grid.takeItem(0, 0);  // a cell without item reads as empty text, first
  SortGrid(&Grid, 0, 0, 3, false, true);
  EXPECT_EQ(Column(Grid, 0), QStringList({"<none>", "a", "b", "c"}));
  SortGrid(&Grid, 7, 0, 3, false, false);  // outside column: all keys equal
  EXPECT_EQ(Column(Grid, 0).size(), 4);
}

TEST(GridSortTest, NonNumbersCompareEqualAndStayInBounds) {
  // Non-numbers equal everything, so no total order exists; the sort must
  // still finish, keep every row once, and order rows of numbers alone.
  QTableWidget Grid;
  QStringList Keys;
  for (int I = 0; I < 500; ++I) Keys << (I % 3 == 0 ? QString("x%1").arg(I) : QString::number((I * 37) % 101));
  Fill(Grid, {Keys});
  SortGrid(&Grid, 0, 0, Grid.rowCount() - 1, true, true);
  QStringList After = Column(Grid, 0), SortedBefore = Keys, SortedAfter = After;
  SortedBefore.sort();
  SortedAfter.sort();
  EXPECT_EQ(SortedAfter, SortedBefore);

  QStringList Numbers;
  for (int I = 0; I < 300; ++I) Numbers << QString::number((I * 7919) % 1000);
  Fill(Grid, {Numbers});
  SortGrid(&Grid, 0, 0, Grid.rowCount() - 1, true, false);
  const QStringList Sorted = Column(Grid, 0);
  for (int I = 1; I < Sorted.size(); ++I) ASSERT_GE(Sorted[I - 1].toInt(), Sorted[I].toInt()) << I;
}
