// The connection dialogs, the settings dialog and the result search.
#include <QSpinBox>
#include <sys/stat.h>

#include "connect/Ufrmconnectlist.h"
#include "connect/Ufrmconnectsetting.h"
#include "gui/GuiFixture.h"
#include "result/Ufrmresult.h"
#include "result/Ufrmresultsearch.h"
#include "settings/Ufrmsetting.h"

using namespace tolvane;
using test::S;

namespace {

class ConnectDialogs : public test::Editor {
 protected:
  void SetUp() override {
    Editor::SetUp();
    EmptyHistory();
  }
  void TearDown() override {
    TfrmConnectList::RunSettingDialog = [](TfrmConnectSetting& d) { return d.exec(); };
    Editor::TearDown();
  }
  test::ScriptedDialogs dialogs;
};

TEST_F(ConnectDialogs, ValidationOrderAndFocus) {
  cBrenmoSessions sessions;
  TfrmConnectSetting d(nullptr, sessions);
  d.show();
  struct {
    const char* type;
    const char* name;
    const char* source;
    const char* user;
    const char* password;
    const char* message;
    QLineEdit* TfrmConnectSetting::*focus;
  } cases[] = {
      {"Access97", "", "", "", "", "接続先名が入力されていません。", &TfrmConnectSetting::edtConnectName},
      {"Access97", "n", "", "", "", "ﾃﾞｰﾀｿｰｽ名が入力されていません。", &TfrmConnectSetting::edtDataSourceName},
      {"Oracle(Oracle Provider)", "n", "s", "", "", "ﾕｰｻﾞｰ名が入力されていません。", &TfrmConnectSetting::edtUserName},
      {"Oracle(Microsoft Provider)", "n", "s", "u", "", "ﾊﾟｽﾜｰﾄﾞが入力されていません。", &TfrmConnectSetting::edtPassword},
      {"SQLServer", "n", "s", "", "", "ﾕｰｻﾞｰ名が入力されていません。", &TfrmConnectSetting::edtUserName},
      {"Access97", "a,b", "s", "", "", "接続先名に「,」や「;」は使えません。", &TfrmConnectSetting::edtConnectName},
      {"Access97", "n", "s", "u", "p;w", "ﾊﾟｽﾜｰﾄﾞに「,」や「;」は使えません。", &TfrmConnectSetting::edtPassword},
  };
  for (const auto& c : cases) {
    prompts.shown.clear();
    d.cboDataSourceType->setCurrentText(QString::fromLatin1(c.type));
    d.edtConnectName->setText(QString::fromLatin1(c.name));
    d.edtDataSourceName->setText(QString::fromLatin1(c.source));
    d.edtUserName->setText(QString::fromLatin1(c.user));
    d.edtPassword->setText(QString::fromLatin1(c.password));
    d.btnOk->click();
    ASSERT_EQ(prompts.shown.size(), 1u) << c.message;
    EXPECT_EQ(prompts.shown[0].text, S(c.message));
    EXPECT_EQ(prompts.shown[0].caption, S("警告"));
    EXPECT_EQ(d.focusWidget(), d.*c.focus) << c.message;
    EXPECT_EQ(sessions.GetCount(), 0);
  }
  // SQL Server with a user and no password passes; blanks count as text.
  prompts.shown.clear();
  d.cboDataSourceType->setCurrentText(QStringLiteral("SQLServer"));
  d.edtConnectName->setText(QStringLiteral(" sales "));
  d.edtDataSourceName->setText(QStringLiteral(" srv@db "));
  d.edtUserName->setText(QStringLiteral(" sa "));
  d.edtPassword->clear();
  d.btnOk->click();
  EXPECT_TRUE(prompts.shown.empty());
  ASSERT_EQ(sessions.GetCount(), 1);
  EXPECT_EQ(ReadConnect("1"), " sales ,0;SQLOLEDB,srv@db,sa,,");
  sessions.KeepSavedOnDestroy();
}

TEST_F(ConnectDialogs, BrowseButtonAndFilter) {
  cBrenmoSessions sessions;
  sessions.KeepSavedOnDestroy();
  sessions.Add(1, "s", "SQLOLEDB,srv@db,sa,,");
  TfrmConnectSetting d(nullptr, 1, sessions);
  EXPECT_EQ(d.cboDataSourceType->currentText(), QStringLiteral("SQLServer"));
  EXPECT_TRUE(d.btnRefer->isEnabled()) << "enabled when the dialog opens";
  d.cboDataSourceType->setCurrentText(QStringLiteral("SQLServer"));
  d.cboDataSourceTypeChange();
  EXPECT_FALSE(d.btnRefer->isEnabled());
  d.cboDataSourceType->setCurrentText(QStringLiteral("Excel2007"));
  d.cboDataSourceTypeChange();
  EXPECT_TRUE(d.btnRefer->isEnabled());
  dialogs.files = {QStringLiteral("/data/book.xlsx")};
  d.btnRefer->click();
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].filter,
            QStringLiteral("MicroSoft Excel (*.xlsx) (*.XLSX *.xlsx);;All Files (*.*) (*)"));
  EXPECT_EQ(dialogs.asked[0].suffix, QStringLiteral("xlsx"));
  EXPECT_EQ(d.edtDataSourceName->text(), QStringLiteral("/data/book.xlsx"));
  // A provider outside the table opens as Access97.
  sessions.Add(2, "x", "MyProvider,src,,,");
  TfrmConnectSetting other(nullptr, 2, sessions);
  EXPECT_EQ(other.cboDataSourceType->currentText(), QStringLiteral("Access97"));
}

TEST_F(ConnectDialogs, ConnectionTest) {
  cBrenmoSessions sessions;
  sessions.KeepSavedOnDestroy();
  TfrmConnectSetting d(nullptr, sessions);
  d.cboDataSourceType->setCurrentText(QStringLiteral("SQLite(SQLite3 ODBC Driver)"));
  d.edtConnectName->setText(QStringLiteral("t"));
  d.edtDataSourceName->setText(ToQ(home.File("t.db")));
  d.btnConnectTest->click();
  ASSERT_EQ(prompts.shown.size(), 1u);
  EXPECT_EQ(prompts.shown[0].text, S("接続に成功しました。"));
  EXPECT_EQ(sessions.GetCount(), 0);
  EXPECT_EQ(ReadConnect("1"), "");
}

TEST_F(ConnectDialogs, ListAddsEditsConnectsAndDeletes) {
  cBrenmoSessions sessions;
  sessions.KeepSavedOnDestroy();
  std::deque<std::function<void(TfrmConnectSetting&)>> fills;
  TfrmConnectList::RunSettingDialog = [&](TfrmConnectSetting& d) {
    auto fill = fills.front();
    fills.pop_front();
    fill(d);
    d.btnOk->click();
    return d.result();
  };
  auto sqlite = [this](const char* name, const char* file) {
    return [this, name, file](TfrmConnectSetting& d) {
      d.cboDataSourceType->setCurrentText(QStringLiteral("SQLite(SQLite3 ODBC Driver)"));
      d.edtConnectName->setText(ToQ(S(name)));
      d.edtDataSourceName->setText(ToQ(home.File(file)));
    };
  };
  TfrmConnectList list(nullptr, sessions);
  GridStore& g = list.VSFlexGrid1->Store();
  EXPECT_EQ(g.Rows(), 1);
  EXPECT_FALSE(list.Action("acEditUpdate")->isEnabled());
  EXPECT_TRUE(list.Action("acEditAdd")->isEnabled());
  EXPECT_TRUE(g.ColHidden(0));
  EXPECT_EQ(g.TextAt(0, 1), S("ｾｯｼｮﾝID"));

  fills = {sqlite("一", "a.db"), sqlite("二", "b.db")};
  list.Action("acEditAdd")->trigger();
  list.Action("acEditAdd")->trigger();
  ASSERT_EQ(g.Rows(), 3);
  EXPECT_EQ(g.TextAt(2, 1), "2");
  EXPECT_EQ(g.TextAt(2, 3), S("二"));
  EXPECT_EQ(g.TextAt(2, 5), "SQLite(SQLite3 ODBC Driver)");
  EXPECT_EQ(g.Row(), 2);
  EXPECT_EQ(ReadConnect("2"), S("二") + ",0;{SQLite3 ODBC Driver}," + home.File("b.db") + ",,,");
  EXPECT_TRUE(list.Action("acEditUpdate")->isEnabled());

  // Connect the first row, twice.
  g.Select(1, 1, 1, 1);
  list.Action("acConnectConnect")->trigger();
  EXPECT_EQ(g.TextAt(1, 2), S("接続中"));
  list.Action("acConnectConnect")->trigger();
  EXPECT_EQ(prompts.shown.back().text, S("既に接続済みです。"));
  // Edit it: the new session is disconnected and keeps its number.
  fills = {sqlite("一改", "a2.db")};
  list.acEditUpdateExecute();
  EXPECT_EQ(g.TextAt(1, 1), "1");
  EXPECT_EQ(g.TextAt(1, 2), "");
  EXPECT_EQ(g.TextAt(1, 3), S("一改"));
  EXPECT_FALSE(sessions.IsConnected(1));
  list.Action("acConnectDisconnect")->trigger();
  EXPECT_EQ(prompts.shown.back().text, S("既に切断済みです。"));

  // Delete the active session (1, the last edited) after the question.
  ASSERT_EQ(sessions.GetActiveNo(), 1);
  g.Select(1, 1, 1, 1);
  prompts.answers = {kIdNo};
  list.Action("acEditDelete")->trigger();
  EXPECT_EQ(sessions.GetCount(), 2);
  EXPECT_EQ(prompts.shown.back().text, "ID=1" + S("のセッションを削除します。よろしいですか？"));
  EXPECT_EQ(prompts.shown.back().caption, S("削除"));
  prompts.answers = {kIdYes};
  list.Action("acEditDelete")->trigger();
  EXPECT_EQ(sessions.GetCount(), 1);
  EXPECT_EQ(ReadConnect("1"), "");
  EXPECT_EQ(sessions.GetActiveNo(), 2);
  list.reject();
  EXPECT_EQ(sessions.GetActiveNo(), 2);
}

TEST_F(ConnectDialogs, EnterOrDoubleClickWithoutSessionsAdds) {
  cBrenmoSessions sessions;
  sessions.KeepSavedOnDestroy();
  bool opened = false;
  TfrmConnectList::RunSettingDialog = [&](TfrmConnectSetting& d) {
    opened = true;
    EXPECT_TRUE(d.edtConnectName->text().isEmpty());
    return static_cast<int>(QDialog::Rejected);
  };
  TfrmConnectList list(nullptr, sessions);
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QApplication::sendEvent(list.VSFlexGrid1, &enter);
  EXPECT_TRUE(opened);
  list.reject();
  EXPECT_EQ(sessions.GetActive(), nullptr);
}

TEST_F(ConnectDialogs, TheEditorRefreshesAfterTheList) {
  SaveSessions("1=one,0;{SQLite3 ODBC Driver}," + home.File("one.db") + ",,,\r\n");
  TfrmEditor w;
  TfrmEditor::RunModal = [this](QDialog& d) {
    auto* list = qobject_cast<TfrmConnectList*>(&d);
    if (list) {
      TfrmConnectList::RunSettingDialog = [this](TfrmConnectSetting& s) {
        s.cboDataSourceType->setCurrentText(QStringLiteral("SQLite(SQLite3 ODBC Driver)"));
        s.edtConnectName->setText(QStringLiteral("two"));
        s.edtDataSourceName->setText(ToQ(home.File("two.db")));
        s.btnOk->click();
        return s.result();
      };
      list->acEditAddExecute();
      list->accept();
    }
    return d.result();
  };
  w.Action("acConnectSetting")->trigger();
  TfrmEditor::RunModal = [](QDialog& d) { return d.exec(); };
  EXPECT_EQ(w.SessionSelector()->count(), 2);
  EXPECT_EQ(w.SessionSelector()->currentText(), QStringLiteral("2:two"));
  EXPECT_TRUE(w.windowTitle().contains(QStringLiteral("[two]")));
}

class Settings : public test::Editor {
 protected:
  test::ScriptedDialogs dialogs;
};

TEST_F(Settings, DefaultsFromAMissingFile) {
  TfrmSetting d(nullptr);
  d.show();
  EXPECT_EQ(d.edFontName->text(), Q("ＭＳ Ｐゴシック"));
  EXPECT_EQ(d.edFontSize->text(), QStringLiteral("9"));
  EXPECT_TRUE(d.rbSJIS->isChecked());
  EXPECT_FALSE(d.chkSaveBoth->isChecked());
  EXPECT_TRUE(d.chkAutoConnect->isChecked());
  EXPECT_EQ(d.cspHistory->value(), 30);
  EXPECT_TRUE(d.edVariable->text().isEmpty());
  EXPECT_FALSE(d.chkCloseSpace->isChecked());
  EXPECT_FALSE(d.chkMaxRow->isChecked());
  EXPECT_EQ(d.cspMaxRow->value(), 1);
  EXPECT_FALSE(d.cspMaxRow->isEnabled());
  EXPECT_FALSE(d.chkNull->isChecked());
  EXPECT_EQ(d.txtCensoredWords1->text(), QStringLiteral("*"));
  EXPECT_EQ(d.txtCensoredWords2->text(), Q("※"));
  EXPECT_FALSE(d.chkAlphaBlend->isChecked());
  EXPECT_EQ(d.cspAlphaValue->value(), 255);
  EXPECT_FALSE(d.cspAlphaValue->isEnabled());
  EXPECT_EQ(d.pgConfig->count(), 7);
  EXPECT_EQ(d.pgConfig->currentIndex(), 0);
  d.reject();
  struct stat st {};
  EXPECT_NE(::stat(IniPath().c_str(), &st), 0) << "cancel writes nothing";
}

TEST_F(Settings, OutOfRangeValuesAreClampedAndWrittenBack) {
  test::WriteFile(IniPath(),
                  "[History]\r\nHistoryNum=10\r\n[Result]\r\nMaxRow=2000000000\r\n[SaveType]\r\nSaveType=3\r\n"
                  "[Editor]\r\nAlphaBlend=0\r\nAlphaValue=100\r\n");
  TfrmSetting d(nullptr);
  d.show();
  EXPECT_EQ(d.cspHistory->value(), 20);
  EXPECT_EQ(d.cspMaxRow->value(), 1000000000);
  EXPECT_TRUE(d.rbEUC->isChecked());
  EXPECT_EQ(d.cspAlphaValue->value(), 255);
  d.btWrite->click();
  EXPECT_EQ(d.result(), QDialog::Accepted);
  EXPECT_EQ(GetHistoryNum(), 20);
  EXPECT_EQ(GetMaxRow(), 1000000000);
  EXPECT_EQ(GetSaveType(), 2);
  EXPECT_EQ(GetAlphaValue(), 255);
  EXPECT_FALSE(GetAlphaBlend());
  EXPECT_EQ(GetFontName(), S("ＭＳ Ｐゴシック"));
}

TEST_F(Settings, EnablingRulesAndApply) {
  TfrmSetting d(nullptr);
  d.show();
  d.chkMaxRow->click();
  EXPECT_TRUE(d.cspMaxRow->isEnabled());
  d.cspMaxRow->setValue(100);
  d.chkAlphaBlend->click();
  EXPECT_TRUE(d.cspAlphaValue->isEnabled());
  d.cspAlphaValue->setValue(5);
  EXPECT_EQ(d.cspAlphaValue->value(), 20) << "clamped to the range";
  QFont bold(QStringLiteral("IPAGothic"), 12);
  bold.setBold(true);
  bold.setItalic(true);
  dialogs.font = bold;
  d.btFont->click();
  EXPECT_EQ(d.edFontName->text(), QStringLiteral("IPAGothic"));
  EXPECT_EQ(d.edFontSize->text(), QStringLiteral("12"));
  d.edVariable->setText(QStringLiteral("sql"));
  d.btWrite->click();
  EXPECT_EQ(GetMaxRow(), 100);
  EXPECT_TRUE(GetAlphaBlend());
  EXPECT_EQ(GetAlphaValue(), 20);
  EXPECT_EQ(GetFontName(), "IPAGothic");
  EXPECT_EQ(GetFontSize(), 12);
  EXPECT_TRUE(GetFontBold());
  EXPECT_TRUE(GetFontItalic());
  EXPECT_EQ(GetVariable(), "sql");
  // Unchecking the warning writes 0 and shows 1 next time.
  TfrmSetting again(nullptr);
  again.show();
  again.chkMaxRow->click();
  again.btWrite->click();
  EXPECT_EQ(GetMaxRow(), 0);
  TfrmSetting third(nullptr);
  EXPECT_EQ(third.cspMaxRow->value(), 1);
}

TEST_F(Settings, CancelDropsAChosenFont) {
  TfrmSetting d(nullptr);
  d.show();
  QFont f(QStringLiteral("IPAGothic"), 14);
  dialogs.font = f;
  d.btFont->click();
  d.btCancel->click();
  EXPECT_EQ(d.result(), QDialog::Rejected);
  EXPECT_EQ(GetFontSize(), 9);
  struct stat st {};
  EXPECT_NE(::stat(IniPath().c_str(), &st), 0);
}

TEST_F(Settings, ResultSearchListsTheWindowsAndRaisesTheChosenOne) {
  auto w = Connected();
  w->Editor()->setPlainText(QStringLiteral("SELECT 1 AS a;SELECT 2 AS b;"));
  w->Action("acSqlExecute")->trigger();
  auto results = w->ResultWindows();
  ASSERT_EQ(results.size(), 2u);
  TfrmResultSearch d(w.get(), results);
  GridStore& g = d.vfgResult->Store();
  ASSERT_EQ(g.Rows(), 3);
  EXPECT_EQ(g.TextAt(0, 1), S("処理日時"));
  EXPECT_EQ(g.TextAt(0, 2), S("メモ"));
  EXPECT_EQ(g.TextAt(2, 0), "2");
  EXPECT_EQ(g.TextAt(2, 1), results[1]->DateTimeText());
  EXPECT_EQ(g.TextAt(2, 2), "SELECT 2 AS b\r\n");
  g.Select(2, 2, 2, 2);
  d.vfgResultDblClick();
  EXPECT_EQ(d.result(), QDialog::Accepted);
  // No window: header only, a double click does nothing.
  TfrmResultSearch empty(w.get(), {});
  EXPECT_EQ(empty.vfgResult->Store().Rows(), 1);
  empty.vfgResultDblClick();
  EXPECT_NE(empty.result(), QDialog::Accepted);
}

}  // namespace

namespace {

TEST_F(ConnectDialogs, SelectorItemsStayWhenTheCountDoesNot) {
  SaveSessions("1=one,0;{SQLite3 ODBC Driver}," + home.File("one.db") + ",,,\r\n");
  TfrmEditor w;
  TfrmEditor::RunModal = [this, &w](QDialog& d) {
    // Rename the session: the number of sessions stays the same.
    w.Sessions()->Replace(1, "renamed", "{SQLite3 ODBC Driver}," + home.File("one.db") + ",,,");
    (void)d;
    return static_cast<int>(QDialog::Accepted);
  };
  w.Action("acConnectSetting")->trigger();
  TfrmEditor::RunModal = [](QDialog& d) { return d.exec(); };
  EXPECT_EQ(w.SessionSelector()->itemText(0), QStringLiteral("1:one"));
  EXPECT_TRUE(w.windowTitle().contains(QStringLiteral("[renamed]")));
}

TEST_F(Settings, ApplyingReappliesTranslucencyToTheEditor) {
  auto w = Connected();
  EXPECT_DOUBLE_EQ(w->windowOpacity(), 1.0);
  TfrmEditor::RunModal = [](QDialog& d) {
    auto* s = qobject_cast<TfrmSetting*>(&d);
    s->chkAlphaBlend->click();
    s->cspAlphaValue->setValue(128);
    s->btWrite->click();
    return d.result();
  };
  w->Action("acOptionOption")->trigger();
  TfrmEditor::RunModal = [](QDialog& d) { return d.exec(); };
  EXPECT_NEAR(w->windowOpacity(), 128 / 255.0, 0.01);
}

TEST_F(Settings, TaskbarSeparateGivesResultWindowsNoOwnerWindow) {
  auto w = Connected();
  w->Editor()->setPlainText(QStringLiteral("SELECT 1 AS a"));
  w->Action("acSqlExecute")->trigger();
  SetTaskbarSeparate(true);
  w->Action("acSqlExecute")->trigger();
  auto results = w->ResultWindows();
  ASSERT_EQ(results.size(), 2u);
  EXPECT_EQ(results[0]->parentWidget(), w.get());
  EXPECT_EQ(results[1]->parentWidget(), nullptr);
  QPointer<TfrmResult> separate(results[1]);
  w.reset();  // the editor still destroys the window it has no owner link to
  EXPECT_TRUE(separate.isNull());
}

}  // namespace
