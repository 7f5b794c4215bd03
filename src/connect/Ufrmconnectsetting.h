#pragma once
// The dialog that defines one session: name, type, data source, user and
// password; adds or replaces the session and writes its entry at once, and
// can try the connection first.
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include "data/cAdoSessions.h"

namespace tolvane {

class TfrmConnectSetting : public QDialog {
  Q_OBJECT
 public:
  // A new session.
  TfrmConnectSetting(QWidget* owner, cBrenmoSessions& sessions);
  // The session with that number (a number of 0 or less: a new one).
  TfrmConnectSetting(QWidget* owner, int number, cBrenmoSessions& sessions);

  QLineEdit* edtConnectName;
  QComboBox* cboDataSourceType;
  QLineEdit* edtDataSourceName;
  QPushButton* btnRefer;
  QLineEdit* edtUserName;
  QLineEdit* edtPassword;
  QPushButton* btnConnectTest;
  QPushButton* btnOk;
  QPushButton* btnCancel;

  void cboDataSourceTypeChange();
  void btnReferClick();
  void btnOkClick();
  void btnConnectTestClick();
  // The descriptor of the dialog's values.
  std::string Descriptor() const;

 private:
  void Build();
  bool Validate();

  cBrenmoSessions& sessions_;
  int number_ = -1;
};

}  // namespace tolvane
