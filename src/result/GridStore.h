#pragma once
// The cell store behind every list window: a table of CP932 texts addressed
// by 0-based row and column, row 0 and column 0 fixed (headers and row
// numbers), with a current cell, a selection block, cell formats and column
// layout. Qt-free; a Qt model shows it.
//
// Memory: whole columns taken over from a query result stay in their compact
// form (one arena per column); the row-number column is computed; only cells
// written one by one are kept individually. No object per cell.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "data/TextColumn.h"

namespace tolvane {

enum GridAlignment : int {
  kAlignGeneral = 9,  // the column's own alignment
  kAlignLeftCenter = 1,
  kAlignCenterCenter = 4,
  kAlignRightCenter = 7,
};

struct CellFormat {
  int alignment = -1;       // -1: not set
  uint32_t backColor = 0;   // 0xRRGGBB
  bool hasBackColor = false;
};

class GridStore {
 public:
  // What a view must redraw.
  struct Listener {
    std::function<void()> reset;                          // shape or everything changed
    std::function<void(int, int, int, int)> cellsChanged; // row1, col1, row2, col2
    std::function<void()> selectionChanged;
    std::function<void(int, int)> showCell;               // bring into view
    std::function<void(int)> topRowChanged;
    std::function<void(int)> columnChanged;               // width, hidden or alignment
  };

  GridStore() = default;
  void SetListener(Listener l) { listener_ = std::move(l); }

  int Rows() const { return rows_; }
  int Cols() const { return cols_; }
  void SetRows(int rows);
  void SetCols(int cols);
  int FixedRows() const { return 1; }
  int FixedCols() const { return 1; }

  // The current cell; setting either collapses the selection to it.
  int Row() const { return row_; }
  int Col() const { return col_; }
  void SetRow(int row);
  void SetCol(int col);
  // The far corner of the selection; may lie above or left of the current cell.
  int RowSel() const { return rowSel_; }
  int ColSel() const { return colSel_; }
  void SetRowSel(int row);
  void SetColSel(int col);
  void Select(int row, int col, int rowSel, int colSel);
  // The selected block, ordered.
  void SelectionBlock(int& r1, int& c1, int& r2, int& c2) const;

  // Text of the current cell.
  std::string Text() const { return TextAt(row_, col_); }
  void SetText(const std::string& text) { SetTextAt(row_, col_, text); }
  // Any cell, leaving the current cell alone (for views).
  std::string TextAt(int row, int col) const;
  std::string_view TextViewAt(int row, int col, std::string& scratch) const;
  void SetTextAt(int row, int col, const std::string& text);

  // The selected block: cells joined by TAB, rows by CR, nothing after the
  // last. Setting fills the selected block from such text.
  std::string Clip() const;
  void SetClip(const std::string& text);

  // Formats: with FillStyle 1 they apply to the whole selection, with 0 to
  // the current cell.
  int FillStyle() const { return fillStyle_; }
  void SetFillStyle(int style) { fillStyle_ = style; }
  void SetCellAlignment(int alignment);
  void SetCellBackColor(uint32_t rgb);
  CellFormat FormatAt(int row, int col) const;

  int ColAlignment(int col) const;
  void SetColAlignment(int col, int alignment);
  int ColWidth(int col) const;  // twips
  void SetColWidth(int col, int twips);
  bool ColHidden(int col) const;
  void SetColHidden(int col, bool hidden);

  // Widens columns first to last to fit their texts. `measure` gives a
  // text's width in twips. On long columns the widths come from a bounded
  // sample plus the longest texts, so the cost does not grow with the
  // number of rows beyond one pass over the value lengths.
  void AutoSize(int first, int last, const std::function<int(std::string_view)>& measure);

  int EditMaxLength() const { return editMaxLength_; }
  void SetEditMaxLength(int n) { editMaxLength_ = n; }
  bool Redraw() const { return redraw_; }
  void SetRedraw(bool on);
  int TopRow() const { return topRow_; }
  void SetTopRow(int row);
  void ShowCell(int row, int col);
  // Erases the text of every non-fixed cell (where 1, what 1).
  void Clear(int where = 1, int what = 1);

  // Takes over whole columns of values for rows 1..n of columns 1..k; NULLs
  // read as nullText. Column 0 shows the row numbers 1..n.
  void AdoptColumns(std::vector<TextColumn> columns, const std::string& nullText);

 private:
  static uint64_t Key(int row, int col) {
    return static_cast<uint64_t>(static_cast<uint32_t>(row)) << 32 | static_cast<uint32_t>(col);
  }
  void Changed(int r1, int c1, int r2, int c2);
  void SelectionMoved();
  int Clamp(int v, int n) const { return v < 0 ? 0 : (v >= n ? (n > 0 ? n - 1 : 0) : v); }

  int rows_ = 0;
  int cols_ = 0;
  int row_ = 0, col_ = 0, rowSel_ = 0, colSel_ = 0;
  int fillStyle_ = 0;
  int editMaxLength_ = 0;
  bool redraw_ = true;
  int topRow_ = 1;

  // Adopted columns: bulk_[c] holds rows 1..bulkRows_ of column c + 1.
  std::vector<TextColumn> bulk_;
  std::vector<size_t> bulkRows_;
  std::string nullText_;
  size_t rowNumbers_ = 0;  // rows 1..rowNumbers_ of column 0 show their number

  std::unordered_map<uint64_t, std::string> cells_;  // written one by one; wins over the rest
  std::unordered_map<uint64_t, CellFormat> formats_;
  std::vector<int> colAlign_;
  std::vector<int> colWidth_;
  std::vector<char> colHidden_;
  Listener listener_;
};

// Grid functions: each leaves the current cell (and for a block the
// selection) where it set it.
std::string GetCellText(GridStore& grid, int row, int col);
void SetCellText(GridStore& grid, int row, int col, const std::string& text);
std::string GetRangeText(GridStore& grid, int row, int col, int rowSel, int colSel);
void CopyRange(GridStore& grid, int row, int col, int rowSel, int colSel);
void CopySelection(GridStore& grid);

}  // namespace tolvane
