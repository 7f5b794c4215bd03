#pragma once
// The settings dialog: every typed setting on seven pages, read when the
// dialog is made and written back, all of them, by "適用(&A)".
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>

namespace tolvane {

class TfrmSetting : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmSetting(QWidget* owner);

  QTabWidget* pgConfig;
  QLineEdit* edFontName;
  QLineEdit* edFontSize;
  QPushButton* btFont;
  QRadioButton* rbSJIS;
  QRadioButton* rbEUC;
  QCheckBox* chkSaveBoth;
  QCheckBox* chkAutoConnect;
  QSpinBox* cspHistory;
  QLineEdit* edVariable;
  QLineEdit* edMerge;
  QLineEdit* edPeriod;
  QLineEdit* edSiege;
  QCheckBox* chkCloseSpace;
  QCheckBox* chkMaxRow;
  QSpinBox* cspMaxRow;
  QLabel* lblMaxRow;
  QCheckBox* chkNull;
  QCheckBox* chkTaskbarSeparate;
  QLineEdit* txtCensoredWords1;
  QLineEdit* txtCensoredWords2;
  QCheckBox* chkAlphaBlend;
  QSpinBox* cspAlphaValue;
  QLabel* lblAlphaValue;
  QPushButton* btWrite;
  QPushButton* btCancel;

  void btFontClick();
  void btWriteClick();
  void chkMaxRowClick();
  void chkAlphaBlendClick();
  // Applies the configured font the first time the dialog is shown.
  void FirstPaint();

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void Load();
  bool firstPaint_ = true;
};

}  // namespace tolvane
