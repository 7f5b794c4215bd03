#include "connect/Ufrmconnectsetting.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/Dialogs.h"
#include "app/MessageBoxes.h"
#include "app/QtText.h"
#include "data/DataSourceTypes.h"
#include "settings/Fbrenmoini.h"
#include "sqltext/cSQL.h"

namespace tolvane {

TfrmConnectSetting::TfrmConnectSetting(QWidget* owner, cBrenmoSessions& sessions)
    : QDialog(owner), sessions_(sessions) {
  Build();
}

TfrmConnectSetting::TfrmConnectSetting(QWidget* owner, int number, cBrenmoSessions& sessions)
    : QDialog(owner), sessions_(sessions), number_(number) {
  Build();
  if (number > 0) {
    SessionFields f = sessions_.GetSessionFields(std::to_string(number));
    edtConnectName->setText(ToQ(f.name));
    edtDataSourceName->setText(ToQ(f.dataSource));
    edtUserName->setText(ToQ(f.userId));
    edtPassword->setText(ToQ(f.password));
    int i = cboDataSourceType->findText(ToQ(f.typeName));
    if (i >= 0 && !f.typeName.empty()) cboDataSourceType->setCurrentIndex(i);
  }
}

void TfrmConnectSetting::Build() {
  setObjectName(QStringLiteral("frmConnectSetting"));
  setWindowTitle(Q("接続設定"));
  edtConnectName = new QLineEdit(this);
  edtConnectName->setObjectName(QStringLiteral("edtConnectName"));
  cboDataSourceType = new QComboBox(this);
  cboDataSourceType->setObjectName(QStringLiteral("cboDataSourceType"));
  for (const auto& row : DataSourceTypes()) cboDataSourceType->addItem(QString::fromLatin1(row.name));
  cboDataSourceType->setCurrentIndex(0);
  edtDataSourceName = new QLineEdit(this);
  edtDataSourceName->setObjectName(QStringLiteral("edtDataSourceName"));
  btnRefer = new QPushButton(Q("参照..."), this);
  btnRefer->setObjectName(QStringLiteral("btnRefer"));
  edtUserName = new QLineEdit(this);
  edtUserName->setObjectName(QStringLiteral("edtUserName"));
  edtPassword = new QLineEdit(this);  // shown as typed
  edtPassword->setObjectName(QStringLiteral("edtPassword"));
  btnConnectTest = new QPushButton(Q("接続ﾃｽﾄ(&T)"), this);
  btnOk = new QPushButton(QStringLiteral("OK"), this);
  btnOk->setDefault(true);
  btnCancel = new QPushButton(Q("ｷｬﾝｾﾙ"), this);

  auto* form = new QFormLayout();
  auto label = [this](const char* text, QWidget* buddy) {
    auto* l = new QLabel(Q(text), this);
    l->setBuddy(buddy);
    return l;
  };
  form->addRow(label("接続先名(&D)：", edtConnectName), edtConnectName);
  form->addRow(label("ﾃﾞｰﾀｿｰｽ形式(&E)：", cboDataSourceType), cboDataSourceType);
  auto* source = new QHBoxLayout();
  source->addWidget(edtDataSourceName);
  source->addWidget(btnRefer);
  form->addRow(label("ﾃﾞｰﾀｿｰｽ名(&S)：", edtDataSourceName), source);
  form->addRow(label("ﾕｰｻﾞ名(&U)：", edtUserName), edtUserName);
  form->addRow(label("ﾊﾟｽﾜｰﾄﾞ(&P)：", edtPassword), edtPassword);
  auto* buttons = new QHBoxLayout();
  buttons->addWidget(btnConnectTest);
  buttons->addStretch();
  buttons->addWidget(btnOk);
  buttons->addWidget(btnCancel);
  auto* main = new QVBoxLayout(this);
  main->addLayout(form);
  main->addLayout(buttons);
  setMinimumWidth(420);
  setTabOrder(edtConnectName, cboDataSourceType);
  setTabOrder(cboDataSourceType, edtDataSourceName);
  setTabOrder(edtDataSourceName, btnRefer);
  setTabOrder(btnRefer, edtUserName);
  setTabOrder(edtUserName, edtPassword);
  setTabOrder(edtPassword, btnConnectTest);
  setTabOrder(btnConnectTest, btnOk);
  setTabOrder(btnOk, btnCancel);

  // Only a change the user makes sets the browse button.
  connect(cboDataSourceType, &QComboBox::activated, this, [this] { cboDataSourceTypeChange(); });
  connect(btnRefer, &QPushButton::clicked, this, [this] { btnReferClick(); });
  connect(btnOk, &QPushButton::clicked, this, [this] { btnOkClick(); });
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(btnConnectTest, &QPushButton::clicked, this, [this] { btnConnectTestClick(); });
}

void TfrmConnectSetting::cboDataSourceTypeChange() {
  const QString t = cboDataSourceType->currentText();
  static const QStringList noFile = {QStringLiteral("Oracle(Microsoft Provider)"),
                                     QStringLiteral("Oracle(Oracle Provider)"),
                                     QStringLiteral("SQLServer"), QStringLiteral("ODBC"),
                                     QStringLiteral("PostgreSQL(PgOleDB)"),
                                     QStringLiteral("MySQL(MyODBC5.1)")};
  btnRefer->setEnabled(!noFile.contains(t));
}

void TfrmConnectSetting::btnReferClick() {
  const std::string type = FromQ(cboDataSourceType->currentText());
  QString ext = ToQ(DefaultExtOf(type)).section(QLatin1Char(';'), 0, 0);
  auto chosen = Dialogs().OpenFile(this, QString(), QtFilter(ToQ(FilterOf(type))), ext);
  if (chosen) edtDataSourceName->setText(*chosen);
}

std::string TfrmConnectSetting::Descriptor() const {
  const std::string type = FromQ(cboDataSourceType->currentText());
  return Trim(ProviderOf(type)) + "," + Trim(FromQ(edtDataSourceName->text())) + "," +
         Trim(FromQ(edtUserName->text())) + "," + Trim(FromQ(edtPassword->text())) + "," +
         Trim(ExtendedPropertiesOf(type));
}

bool TfrmConnectSetting::Validate() {
  auto fail = [](const char* message, QLineEdit* field) {
    MsgWarning(J(message));
    field->setFocus();
    return false;
  };
  const QString type = cboDataSourceType->currentText();
  if (edtConnectName->text().isEmpty()) return fail("接続先名が入力されていません。", edtConnectName);
  if (edtDataSourceName->text().isEmpty())
    return fail("ﾃﾞｰﾀｿｰｽ名が入力されていません。", edtDataSourceName);
  if (type == QStringLiteral("Oracle(Microsoft Provider)") || type == QStringLiteral("Oracle(Oracle Provider)")) {
    if (edtUserName->text().isEmpty()) return fail("ﾕｰｻﾞｰ名が入力されていません。", edtUserName);
    if (edtPassword->text().isEmpty()) return fail("ﾊﾟｽﾜｰﾄﾞが入力されていません。", edtPassword);
  }
  if (type == QStringLiteral("SQLServer") && edtUserName->text().isEmpty())
    return fail("ﾕｰｻﾞｰ名が入力されていません。", edtUserName);
  // The saved forms separate fields with "," and ";" and cannot hold them.
  struct Field {
    QLineEdit* edit;
    const char* message;
  } fields[] = {
      {edtConnectName, "接続先名に「,」や「;」は使えません。"},
      {edtDataSourceName, "ﾃﾞｰﾀｿｰｽ名に「,」や「;」は使えません。"},
      {edtUserName, "ﾕｰｻﾞｰ名に「,」や「;」は使えません。"},
      {edtPassword, "ﾊﾟｽﾜｰﾄﾞに「,」や「;」は使えません。"},
  };
  for (const auto& f : fields)
    if (f.edit->text().contains(QLatin1Char(',')) || f.edit->text().contains(QLatin1Char(';')))
      return fail(f.message, f.edit);
  return true;
}

void TfrmConnectSetting::btnOkClick() {
  if (!Validate()) return;
  const std::string name = FromQ(edtConnectName->text());
  const std::string descriptor = Descriptor();
  int number = number_;
  if (number <= 0) {
    number = sessions_.GetCount() == 0 ? 1 : sessions_.GetLastNo() + 1;
    sessions_.Add(number, name, descriptor);
  } else {
    sessions_.Replace(number, name, descriptor);
  }
  WriteConnect(std::to_string(number), name + ",0;" + descriptor);
  accept();
}

void TfrmConnectSetting::btnConnectTestClick() {
  if (!Validate()) return;
  cAdo test(Descriptor());
  if (test.Connect()) MsgInfo(J("接続に成功しました。"));
}

}  // namespace tolvane
