#include "settings/Ufrmsetting.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/Dialogs.h"
#include "app/QtPlatform.h"
#include "app/QtText.h"
#include "settings/Fbrenmoini.h"

namespace tolvane {
namespace {

QWidget* Page(QTabWidget* tabs, const char* name, const char* caption) {
  auto* page = new QWidget(tabs);
  page->setObjectName(QString::fromLatin1(name));
  tabs->addTab(page, Q(caption));
  return page;
}

QGroupBox* Group(QWidget* page, const char* caption) {
  auto* layout = new QVBoxLayout(page);
  auto* g = new QGroupBox(Q(caption), page);
  layout->addWidget(g);
  layout->addStretch();
  return g;
}

}  // namespace

TfrmSetting::TfrmSetting(QWidget* owner) : QDialog(owner) {
  setObjectName(QStringLiteral("frmSetting"));
  setWindowTitle(Q("環境設定"));
  pgConfig = new QTabWidget(this);
  pgConfig->setObjectName(QStringLiteral("pgConfig"));

  {  // フォント
    QGroupBox* g = Group(Page(pgConfig, "tsFont", "フォント"), "フォント情報");
    auto* f = new QFormLayout(g);
    edFontName = new QLineEdit(g);
    edFontName->setReadOnly(true);
    edFontName->setEnabled(false);
    edFontSize = new QLineEdit(g);
    edFontSize->setReadOnly(true);
    edFontSize->setEnabled(false);
    btFont = new QPushButton(Q("設定(&S)..."), g);
    f->addRow(Q("フォント名："), edFontName);
    f->addRow(Q("サイズ："), edFontSize);
    f->addRow(QString(), btFont);
  }
  {  // 保存
    QWidget* page = Page(pgConfig, "tsSave", "保存");
    auto* layout = new QVBoxLayout(page);
    auto* g1 = new QGroupBox(Q("新規保存の文字ｺｰﾄﾞ形式"), page);
    auto* l1 = new QHBoxLayout(g1);
    rbSJIS = new QRadioButton(Q("SJIS(&S)"), g1);
    rbEUC = new QRadioButton(Q("EUC(&E)"), g1);
    l1->addWidget(new QLabel(Q("保存形式："), g1));
    l1->addWidget(rbSJIS);
    l1->addWidget(rbEUC);
    l1->addStretch();
    auto* g2 = new QGroupBox(Q("保存ｵﾌﾟｼｮﾝ"), page);
    auto* l2 = new QVBoxLayout(g2);
    chkSaveBoth = new QCheckBox(Q("SJISとEUC両方で保存する。(&D)"), g2);
    l2->addWidget(chkSaveBoth);
    l2->addWidget(new QLabel(Q("※ﾌｧｲﾙ名の末尾に_SJIS、_EUCが付きます。"), g2));
    layout->addWidget(g1);
    layout->addWidget(g2);
    layout->addStretch();
  }
  {  // 接続
    QGroupBox* g = Group(Page(pgConfig, "tsConnect", "接続"), "起動時接続");
    auto* l = new QVBoxLayout(g);
    chkAutoConnect = new QCheckBox(Q("起動時に､終了時の接続設定で再接続する。(&R)"), g);
    l->addWidget(chkAutoConnect);
  }
  {  // 履歴
    QGroupBox* g = Group(Page(pgConfig, "tsHistory", "履歴"), "履歴保持数");
    auto* f = new QFormLayout(g);
    cspHistory = new QSpinBox(g);
    cspHistory->setRange(20, 256);
    f->addRow(Q("保持数(&H)："), cspHistory);
  }
  {  // コード
    QGroupBox* g = Group(Page(pgConfig, "tsCode", "コード"), "コード設定");
    auto* f = new QFormLayout(g);
    edVariable = new QLineEdit(g);
    edMerge = new QLineEdit(g);
    edPeriod = new QLineEdit(g);
    edSiege = new QLineEdit(g);
    chkCloseSpace = new QCheckBox(Q("閉じる前に1スペース入れる(&S)"), g);
    f->addRow(Q("変数名(&N)："), edVariable);
    f->addRow(Q("文字列接続子(&C)："), edMerge);
    f->addRow(Q("終端子(&T)："), edPeriod);
    f->addRow(Q("囲い文字(&E)："), edSiege);
    f->addRow(QString(), chkCloseSpace);
  }
  {  // 結果表示
    QGroupBox* g = Group(Page(pgConfig, "tsResult", "結果表示"), "結果表示画面");
    auto* f = new QFormLayout(g);
    chkMaxRow = new QCheckBox(Q("指定件数以上ヒットした場合は警告を表示する。(&W)"), g);
    cspMaxRow = new QSpinBox(g);
    cspMaxRow->setRange(1, 1000000000);
    lblMaxRow = new QLabel(Q("件数(&N):"), g);
    lblMaxRow->setBuddy(cspMaxRow);
    chkNull = new QCheckBox(Q("NULL値を“<NULL>”で表示する。(&N)"), g);
    chkTaskbarSeparate = new QCheckBox(Q("タスクバーに個別表示する。(&T)"), g);
    txtCensoredWords1 = new QLineEdit(g);
    txtCensoredWords1->setMaxLength(1);
    txtCensoredWords2 = new QLineEdit(g);
    txtCensoredWords2->setMaxLength(2);
    f->addRow(chkMaxRow);
    f->addRow(lblMaxRow, cspMaxRow);
    f->addRow(chkNull);
    f->addRow(chkTaskbarSeparate);
    f->addRow(Q("半角用伏字置換文字(&C)："), txtCensoredWords1);
    f->addRow(Q("全角用伏字置換文字(&D)："), txtCensoredWords2);
  }
  {  // エディター
    QGroupBox* g = Group(Page(pgConfig, "TabSheet1", "エディター"), "透過");
    auto* f = new QFormLayout(g);
    chkAlphaBlend = new QCheckBox(Q("エディター画面を透過表示する。(&B)"), g);
    cspAlphaValue = new QSpinBox(g);
    cspAlphaValue->setRange(20, 255);
    lblAlphaValue = new QLabel(Q("透過度(&V)："), g);
    lblAlphaValue->setBuddy(cspAlphaValue);
    auto* row = new QHBoxLayout();
    row->addWidget(cspAlphaValue);
    row->addWidget(new QLabel(Q("(20：薄い～255：濃い)"), g));
    f->addRow(chkAlphaBlend);
    f->addRow(lblAlphaValue, row);
  }

  btWrite = new QPushButton(Q("適用(&A)"), this);
  btCancel = new QPushButton(Q("キャンセル"), this);
  auto* buttons = new QHBoxLayout();
  buttons->addStretch();
  buttons->addWidget(btWrite);
  buttons->addWidget(btCancel);
  auto* main = new QVBoxLayout(this);
  main->addWidget(pgConfig);
  main->addLayout(buttons);
  pgConfig->setCurrentIndex(0);
  setMinimumWidth(540);

  connect(btFont, &QPushButton::clicked, this, [this] { btFontClick(); });
  connect(btWrite, &QPushButton::clicked, this, [this] { btWriteClick(); });
  connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(chkMaxRow, &QCheckBox::clicked, this, [this] { chkMaxRowClick(); });
  connect(chkAlphaBlend, &QCheckBox::clicked, this, [this] { chkAlphaBlendClick(); });
  Load();
}

void TfrmSetting::Load() {
  chkAutoConnect->setChecked(GetAutoConnect());
  chkSaveBoth->setChecked(GetSaveBoth());
  (GetSaveType() == 1 ? rbSJIS : rbEUC)->setChecked(true);
  cspHistory->setValue(GetHistoryNum());  // the spin field clamps to its range
  edVariable->setText(ToQ(GetVariable()));
  edMerge->setText(ToQ(GetMerge()));
  edPeriod->setText(ToQ(GetPeriod()));
  edSiege->setText(ToQ(GetSiege()));
  chkCloseSpace->setChecked(GetCloseSpace());
  const int maxRow = GetMaxRow();
  chkMaxRow->setChecked(maxRow > 0);
  cspMaxRow->setValue(maxRow > 0 ? maxRow : 1);
  cspMaxRow->setEnabled(maxRow > 0);
  lblMaxRow->setEnabled(maxRow > 0);
  chkNull->setChecked(GetDispNull());
  chkTaskbarSeparate->setChecked(GetTaskbarSeparate());
  txtCensoredWords1->setText(ToQ(GetCensoredWords1()));
  txtCensoredWords2->setText(ToQ(GetCensoredWords2()));
  const bool alpha = GetAlphaBlend();
  chkAlphaBlend->setChecked(alpha);
  cspAlphaValue->setValue(alpha ? GetAlphaValue() : 255);
  cspAlphaValue->setEnabled(alpha);
  lblAlphaValue->setEnabled(alpha);
}

void TfrmSetting::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  FirstPaint();
}

void TfrmSetting::FirstPaint() {
  if (!firstPaint_) return;
  firstPaint_ = false;
  SetFormFont(this);
  edFontName->setText(font().family());
  edFontSize->setText(QString::number(font().pointSize()));
}

void TfrmSetting::btFontClick() {
  auto chosen = Dialogs().ChooseFont(this, font());
  if (!chosen) return;
  setFont(*chosen);
  edFontName->setText(chosen->family());
  edFontSize->setText(QString::number(chosen->pointSize()));
}

void TfrmSetting::chkMaxRowClick() {
  cspMaxRow->setEnabled(chkMaxRow->isChecked());
  lblMaxRow->setEnabled(chkMaxRow->isChecked());
}

void TfrmSetting::chkAlphaBlendClick() {
  cspAlphaValue->setEnabled(chkAlphaBlend->isChecked());
  lblAlphaValue->setEnabled(chkAlphaBlend->isChecked());
}

void TfrmSetting::btWriteClick() {
  FirstPaint();  // the font fields hold the dialog's font from here on
  SetAutoConnect(chkAutoConnect->isChecked());
  SetSaveType(rbSJIS->isChecked() ? 1 : 2);
  SetSaveBoth(chkSaveBoth->isChecked());
  FontSpec f;
  f.name = FromQ(font().family());
  f.size = font().pointSize();
  f.bold = font().bold();
  f.italic = font().italic();
  SetFontInfo(f);
  SetVariable(FromQ(edVariable->text()));
  SetMerge(FromQ(edMerge->text()));
  SetPeriod(FromQ(edPeriod->text()));
  SetSiege(FromQ(edSiege->text()));
  SetCloseSpace(chkCloseSpace->isChecked());
  SetHistoryNum(cspHistory->value());
  SetMaxRow(chkMaxRow->isChecked() ? cspMaxRow->value() : 0);
  SetDispNull(chkNull->isChecked());
  SetTaskbarSeparate(chkTaskbarSeparate->isChecked());
  SetAlphaBlend(chkAlphaBlend->isChecked());
  SetCensoredWords1(FromQ(txtCensoredWords1->text()));
  SetCensoredWords2(FromQ(txtCensoredWords2->text()));
  SetAlphaValue(chkAlphaBlend->isChecked() ? cspAlphaValue->value() : 255);
  accept();
}

}  // namespace tolvane
