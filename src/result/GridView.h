#pragma once
// Shows a GridStore: row 0 as the column header, column 0 as the row
// header, both fixed in view; alternate rows cream; free block selection;
// editing by keyboard and mouse. The store stays the one truth: edits are
// written to it and the current cell and selection follow the view.
#include <QAbstractTableModel>
#include <QTableView>

#include "result/GridStore.h"

namespace tolvane {

class GridModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit GridModel(GridStore* store, QObject* parent = nullptr);
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation o, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  void SetEditable(bool on) { editable_ = on; }
  void Reset();
  void CellsChanged(int r1, int c1, int r2, int c2);

 private:
  QVariant Alignment(int row, int col) const;
  GridStore* store_;
  bool editable_ = true;
};

class GridView : public QTableView {
  Q_OBJECT
 public:
  explicit GridView(QWidget* parent = nullptr);
  GridStore& Store() { return store_; }
  GridModel* Model() { return model_; }
  // Applies the store's column widths and hidden columns (twips to pixels).
  void ApplyColumnLayout();
  // The width of a text in twips, with this view's font.
  int MeasureTwips(std::string_view cp932) const;

 private:
  void SelectionToStore();
  void StoreToSelection();
  void ApplyColumn(int col);

  GridStore store_;
  GridModel* model_;
  bool syncing_ = false;
};

}  // namespace tolvane
