#pragma once
// The modeless find and replace dialogs of the editor window.
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace tolvane {

class TfrmFind : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmFind(QWidget* owner);
  QLineEdit* edtFind;
  QCheckBox* chkWholeWord;
  QCheckBox* chkMatchCase;
  QRadioButton* rbUp;
  QRadioButton* rbDown;
  QPushButton* btnFindNext;
  int Options() const;
 signals:
  void findNext();
};

class TfrmReplace : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmReplace(QWidget* owner);
  QLineEdit* edtFind;
  QLineEdit* edtReplace;
  QCheckBox* chkWholeWord;
  QCheckBox* chkMatchCase;
  QPushButton* btnFindNext;
  QPushButton* btnReplace;
  QPushButton* btnReplaceAll;
  int Options() const;
 signals:
  void findNext();
  void replace(bool all);
};

}  // namespace tolvane
