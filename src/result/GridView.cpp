#include "result/GridView.h"

#include <QColor>
#include <QFontMetrics>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPalette>
#include <QScrollBar>

#include "app/QtText.h"

namespace tolvane {
namespace {

constexpr int kTwipsPerPixel = 15;

Qt::Alignment ToQt(int alignment) {
  switch (alignment) {
    case kAlignCenterCenter: return Qt::AlignCenter;
    case kAlignRightCenter: return Qt::AlignRight | Qt::AlignVCenter;
    case kAlignLeftCenter: return Qt::AlignLeft | Qt::AlignVCenter;
    default: return Qt::AlignLeft | Qt::AlignVCenter;
  }
}

}  // namespace

GridModel::GridModel(GridStore* store, QObject* parent) : QAbstractTableModel(parent), store_(store) {}

int GridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : std::max(0, store_->Rows() - 1);
}

int GridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : std::max(0, store_->Cols() - 1);
}

QVariant GridModel::Alignment(int row, int col) const {
  CellFormat f = store_->FormatAt(row, col);
  int a = f.alignment >= 0 ? f.alignment : store_->ColAlignment(col);
  return QVariant::fromValue(ToQt(a));
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const int r = index.row() + 1, c = index.column() + 1;
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: {
      std::string scratch;
      std::string_view t = store_->TextViewAt(r, c, scratch);
      return ToQ(std::string(t));
    }
    case Qt::TextAlignmentRole:
      return Alignment(r, c);
    case Qt::BackgroundRole: {
      CellFormat f = store_->FormatAt(r, c);
      if (f.hasBackColor)
        return QColor((f.backColor >> 16) & 0xFF, (f.backColor >> 8) & 0xFF, f.backColor & 0xFF);
      return {};
    }
    default:
      return {};
  }
}

QVariant GridModel::headerData(int section, Qt::Orientation o, int role) const {
  if (role == Qt::DisplayRole) {
    std::string scratch;
    std::string_view t = o == Qt::Horizontal ? store_->TextViewAt(0, section + 1, scratch)
                                             : store_->TextViewAt(section + 1, 0, scratch);
    return ToQ(std::string(t));
  }
  if (role == Qt::TextAlignmentRole)
    return o == Qt::Horizontal ? Alignment(0, section + 1) : Alignment(section + 1, 0);
  return {};
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || role != Qt::EditRole) return false;
  std::string text = FromQ(value.toString());
  if (store_->EditMaxLength() > 0 && text.size() > static_cast<size_t>(store_->EditMaxLength()))
    text.resize(static_cast<size_t>(store_->EditMaxLength()));
  store_->SetTextAt(index.row() + 1, index.column() + 1, text);
  return true;
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags f = QAbstractTableModel::flags(index);
  if (editable_) f |= Qt::ItemIsEditable;
  return f;
}

void GridModel::Reset() {
  beginResetModel();
  endResetModel();
}

void GridModel::CellsChanged(int r1, int c1, int r2, int c2) {
  if (r1 == 0 || c1 == 0) {
    if (r1 == 0) emit headerDataChanged(Qt::Horizontal, std::max(0, c1 - 1), std::max(0, c2 - 1));
    if (c1 == 0) emit headerDataChanged(Qt::Vertical, std::max(0, r1 - 1), std::max(0, r2 - 1));
  }
  int rr1 = std::max(1, r1), cc1 = std::max(1, c1);
  if (r2 >= rr1 && c2 >= cc1) emit dataChanged(index(rr1 - 1, cc1 - 1), index(r2 - 1, c2 - 1));
}

GridView::GridView(QWidget* parent) : QTableView(parent), model_(new GridModel(&store_, this)) {
  setModel(model_);
  setAlternatingRowColors(true);
  QPalette pal = palette();
  pal.setColor(QPalette::AlternateBase, QColor(255, 251, 240));
  setPalette(pal);
  setSelectionMode(QAbstractItemView::ContiguousSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                  QAbstractItemView::AnyKeyPressed);
  // Uniform rows keep a million-row result as cheap as a small one.
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  setWordWrap(false);

  GridStore::Listener l;
  l.reset = [this] {
    model_->Reset();
    ApplyColumnLayout();
    StoreToSelection();
  };
  l.cellsChanged = [this](int r1, int c1, int r2, int c2) { model_->CellsChanged(r1, c1, r2, c2); };
  l.selectionChanged = [this] { StoreToSelection(); };
  l.showCell = [this](int r, int c) {
    if (r >= 1 && c >= 1) scrollTo(model_->index(r - 1, c - 1));
  };
  l.topRowChanged = [this](int r) {
    if (r >= 1) scrollTo(model_->index(r - 1, 0), QAbstractItemView::PositionAtTop);
  };
  l.columnChanged = [this](int c) { ApplyColumn(c); };
  store_.SetListener(std::move(l));

  connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this] { SelectionToStore(); });
  connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this] { SelectionToStore(); });
}

int GridView::MeasureTwips(std::string_view cp932) const {
  QFontMetrics fm(font());
  return (fm.horizontalAdvance(ToQ(std::string(cp932))) + 12) * kTwipsPerPixel;
}

void GridView::ApplyColumn(int col) {
  if (col == 0) {
    return;  // the row-number column is the vertical header, sized by Qt
  }
  if (col - 1 >= model_->columnCount()) return;
  setColumnWidth(col - 1, std::max(8, store_.ColWidth(col) / kTwipsPerPixel));
  setColumnHidden(col - 1, store_.ColHidden(col));
}

void GridView::ApplyColumnLayout() {
  for (int c = 1; c < store_.Cols(); ++c) ApplyColumn(c);
}

void GridView::SelectionToStore() {
  if (syncing_) return;
  QModelIndex cur = currentIndex();
  if (!cur.isValid()) return;
  // The far corner is where the pointer or the keyboard is (the current
  // index); the current cell is the opposite corner of the block.
  int top = cur.row(), bottom = cur.row(), left = cur.column(), right = cur.column();
  const QItemSelection sel = selectionModel()->selection();
  if (!sel.isEmpty()) {
    const QItemSelectionRange& range = sel.last();
    if (range.contains(cur)) {
      top = range.top();
      bottom = range.bottom();
      left = range.left();
      right = range.right();
    }
  }
  int row = (cur.row() == top ? bottom : top) + 1;
  int col = (cur.column() == left ? right : left) + 1;
  syncing_ = true;
  store_.Select(row, col, cur.row() + 1, cur.column() + 1);
  syncing_ = false;
}

void GridView::StoreToSelection() {
  if (syncing_) return;
  int r1, c1, r2, c2;
  store_.SelectionBlock(r1, c1, r2, c2);
  r1 = std::max(1, r1);
  c1 = std::max(1, c1);
  if (r2 < 1 || c2 < 1 || r2 > model_->rowCount() || c2 > model_->columnCount()) return;
  syncing_ = true;
  QItemSelection sel(model_->index(r1 - 1, c1 - 1), model_->index(r2 - 1, c2 - 1));
  selectionModel()->setCurrentIndex(model_->index(std::max(1, store_.RowSel()) - 1,
                                                  std::max(1, store_.ColSel()) - 1),
                                    QItemSelectionModel::NoUpdate);
  selectionModel()->select(sel, QItemSelectionModel::ClearAndSelect);
  syncing_ = false;
}

}  // namespace tolvane
