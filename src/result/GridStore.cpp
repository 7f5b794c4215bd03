#include "result/GridStore.h"

#include <algorithm>

#include "platform/Clipboard.h"

namespace tolvane {
namespace {

constexpr int kDefaultColWidth = 960;  // twips: 64 pixels at 96 dpi
constexpr size_t kSampleRows = 1000;
constexpr size_t kLongestRows = 64;

}  // namespace

void GridStore::SetRows(int rows) {
  if (rows < 0) rows = 0;
  if (rows < rows_) {
    // Shrinking drops the cells below; growing again brings empty ones.
    for (auto it = cells_.begin(); it != cells_.end();)
      it = static_cast<int>(it->first >> 32) >= rows ? cells_.erase(it) : std::next(it);
    for (auto it = formats_.begin(); it != formats_.end();)
      it = static_cast<int>(it->first >> 32) >= rows ? formats_.erase(it) : std::next(it);
    size_t keep = rows > 1 ? static_cast<size_t>(rows - 1) : 0;
    for (auto& n : bulkRows_) n = std::min(n, keep);
    rowNumbers_ = std::min(rowNumbers_, keep);
  }
  rows_ = rows;
  row_ = Clamp(row_, rows_);
  rowSel_ = Clamp(rowSel_, rows_);
  if (redraw_ && listener_.reset) listener_.reset();
}

void GridStore::SetCols(int cols) {
  if (cols < 0) cols = 0;
  if (cols < cols_) {
    for (auto it = cells_.begin(); it != cells_.end();)
      it = static_cast<int>(it->first & 0xFFFFFFFFu) >= cols ? cells_.erase(it) : std::next(it);
    for (auto it = formats_.begin(); it != formats_.end();)
      it = static_cast<int>(it->first & 0xFFFFFFFFu) >= cols ? formats_.erase(it) : std::next(it);
    size_t keep = cols > 1 ? static_cast<size_t>(cols - 1) : 0;
    if (bulk_.size() > keep) {
      bulk_.resize(keep);
      bulkRows_.resize(keep);
    }
  }
  cols_ = cols;
  colAlign_.resize(static_cast<size_t>(cols), kAlignGeneral);
  colWidth_.resize(static_cast<size_t>(cols), kDefaultColWidth);
  colHidden_.resize(static_cast<size_t>(cols), 0);
  col_ = Clamp(col_, cols_);
  colSel_ = Clamp(colSel_, cols_);
  if (redraw_ && listener_.reset) listener_.reset();
}

void GridStore::SelectionMoved() {
  if (redraw_ && listener_.selectionChanged) listener_.selectionChanged();
}

void GridStore::SetRow(int row) {
  row_ = rowSel_ = Clamp(row, rows_);
  colSel_ = col_;
  SelectionMoved();
}

void GridStore::SetCol(int col) {
  col_ = colSel_ = Clamp(col, cols_);
  rowSel_ = row_;
  SelectionMoved();
}

void GridStore::SetRowSel(int row) {
  rowSel_ = Clamp(row, rows_);
  SelectionMoved();
}

void GridStore::SetColSel(int col) {
  colSel_ = Clamp(col, cols_);
  SelectionMoved();
}

void GridStore::Select(int row, int col, int rowSel, int colSel) {
  row_ = Clamp(row, rows_);
  col_ = Clamp(col, cols_);
  rowSel_ = Clamp(rowSel, rows_);
  colSel_ = Clamp(colSel, cols_);
  SelectionMoved();
}

void GridStore::SelectionBlock(int& r1, int& c1, int& r2, int& c2) const {
  r1 = std::min(row_, rowSel_);
  r2 = std::max(row_, rowSel_);
  c1 = std::min(col_, colSel_);
  c2 = std::max(col_, colSel_);
}

std::string_view GridStore::TextViewAt(int row, int col, std::string& scratch) const {
  if (row < 0 || col < 0 || row >= rows_ || col >= cols_) return {};
  if (!cells_.empty()) {
    auto it = cells_.find(Key(row, col));
    if (it != cells_.end()) return it->second;
  }
  if (row >= 1) {
    const size_t r = static_cast<size_t>(row - 1);
    if (col == 0) {
      if (r < rowNumbers_) {
        scratch = std::to_string(row);
        return scratch;
      }
    } else if (static_cast<size_t>(col - 1) < bulk_.size()) {
      const size_t c = static_cast<size_t>(col - 1);
      if (r < bulkRows_[c]) return bulk_[c].IsNull(r) ? std::string_view(nullText_) : bulk_[c].Get(r);
    }
  }
  return {};
}

std::string GridStore::TextAt(int row, int col) const {
  std::string scratch;
  return std::string(TextViewAt(row, col, scratch));
}

void GridStore::Changed(int r1, int c1, int r2, int c2) {
  if (redraw_ && listener_.cellsChanged) listener_.cellsChanged(r1, c1, r2, c2);
}

void GridStore::SetTextAt(int row, int col, const std::string& text) {
  if (row < 0 || col < 0 || row >= rows_ || col >= cols_) return;
  cells_[Key(row, col)] = text;
  Changed(row, col, row, col);
}

std::string GridStore::Clip() const {
  int r1, c1, r2, c2;
  SelectionBlock(r1, c1, r2, c2);
  std::string out;
  std::string scratch;
  for (int r = r1; r <= r2 && r < rows_; ++r) {
    if (r > r1) out += '\r';
    for (int c = c1; c <= c2 && c < cols_; ++c) {
      if (c > c1) out += '\t';
      out += TextViewAt(r, c, scratch);
    }
  }
  return out;
}

void GridStore::SetClip(const std::string& text) {
  int r1, c1, r2, c2;
  SelectionBlock(r1, c1, r2, c2);
  size_t pos = 0;
  for (int r = r1; r <= r2 && pos <= text.size(); ++r) {
    size_t end = text.find('\r', pos);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(pos, end - pos);
    pos = end + 1;
    if (pos < text.size() && text[pos] == '\n') ++pos;
    size_t cp = 0;
    for (int c = c1; c <= c2; ++c) {
      size_t tab = line.find('\t', cp);
      if (tab == std::string::npos) tab = line.size();
      cells_[Key(r, c)] = line.substr(cp, tab - cp);
      if (tab >= line.size()) break;
      cp = tab + 1;
    }
    if (end >= text.size()) break;
  }
  Changed(r1, c1, r2, c2);
}

void GridStore::SetCellAlignment(int alignment) {
  int r1 = row_, c1 = col_, r2 = row_, c2 = col_;
  if (fillStyle_ == 1) SelectionBlock(r1, c1, r2, c2);
  for (int r = r1; r <= r2; ++r)
    for (int c = c1; c <= c2; ++c) formats_[Key(r, c)].alignment = alignment;
  Changed(r1, c1, r2, c2);
}

void GridStore::SetCellBackColor(uint32_t rgb) {
  int r1 = row_, c1 = col_, r2 = row_, c2 = col_;
  if (fillStyle_ == 1) SelectionBlock(r1, c1, r2, c2);
  for (int r = r1; r <= r2; ++r)
    for (int c = c1; c <= c2; ++c) {
      auto& f = formats_[Key(r, c)];
      f.backColor = rgb;
      f.hasBackColor = true;
    }
  Changed(r1, c1, r2, c2);
}

CellFormat GridStore::FormatAt(int row, int col) const {
  if (formats_.empty()) return {};
  auto it = formats_.find(Key(row, col));
  return it == formats_.end() ? CellFormat{} : it->second;
}

int GridStore::ColAlignment(int col) const {
  return col >= 0 && col < cols_ ? colAlign_[static_cast<size_t>(col)] : kAlignGeneral;
}

void GridStore::SetColAlignment(int col, int alignment) {
  if (col < 0 || col >= cols_) return;
  colAlign_[static_cast<size_t>(col)] = alignment;
  if (redraw_ && listener_.columnChanged) listener_.columnChanged(col);
}

int GridStore::ColWidth(int col) const {
  return col >= 0 && col < cols_ ? colWidth_[static_cast<size_t>(col)] : 0;
}

void GridStore::SetColWidth(int col, int twips) {
  if (col < 0 || col >= cols_) return;
  colWidth_[static_cast<size_t>(col)] = twips;
  if (redraw_ && listener_.columnChanged) listener_.columnChanged(col);
}

bool GridStore::ColHidden(int col) const {
  return col >= 0 && col < cols_ && colHidden_[static_cast<size_t>(col)];
}

void GridStore::SetColHidden(int col, bool hidden) {
  if (col < 0 || col >= cols_) return;
  colHidden_[static_cast<size_t>(col)] = hidden;
  if (redraw_ && listener_.columnChanged) listener_.columnChanged(col);
}

void GridStore::AutoSize(int first, int last,
                         const std::function<int(std::string_view)>& measure) {
  first = std::max(first, 0);
  last = std::min(last, cols_ - 1);
  std::string scratch;
  for (int c = first; c <= last; ++c) {
    // Rows to measure: the first ones, and the longest in bytes.
    std::vector<int> rows;
    const int sample = std::min(rows_, static_cast<int>(kSampleRows));
    for (int r = 0; r < sample; ++r) rows.push_back(r);
    if (c >= 1 && static_cast<size_t>(c - 1) < bulk_.size() &&
        bulkRows_[static_cast<size_t>(c - 1)] > kSampleRows) {
      const auto& column = bulk_[static_cast<size_t>(c - 1)];
      const size_t n = bulkRows_[static_cast<size_t>(c - 1)];
      std::vector<std::pair<size_t, size_t>> longest;  // (length, row index)
      for (size_t r = 0; r < n; ++r) {
        size_t len = column.IsNull(r) ? nullText_.size() : column.Length(r);
        if (longest.size() < kLongestRows) {
          longest.emplace_back(len, r);
          if (longest.size() == kLongestRows) std::make_heap(longest.begin(), longest.end(), std::greater<>());
        } else if (len > longest.front().first) {
          std::pop_heap(longest.begin(), longest.end(), std::greater<>());
          longest.back() = {len, r};
          std::push_heap(longest.begin(), longest.end(), std::greater<>());
        }
      }
      for (const auto& l : longest) rows.push_back(static_cast<int>(l.second) + 1);
    } else if (c == 0 && rows_ > sample) {
      rows.push_back(rows_ - 1);  // the widest row number
    }
    for (const auto& cell : cells_)
      if (static_cast<int>(cell.first & 0xFFFFFFFFu) == c) rows.push_back(static_cast<int>(cell.first >> 32));
    int width = 0;
    for (int r : rows) width = std::max(width, measure(TextViewAt(r, c, scratch)));
    colWidth_[static_cast<size_t>(c)] = width;
    if (redraw_ && listener_.columnChanged) listener_.columnChanged(c);
  }
}

void GridStore::SetRedraw(bool on) {
  bool was = redraw_;
  redraw_ = on;
  if (on && !was && listener_.reset) listener_.reset();
}

void GridStore::SetTopRow(int row) {
  topRow_ = std::max(1, Clamp(row, rows_));
  if (redraw_ && listener_.topRowChanged) listener_.topRowChanged(topRow_);
}

void GridStore::ShowCell(int row, int col) {
  if (redraw_ && listener_.showCell) listener_.showCell(row, col);
}

void GridStore::Clear(int, int) {
  for (auto it = cells_.begin(); it != cells_.end();) {
    bool fixed = (it->first >> 32) == 0 || (it->first & 0xFFFFFFFFu) == 0;
    it = fixed ? std::next(it) : cells_.erase(it);
  }
  bulk_.clear();
  bulkRows_.clear();
  if (redraw_ && listener_.reset) listener_.reset();
}

void GridStore::AdoptColumns(std::vector<TextColumn> columns, const std::string& nullText) {
  size_t n = 0;
  for (const auto& c : columns) n = std::max(n, c.Size());
  bulkRows_.clear();
  for (const auto& c : columns) bulkRows_.push_back(c.Size());
  bulk_ = std::move(columns);
  nullText_ = nullText;
  rowNumbers_ = n;
  if (redraw_ && listener_.reset) listener_.reset();
}

std::string GetCellText(GridStore& grid, int row, int col) {
  grid.SetRow(row);
  grid.SetCol(col);
  return grid.Text();
}

void SetCellText(GridStore& grid, int row, int col, const std::string& text) {
  grid.SetRow(row);
  grid.SetCol(col);
  grid.SetText(text);
}

std::string GetRangeText(GridStore& grid, int row, int col, int rowSel, int colSel) {
  grid.SetRow(row);
  grid.SetCol(col);
  grid.SetRowSel(rowSel);
  grid.SetColSel(colSel);
  return grid.Clip();
}

void CopyRange(GridStore& grid, int row, int col, int rowSel, int colSel) {
  Clipboard().SetText(GetRangeText(grid, row, col, rowSel, colSel));
}

void CopySelection(GridStore& grid) {
  CopyRange(grid, grid.Row(), grid.Col(), grid.RowSel(), grid.ColSel());
}

}  // namespace tolvane
