#include "app/FindDialogs.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/PaneText.h"
#include "app/QtText.h"

namespace tolvane {

TfrmFind::TfrmFind(QWidget* owner) : QDialog(owner) {
  setObjectName(QStringLiteral("diaFind"));
  setWindowTitle(Q("検索"));
  setModal(false);
  edtFind = new QLineEdit(this);
  chkWholeWord = new QCheckBox(Q("単語単位で探す(&W)"), this);
  chkMatchCase = new QCheckBox(Q("大文字と小文字を区別する(&C)"), this);
  rbUp = new QRadioButton(Q("上へ(&U)"), this);
  rbDown = new QRadioButton(Q("下へ(&D)"), this);
  rbDown->setChecked(true);
  btnFindNext = new QPushButton(Q("次を検索(&F)"), this);
  btnFindNext->setDefault(true);
  auto* close = new QPushButton(Q("閉じる"), this);
  auto* form = new QFormLayout();
  form->addRow(Q("検索する文字列(&N)："), edtFind);
  auto* dir = new QGroupBox(Q("方向"), this);
  auto* dirLayout = new QHBoxLayout(dir);
  dirLayout->addWidget(rbUp);
  dirLayout->addWidget(rbDown);
  auto* left = new QVBoxLayout();
  left->addLayout(form);
  left->addWidget(chkWholeWord);
  left->addWidget(chkMatchCase);
  left->addWidget(dir);
  auto* right = new QVBoxLayout();
  right->addWidget(btnFindNext);
  right->addWidget(close);
  right->addStretch();
  auto* main = new QHBoxLayout(this);
  main->addLayout(left);
  main->addLayout(right);
  connect(btnFindNext, &QPushButton::clicked, this, &TfrmFind::findNext);
  connect(close, &QPushButton::clicked, this, &QDialog::hide);
}

int TfrmFind::Options() const {
  return (chkWholeWord->isChecked() ? kFindWholeWord : 0) | (chkMatchCase->isChecked() ? kFindMatchCase : 0);
}

TfrmReplace::TfrmReplace(QWidget* owner) : QDialog(owner) {
  setObjectName(QStringLiteral("diaReplace"));
  setWindowTitle(Q("置換"));
  setModal(false);
  edtFind = new QLineEdit(this);
  edtReplace = new QLineEdit(this);
  chkWholeWord = new QCheckBox(Q("単語単位で探す(&W)"), this);
  chkMatchCase = new QCheckBox(Q("大文字と小文字を区別する(&C)"), this);
  btnFindNext = new QPushButton(Q("次を検索(&F)"), this);
  btnFindNext->setDefault(true);
  btnReplace = new QPushButton(Q("置換して次に(&R)"), this);
  btnReplaceAll = new QPushButton(Q("すべて置換(&A)"), this);
  auto* close = new QPushButton(Q("閉じる"), this);
  auto* form = new QFormLayout();
  form->addRow(Q("検索する文字列(&N)："), edtFind);
  form->addRow(Q("置換後の文字列(&P)："), edtReplace);
  auto* left = new QVBoxLayout();
  left->addLayout(form);
  left->addWidget(chkWholeWord);
  left->addWidget(chkMatchCase);
  left->addStretch();
  auto* right = new QVBoxLayout();
  for (QPushButton* b : {btnFindNext, btnReplace, btnReplaceAll, close}) right->addWidget(b);
  right->addStretch();
  auto* main = new QHBoxLayout(this);
  main->addLayout(left);
  main->addLayout(right);
  connect(btnFindNext, &QPushButton::clicked, this, &TfrmReplace::findNext);
  connect(btnReplace, &QPushButton::clicked, this, [this] { emit replace(false); });
  connect(btnReplaceAll, &QPushButton::clicked, this, [this] { emit replace(true); });
  connect(close, &QPushButton::clicked, this, &QDialog::hide);
}

int TfrmReplace::Options() const {
  return (chkWholeWord->isChecked() ? kFindWholeWord : 0) | (chkMatchCase->isChecked() ? kFindMatchCase : 0);
}

}  // namespace tolvane
