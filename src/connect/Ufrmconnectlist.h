#pragma once
// The list of every session with its state and settings: add, edit, remove,
// connect and disconnect sessions, and pick the one the editor uses.
#include <QAction>
#include <QDialog>
#include <QPushButton>
#include <functional>
#include <map>

#include "data/cAdoSessions.h"
#include "result/GridView.h"

namespace tolvane {

class TfrmConnectSetting;

class TfrmConnectList : public QDialog {
  Q_OBJECT
 public:
  TfrmConnectList(QWidget* owner, cBrenmoSessions& sessions);

  GridView* VSFlexGrid1;
  QPushButton* btnEditAdd;
  QPushButton* btnEditUpdate;
  QPushButton* btnEditDelete;
  QPushButton* btnConnectConnect;
  QPushButton* btnConnectDisconnect;
  QPushButton* btnOk;
  QAction* Action(const char* name) const;

  void acEditAddExecute();
  void acEditUpdateExecute();
  void acEditDeleteExecute();
  void acConnectConnectExecute();
  void acConnectDisconnectExecute();
  void FormShow();
  void FormClose();
  // The current row's session number, -1 when it is not a number.
  int CurrentNumber();

  // Runs the settings dialog modally; tests answer it instead.
  static std::function<int(TfrmConnectSetting&)> RunSettingDialog;

 protected:
  void showEvent(QShowEvent* e) override;
  void done(int r) override;
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  void LayoutGrid();
  void FillGrid();
  void EnableActions();
  void Refresh();

  cBrenmoSessions& sessions_;
  std::map<std::string, QAction*> actions_;
};

}  // namespace tolvane
