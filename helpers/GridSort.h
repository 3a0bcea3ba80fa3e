#pragma once
/// Sorting the rows of a table widget by the text of one column.
class QTableWidget;

namespace zk {

class TStringGrid;

/// Sorts rows FromRow to ToRow of Grid by the text of column Col, ascending
/// or descending. Whole rows move: every cell item, with its text and every
/// other data role (attached objects included), ends in its row's new place.
/// Text keys compare with `AnsiCompareText` (case ignored: "A", "b", "c";
/// "10", "100", "9"); Numeric keys compare as numbers read by `TryStrToFloat`
/// under the process's number format ("9", "10", "100"), and a cell that is
/// not a number compares equal to every other cell. Rows with equal keys end
/// in an unspecified order; pivots come from the application's `Random`
/// sequence, which each sort advances. O(n log n) expected time for every
/// input, all-equal keys included; n keys and n row slots of extra memory.
/// Nothing happens unless 0 <= FromRow < ToRow < the row count (a range of one
/// row, or a null grid, changes nothing). A column outside the grid, or a cell
/// without an item, reads as empty text. A grid with sorting enabled has it
/// suspended for the move and restored after, when it sorts by its header.
void SortGrid(QTableWidget* Grid, int Col, int FromRow, int ToRow, bool Numeric, bool Ascending);

/// Sorts every row (IncludeFixedRows) or the rows below the grid's fixed rows.
void SortGrid(TStringGrid* Grid, int Col, bool IncludeFixedRows, bool Numeric, bool Ascending);

} // namespace zk
