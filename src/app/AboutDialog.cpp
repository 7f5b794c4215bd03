#include "app/AboutDialog.h"

#include <gnu/libc-version.h>
#include <sql.h>
#include <sqlext.h>

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "app/QtText.h"

#ifndef TOLVANE_VERSION
#define TOLVANE_VERSION "0.0.0"
#endif

namespace tolvane {
namespace {

QString DriverManagerVersion() {
  SQLHENV env = SQL_NULL_HENV;
  SQLHDBC dbc = SQL_NULL_HDBC;
  QString version = Q("不明");
  if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env))) return version;
  SQLSetEnvAttr(env, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
  if (SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_DBC, env, &dbc))) {
    SQLCHAR buf[64] = {0};
    SQLSMALLINT len = 0;
    if (SQL_SUCCEEDED(SQLGetInfo(dbc, SQL_DM_VER, buf, sizeof buf, &len)))
      version = QString::fromLatin1(reinterpret_cast<char*>(buf));
    SQLFreeHandle(SQL_HANDLE_DBC, dbc);
  }
  SQLFreeHandle(SQL_HANDLE_ENV, env);
  return version;
}

}  // namespace

TfrmAbout::TfrmAbout(QWidget* owner) : QDialog(owner) {
  setObjectName(QStringLiteral("frmAbout"));
  setWindowTitle(Q("バージョン情報"));
  info_ = Q("tolvane %1\nSQL 実行ツール\n\nQt %2\nunixODBC ドライバマネージャ %3\nGNU C ライブラリ %4 (iconv)\nコンパイラ GCC %5")
              .arg(QStringLiteral(TOLVANE_VERSION), QString::fromLatin1(qVersion()),
                   DriverManagerVersion(), QString::fromLatin1(gnu_get_libc_version()),
                   QStringLiteral(__VERSION__));
  auto* layout = new QVBoxLayout(this);
  auto* label = new QLabel(info_, this);
  label->setObjectName(QStringLiteral("lblInfo"));
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(label);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
}

}  // namespace tolvane
