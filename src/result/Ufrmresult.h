#pragma once
// One result window: the rows of one query, the executed statement, the
// statement as program code, and a free memo.
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <map>
#include <string>

#include "app/Actions.h"
#include "data/RecordSet.h"
#include "data/cAdoSessions.h"
#include "result/GridView.h"

namespace tolvane {

class TfrmResult : public QMainWindow {
  Q_OBJECT
 public:
  // Takes the values out of the record set (which is left empty) and the
  // session's name, data source and last statement.
  TfrmResult(QWidget* owner, const std::string& dateTimeText, RecordSet& recordSet,
             const cAdoSession& session);

  const std::string& DateTimeText() const { return dateTimeText_; }
  int RowEnd() const { return rowEnd_; }
  GridView* VSFlexGrid1() { return grid_; }
  GridStore& Grid() { return grid_->Store(); }
  std::string GetMemoText() const;
  QAction* Action(const char* name) const;
  QString StatusText(int panel) const;
  QTabWidget* Pages() { return pgTab_; }

 private:
  void SetCaption(const cAdoSession& session);
  void InitGrid(RecordSet& set);
  void FillGrid(RecordSet& set);
  void SetSqlText(const std::string& sql);
  void SetMemoText();
  void ShowStatus(int recordCount);
  void BuildActions();
  void BuildMenus();

  void acEditCopyExecute();
  void acWindowEditorTopExecute();
  void NotYet();

  std::string dateTimeText_;
  int rowEnd_ = 0;
  QWidget* owner_;
  QTabWidget* pgTab_;
  GridView* grid_;
  QPlainTextEdit* redSql_;
  QPlainTextEdit* redSqlCode_;
  QPlainTextEdit* redMemo_;
  QLabel* panels_[2];
  ActionMap actions_;
};

}  // namespace tolvane
