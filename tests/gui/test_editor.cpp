#include <QApplication>
#include <QFontInfo>
#include <QTest>
#include <QTextBrowser>
#include <deque>

#include "app/AboutDialog.h"
#include "app/MessageBoxes.h"
#include "app/QtText.h"
#include "platform/Clipboard.h"
#include "app/Ufrmeditor.h"
#include "result/Ufrmresult.h"
#include "settings/Fbrenmoini.h"
#include "sqltext/cText.h"
#include "support/TestSupport.h"
#include "gui/GuiFixture.h"

using namespace tolvane;
using test::S;

namespace {

using test::Editor;
using test::ScriptedPrompter;

TEST_F(Editor, StartWithoutHistoryFileWarnsAndOpensEmpty) {
  TfrmEditor w;
  ASSERT_EQ(prompts.shown.size(), 2u);
  EXPECT_EQ(prompts.shown[0].icon, MsgIcon::Error);
  EXPECT_NE(prompts.shown[0].text.find("SQLHistory.Dat"), std::string::npos);
  EXPECT_EQ(prompts.shown[1].text, S("SQL実行履歴の取得に失敗しました。"));
  EXPECT_EQ(prompts.shown[1].caption, S("警告"));
  EXPECT_EQ(prompts.shown[1].icon, MsgIcon::Warning);
  EXPECT_EQ(Title(w), Q("tolvane(未接続)"));
  EXPECT_EQ(w.StatusText(0), Q("Untitled"));
  EXPECT_EQ(w.StatusText(1), Q("SHIFT-JIS"));
  EXPECT_EQ(w.StatusText(2), Q("未接続"));
  EXPECT_EQ(w.History()->GetCount(), 0);
  for (const char* a : {"acSqlExecute", "acConnectConnect", "acConnectDisConnect", "actDispTable"})
    EXPECT_FALSE(On(w, a)) << a;
}

TEST_F(Editor, TwoSavedSessionsWithTheSecondReconnected) {
  SaveSessions("1=first,0;" + Db("a.db") + "\r\n2=" + S("二番") + ",1;" + Db("b.db") + "\r\n");
  EmptyHistory();
  TfrmEditor w;
  EXPECT_TRUE(prompts.shown.empty());
  QComboBox* sel = w.SessionSelector();
  ASSERT_EQ(sel->count(), 2);
  EXPECT_EQ(sel->itemText(0), Q("1:first"));
  EXPECT_EQ(sel->itemText(1), Q("2:二番"));
  EXPECT_EQ(sel->currentIndex(), 1);
  EXPECT_EQ(Title(w), ToQ("tolvane [" + S("二番") + "] - [" + home.File("b.db") + "] (" + S("接続中") + ")"));
  EXPECT_TRUE(On(w, "acSqlExecute"));
  EXPECT_FALSE(On(w, "acConnectConnect"));
  EXPECT_TRUE(On(w, "acConnectDisConnect"));
  EXPECT_TRUE(On(w, "actDispTable"));
  EXPECT_EQ(w.StatusText(2), Q("接続中"));

  // Choosing the other session changes the title and panel 2 only.
  sel->setCurrentIndex(0);
  w.cboSessionsChange();
  EXPECT_EQ(w.Sessions()->GetActiveNo(), 1);
  EXPECT_EQ(Title(w), ToQ("tolvane [first] - [" + home.File("a.db") + "] (" + S("未接続") + ")"));
  EXPECT_EQ(w.StatusText(2), Q("未接続"));
  EXPECT_EQ(w.StatusText(0), Q("Untitled"));
  EXPECT_EQ(w.StatusText(1), Q("SHIFT-JIS"));
  EXPECT_FALSE(On(w, "acSqlExecute"));
  EXPECT_TRUE(On(w, "acConnectConnect"));

  // Connect and disconnect refresh title, panel and commands.
  w.Action("acConnectConnect")->trigger();
  EXPECT_TRUE(On(w, "acSqlExecute"));
  EXPECT_TRUE(Title(w).endsWith(Q("(接続中)")));
  w.Action("acConnectDisConnect")->trigger();
  EXPECT_FALSE(On(w, "acSqlExecute"));
  EXPECT_EQ(w.StatusText(2), Q("未接続"));
}

TEST_F(Editor, CommandLineArgument) {
  EmptyHistory();
  {
    TfrmEditor blanks(QStringLiteral("   "));
    EXPECT_EQ(blanks.StatusText(0), Q("Untitled"));
    EXPECT_EQ(blanks.StatusText(1), Q("SHIFT-JIS"));
    EXPECT_TRUE(blanks.Editor()->toPlainText().isEmpty());
  }
  test::WriteFile(home.File("e.sql"), cText::SjisToEuc(S("SELECT '日本語';")));
  TfrmEditor file(ToQ(home.File("e.sql")));
  EXPECT_EQ(file.StatusText(0), ToQ(home.File("e.sql")));
  EXPECT_EQ(file.StatusText(1), Q("EUC"));
  EXPECT_EQ(file.Editor()->toPlainText(), Q("SELECT '日本語';"));
}

TEST_F(Editor, F5RunsEveryStatementAndOpensOneResultWindowPerQuery) {
  MakeTable(5);
  auto w = Connected();
  Run(*w, "SELECT id, name FROM t ORDER BY id;\n-- note\nUPDATE t SET id = id WHERE id > 3;\n"
          "SELECT count(*) AS n FROM t;");
  const QString monitor = w->Monitor()->toPlainText();
  QStringList lines = monitor.split(QLatin1Char('\n'));
  ASSERT_EQ(lines.size(), 6) << monitor.toStdString();
  EXPECT_EQ(lines[0], Q("SELECT id, name FROM t ORDER BY id"));
  EXPECT_TRUE(lines[1].startsWith(Q("5件処理しました。 [処理時間 "))) << lines[1].toStdString();
  EXPECT_EQ(lines[2], Q("UPDATE t SET id = id WHERE id > 3"));
  EXPECT_TRUE(lines[3].startsWith(Q("2件処理しました。")));
  EXPECT_EQ(lines[4], Q("SELECT count(*) AS n FROM t"));
  auto results = w->ResultWindows();
  ASSERT_EQ(results.size(), 2u);
  GridStore& g = results[0]->Grid();
  EXPECT_EQ(g.Rows(), 6);
  EXPECT_EQ(g.Cols(), 3);
  EXPECT_EQ(g.TextAt(0, 1), "id");
  EXPECT_EQ(g.TextAt(0, 2), "name");
  EXPECT_EQ(g.TextAt(1, 0), "1");
  EXPECT_EQ(g.TextAt(1, 2), S("名前1"));
  EXPECT_EQ(g.TextAt(2, 2), "") << "NULL shows empty while DispNull is off";
  EXPECT_EQ(g.FormatAt(0, 1).alignment, kAlignCenterCenter);
  EXPECT_EQ(g.ColAlignment(0), kAlignCenterCenter);
  EXPECT_EQ(g.Row(), 5);
  EXPECT_EQ(g.Col(), 2);
  EXPECT_EQ(results[0]->RowEnd(), 6);
  EXPECT_EQ(results[0]->StatusText(0), Q("5件処理しました。"));
  EXPECT_EQ(results[0]->StatusText(1), ToQ(results[0]->DateTimeText()));
  EXPECT_TRUE(monitor.contains(ToQ(results[0]->DateTimeText())));
  EXPECT_EQ(results[0]->windowTitle(), ToQ("tolvane [db] - [" + home.File("gui.db") + "] "));
  EXPECT_EQ(results[1]->Grid().TextAt(1, 1), "5");
  EXPECT_EQ(w->History()->GetCount(), 3);
  EXPECT_EQ(w->History()->At(1).sql, "UPDATE t SET id = id WHERE id > 3");
  EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(Editor, DispNullShowsNullMarks) {
  MakeTable(2);
  SetDispNull(true);
  auto w = Connected();
  Run(*w, "SELECT name FROM t ORDER BY id");
  auto results = w->ResultWindows();
  ASSERT_EQ(results.size(), 1u);
  EXPECT_EQ(results[0]->Grid().TextAt(2, 1), "<NULL>");
  EXPECT_EQ(results[0]->Grid().TextAt(1, 1), S("名前1"));
}

TEST_F(Editor, AFailingStatementBetweenTwoGoodOnes) {
  MakeTable(3);
  auto w = Connected();
  Run(*w, "SELECT id FROM t;SELECT nosuch FROM t;DELETE FROM t WHERE id = 3;");
  ASSERT_EQ(prompts.shown.size(), 1u);
  EXPECT_NE(prompts.shown[0].text.find("nosuch"), std::string::npos);
  EXPECT_EQ(w->Monitor()->toPlainText().split(QLatin1Char('\n')).size(), 4);
  EXPECT_EQ(w->ResultWindows().size(), 1u);
  EXPECT_EQ(w->History()->GetCount(), 2);
}

TEST_F(Editor, RowCountQuestionAnsweredYesAndNo) {
  MakeTable(150);
  SetMaxRow(100);
  auto w = Connected();
  prompts.answers = {kIdNo};
  Run(*w, "SELECT * FROM t");
  ASSERT_EQ(prompts.shown.size(), 1u);
  EXPECT_EQ(prompts.shown[0].text, S("100件を越えるデータが抽出されました。表示してもよろしいですか？"));
  EXPECT_EQ(prompts.shown[0].caption, S("表示件数の確認"));
  EXPECT_EQ(prompts.shown[0].icon, MsgIcon::Information);
  EXPECT_EQ(prompts.shown[0].buttons, kButtonsYesNo);
  EXPECT_TRUE(w->Monitor()->toPlainText().isEmpty());
  EXPECT_TRUE(w->ResultWindows().empty());
  EXPECT_EQ(w->History()->GetCount(), 1);
  prompts.answers = {kIdYes};
  Run(*w, "SELECT * FROM t");
  EXPECT_EQ(w->ResultWindows().size(), 1u);
  EXPECT_FALSE(w->Monitor()->toPlainText().isEmpty());
}

TEST_F(Editor, ResultWindowOfAnEmptyResultAndTheMemo) {
  MakeTable(1);
  auto w = Connected();
  std::string longSql = "SELECT id,\r\n\tname FROM t WHERE id > 100 AND name <> '" + std::string(60, 'x') + "'";
  Run(*w, longSql);
  auto results = w->ResultWindows();
  ASSERT_EQ(results.size(), 1u);
  TfrmResult& r = *results[0];
  EXPECT_EQ(r.RowEnd(), 0);
  EXPECT_EQ(r.Grid().Rows(), 1);
  EXPECT_EQ(r.Grid().TextAt(0, 2), "name");
  EXPECT_EQ(r.StatusText(0), Q("0件処理しました。"));
  std::string memo = r.GetMemoText();
  EXPECT_EQ(memo, ("SELECT id, name FROM t WHERE id > 100 AND name <> '" + std::string(60, 'x')).substr(0, 64) + "\r\n");
  ASSERT_EQ(r.Pages()->count(), 4);
  EXPECT_EQ(r.Pages()->tabText(3), Q(" メモ"));
}

TEST_F(Editor, ResultGridCopiesTheSelectedBlock) {
  MakeTable(3);
  auto w = Connected();
  Run(*w, "SELECT id, name FROM t ORDER BY id");
  TfrmResult& r = *w->ResultWindows()[0];
  r.show();
  GridView* grid = r.VSFlexGrid1();
  grid->setFocus();
  // Drag from the bottom right cell up to the top left one.
  grid->selectionModel()->setCurrentIndex(grid->model()->index(2, 1), QItemSelectionModel::ClearAndSelect);
  grid->selectionModel()->select(QItemSelection(grid->model()->index(1, 0), grid->model()->index(2, 1)),
                                 QItemSelectionModel::ClearAndSelect);
  grid->selectionModel()->setCurrentIndex(grid->model()->index(1, 0), QItemSelectionModel::NoUpdate);
  EXPECT_EQ(r.Grid().RowSel(), 2);
  EXPECT_EQ(r.Grid().Row(), 3);
  QApplication::setActiveWindow(&r);
  r.Action("acEditCopy")->trigger();
  EXPECT_EQ(Clipboard().GetText(), "2\t\r3\t" + S("名前3"));
}

TEST_F(Editor, ShutdownSavesHistoryAndSessions) {
  MakeTable(2);
  SaveSessions("4=db,1;" + Db() + "\r\n7=other,0;" + Db("o.db") + "\r\n");
  EmptyHistory();
  {
    TfrmEditor w;
    w.show();
    Run(w, "SELECT id FROM t;UPDATE t SET id = id;");
    w.close();
  }
  EXPECT_EQ(test::ReadFile(home.File("SQLHistory.Dat")),
            "SELECT id FROM t@" + Db() + ";UPDATE t SET id = id@" + Db() + ";");
  EXPECT_EQ(ReadConnect("1"), "db,1;" + Db());
  EXPECT_EQ(ReadConnect("2"), "other,0;" + Db("o.db"));
  EXPECT_EQ(ReadConnect("4"), "");
}

TEST_F(Editor, HistoryStepsAndFormatterAndClosingResults) {
  MakeTable(1);
  auto w = Connected();
  Run(*w, "SELECT 1 AS a;SELECT 2 AS b;");
  EXPECT_EQ(w->ResultWindows().size(), 2u);
  w->Action("asSqlPrev")->trigger();
  EXPECT_EQ(w->Editor()->toPlainText(), Q("SELECT 1 AS a"));
  w->Action("acSqlNext")->trigger();
  EXPECT_EQ(w->Editor()->toPlainText(), Q("SELECT 2 AS b"));
  w->Editor()->setPlainText(Q("SELECT a, b FROM t"));
  w->Action("acSqlStr")->trigger();
  EXPECT_EQ(w->Editor()->toPlainText(), Q("SELECT a,\n\t b FROM t"));
  w->Action("acDispResultDelete")->trigger();
  QApplication::processEvents();
  EXPECT_TRUE(w->ResultWindows().empty());
}

TEST_F(Editor, ActionsCarryTheirCaptionsHintsAndShortcuts) {
  EmptyHistory();
  TfrmEditor w;
  struct {
    const char* name;
    const char* caption;
    const char* hint;
    const char* key;
  } cases[] = {
      {"acSqlExecute", "SQL実行(&S)", "SQL実行", "F5"},
      {"asSqlPrev", "前のSQL(&P)", "前のSQL", "Ctrl+P"},
      {"acSqlStr", "SQL整形(&Q)", "SQL文整形", "Ctrl+Q"},
      {"acFindNextFind", "下候補(&N)", "下検索", "F3"},
      {"acFindPrevFind", "上候補(&P)", "上候補", "Shift+F3"},
      {"actDispTable", "テーブル一覧(&T)", "ﾃｰﾌﾞﾙ一覧", "Ctrl+T"},
      {"acDispResultDelete", "全ての結果画面を閉じる(&L)", "全ての結果画面を閉じる", "Ctrl+L"},
      {"acHelpContents", "ﾍﾙﾌﾟ(&H)", "", "F1"},
      {"acConnectConnect", "接続(&C)...", "接続", ""},
  };
  for (const auto& c : cases) {
    QAction* a = w.Action(c.name);
    ASSERT_NE(a, nullptr) << c.name;
    EXPECT_EQ(a->text(), Q(c.caption)) << c.name;
    EXPECT_EQ(a->statusTip(), Q(c.hint)) << c.name;
    EXPECT_EQ(a->shortcut(), QKeySequence(QString::fromLatin1(c.key))) << c.name;
    EXPECT_FALSE(a->icon().isNull()) << c.name;
  }
  EXPECT_EQ(w.Action("acMonitorClear")->property("category").toString(), Q("履歴編集(&R)"));
}

TEST_F(Editor, SplitKeepsTheProportionTheUserSet) {
  EmptyHistory();
  TfrmEditor w;
  w.resize(900, 700);
  w.show();
  QApplication::processEvents();
  auto* split = w.findChild<QSplitter*>(QStringLiteral("sptEditor"));
  ASSERT_NE(split, nullptr);
  QList<int> first = split->sizes();
  EXPECT_GT(first[0], first[1] * 2) << "about 70 % editor at first";
  split->setSizes({200, 200});
  emit split->splitterMoved(200, 1);
  w.resize(900, 900);
  QApplication::processEvents();
  QList<int> after = split->sizes();
  EXPECT_NEAR(static_cast<double>(after[0]) / (after[0] + after[1]), 0.5, 0.05);
}

TEST_F(Editor, HelpAndVersionInformation) {
  EmptyHistory();
  TfrmEditor w;
  w.Action("acHelpContents")->trigger();
  EXPECT_EQ(w.Help()->OpenWindows(), 1);
  bool found = false;
  for (QWidget* top : QApplication::topLevelWidgets())
    if (auto* b = qobject_cast<QTextBrowser*>(top); b && b->toPlainText().contains(Q("F5"))) found = true;
  EXPECT_TRUE(found) << "the help page explains F5";
  TfrmAbout about(&w);
  EXPECT_TRUE(about.InfoText().contains(QString::fromLatin1(qVersion())));
  EXPECT_TRUE(about.InfoText().startsWith(Q("tolvane")));
}

}  // namespace

namespace {

TEST_F(Editor, KeyboardShortcutsReachTheirCommands) {
  EmptyHistory();
  TfrmEditor w;
  w.show();
  QApplication::setActiveWindow(&w);
  w.Editor()->setFocus();
  std::vector<std::string> opened;
  TfrmEditor::RunModal = [&](QDialog& d) {
    opened.push_back(d.objectName().toStdString());
    return static_cast<int>(QDialog::Rejected);
  };
  QTest::keyClick(w.Editor(), Qt::Key_O, Qt::ControlModifier);
  QTest::keyClick(w.Editor(), Qt::Key_F4);
  TfrmEditor::RunModal = [](QDialog& d) { return d.exec(); };
  EXPECT_EQ(opened, (std::vector<std::string>{"frmSetting", "frmResultSearch"}));
  w.Editor()->setPlainText(Q("SELECT a, b FROM t"));
  QTest::keyClick(w.Editor(), Qt::Key_Q, Qt::ControlModifier);
  EXPECT_EQ(w.Editor()->toPlainText(), Q("SELECT a,\n\t b FROM t"));
}

}  // namespace

namespace {

TEST(Fonts, TheDefaultWindowsFaceResolvesToIpaPGothic) {
  QFont f(Q("ＭＳ Ｐゴシック"));
  f.setPointSize(9);
  EXPECT_EQ(QFontInfo(f).family(), QStringLiteral("IPAPGothic"));
}

}  // namespace
