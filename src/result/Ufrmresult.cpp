#include "result/Ufrmresult.h"

#include <QApplication>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/Actions.h"
#include "app/MessageBoxes.h"
#include "app/QtText.h"
#include "settings/Fbrenmoini.h"

namespace tolvane {
namespace {

QPlainTextEdit* CreamEdit(QWidget* parent, const char* name, bool readOnly) {
  auto* e = new QPlainTextEdit(parent);
  e->setObjectName(QString::fromLatin1(name));
  e->setReadOnly(readOnly);
  if (readOnly) {
    QPalette pal = e->palette();
    pal.setColor(QPalette::Base, QColor(255, 251, 240));
    e->setPalette(pal);
  }
  return e;
}

}  // namespace

TfrmResult::TfrmResult(QWidget* owner, const std::string& dateTimeText, RecordSet& recordSet,
                       const cAdoSession& session)
    // With TaskbarSeparate the window has no owner window and so a taskbar
    // entry of its own; the editor still keeps track of it.
    : QMainWindow(GetTaskbarSeparate() ? nullptr : owner, Qt::Window),
      dateTimeText_(dateTimeText),
      owner_(owner) {
  setObjectName(QStringLiteral("frmResult"));
  setAttribute(Qt::WA_DeleteOnClose);
  resize(792, 666);

  pgTab_ = new QTabWidget(this);
  pgTab_->setObjectName(QStringLiteral("pgTab"));
  grid_ = new GridView(pgTab_);
  grid_->setObjectName(QStringLiteral("VSFlexGrid1"));
  redSql_ = CreamEdit(pgTab_, "redSql", true);
  redSqlCode_ = CreamEdit(pgTab_, "redSqlCode", true);
  redMemo_ = CreamEdit(pgTab_, "redMemo", false);
  redMemo_->setTabChangesFocus(false);
  pgTab_->addTab(grid_, Q("実行結果"));
  pgTab_->addTab(redSql_, Q("実行SQL"));
  pgTab_->addTab(redSqlCode_, Q("SQLｺｰﾄﾞ"));
  pgTab_->addTab(redMemo_, Q(" メモ"));
  setCentralWidget(pgTab_);

  auto* status = new QStatusBar(this);
  status->setObjectName(QStringLiteral("stsResult"));
  panels_[0] = new QLabel(Q("処理件数"), status);
  panels_[1] = new QLabel(Q("実行日時"), status);
  // Panel 0 takes what panel 1 leaves.
  status->addWidget(panels_[0], 1);
  status->addPermanentWidget(panels_[1]);
  setStatusBar(status);

  BuildActions();
  BuildMenus();

  SetCaption(session);
  const int count = recordSet.RecordCount();
  InitGrid(recordSet);
  FillGrid(recordSet);
  SetSqlText(session.GetLastSql());
  SetMemoText();
  ShowStatus(count);
}

QAction* TfrmResult::Action(const char* name) const { return FindAction(actions_, name); }

QString TfrmResult::StatusText(int panel) const { return panels_[panel]->text(); }

void TfrmResult::BuildActions() {
  MakeActions(this, {
      {"acFileTextSave", "ﾃｷｽﾄ保存(&S)", "ﾃｷｽﾄ保存", "Ctrl+S", "document-save-as", "S"},
      {"acFileClose", "閉じる(&X)", "閉じる", "", "system-log-out", "X"},
      {"acEditCopy", "ｺﾋﾟｰ(&C)", "ｺﾋﾟｰ", "Ctrl+C", "edit-copy", "C"},
      {"acEditCopyWithField", "ﾌｨｰﾙﾄﾞ名を含んでｺﾋﾟｰ(&O)", "ﾌｨｰﾙﾄﾞ名を含んでｺﾋﾟｰ", "Ctrl+O",
       "edit-select-all", "FC"},
      {"acEditCensoredWords", "伏字変換(&W)", "伏字変換", "Ctrl+W", "dialog-password", "※"},
      {"acEditDif", "差分検索(&D)", "差分検索", "Ctrl+D", "edit-find-replace", "D"},
      {"acExcelExcel", "ｴｸｾﾙ連携(&E)", "ｴｸｾﾙ連携", "", "x-office-spreadsheet", "E"},
      {"acWindowEditorTop", "エディターウィンドウ表示(&E)", "エディターウィンドウ表示", "Ctrl+E",
       "go-home", "W"},
      {"acEditCutText", "切り取り(&T)", "切り取り|選択部分を切り取り、クリップボードに送る", "Ctrl+X",
       "edit-cut", "T"},
      {"acEditCopyText", "コピー(&C)", "コピー|選択範囲をクリップボードにコピー", "Ctrl+C",
       "edit-copy", "C"},
      {"acEditPasteText", "貼り付け(&P)", "貼り付け|クリップボードの内容を貼り付ける", "Ctrl+V",
       "edit-paste", "P"},
  }, actions_);
  // The text commands act inside the memo and the SQL pages, whose own
  // editing keys do the same; their shortcuts are shown in the pop-up menus.
  for (const char* n : {"acEditCutText", "acEditCopyText", "acEditPasteText"})
    actions_[n]->setShortcutContext(Qt::WidgetShortcut);
  connect(actions_["acFileClose"], &QAction::triggered, this, &QWidget::close);
  connect(actions_["acEditCopy"], &QAction::triggered, this, [this] { acEditCopyExecute(); });
  connect(actions_["acWindowEditorTop"], &QAction::triggered, this,
          [this] { acWindowEditorTopExecute(); });
  for (const char* n : {"acFileTextSave", "acEditCopyWithField", "acEditCensoredWords", "acEditDif",
                        "acExcelExcel"})
    connect(actions_[n], &QAction::triggered, this, [this] { NotYet(); });
  connect(actions_["acEditCutText"], &QAction::triggered, redMemo_, &QPlainTextEdit::cut);
  connect(actions_["acEditPasteText"], &QAction::triggered, redMemo_, &QPlainTextEdit::paste);
  connect(actions_["acEditCopyText"], &QAction::triggered, this, [this] {
    if (auto* e = qobject_cast<QPlainTextEdit*>(QApplication::focusWidget())) e->copy();
  });
}

void TfrmResult::BuildMenus() {
  auto* file = menuBar()->addMenu(Q("ﾌｧｲﾙ(&F)"));
  file->addAction(actions_["acFileTextSave"]);
  file->addSeparator();
  file->addAction(actions_["acFileClose"]);
  auto* edit = menuBar()->addMenu(Q("編集(&E)"));
  edit->addAction(actions_["acEditCopy"]);
  edit->addAction(actions_["acEditCopyWithField"]);
  edit->addSeparator();
  edit->addAction(actions_["acEditCensoredWords"]);
  edit->addSeparator();
  edit->addAction(actions_["acEditDif"]);
  menuBar()->addMenu(Q("ｴｸｾﾙ連携(&X)"))->addAction(actions_["acExcelExcel"]);
  menuBar()->addMenu(Q("ウィンドウ(&W)"))->addAction(actions_["acWindowEditorTop"]);

  auto* tools = addToolBar(QStringLiteral("tbrResult"));
  tools->setObjectName(QStringLiteral("tbrResult"));
  tools->setMovable(false);
  tools->addAction(actions_["acFileClose"]);
  tools->addAction(actions_["acFileTextSave"]);
  tools->addSeparator();
  tools->addAction(actions_["acEditCopy"]);
  tools->addAction(actions_["acEditCopyWithField"]);
  tools->addSeparator();
  tools->addAction(actions_["acEditCensoredWords"]);
  tools->addSeparator();
  tools->addAction(actions_["acEditDif"]);
  tools->addSeparator();
  tools->addAction(actions_["acExcelExcel"]);
  tools->addSeparator();
  tools->addAction(actions_["acWindowEditorTop"]);

  // Pop-up menus: the grid's, the two SQL pages', the memo's.
  AttachPopup(grid_, actions_, "pupResult",
              {"acEditCopy", "acEditCopyWithField", "-", "acEditCensoredWords", "-", "acEditDif"});
  AttachPopup(redSql_, actions_, "pupSql", {"acEditCopyText"});
  AttachPopup(redSqlCode_, actions_, "pupSql", {"acEditCopyText"});
  AttachPopup(redMemo_, actions_, "pupMemo", {"acEditCutText", "acEditCopyText", "acEditPasteText"});
}

void TfrmResult::SetCaption(const cAdoSession& session) {
  setWindowTitle(ToQ("tolvane [" + session.GetName() + "] - [" + session.GetDataSource() + "] "));
}

void TfrmResult::InitGrid(RecordSet& set) {
  GridStore& g = Grid();
  g.SetRedraw(false);
  g.SetRows(set.RecordCount() + 1);
  g.SetCols(set.FieldCount() + 1);
  g.SetEditMaxLength(32767);
  for (int i = 0; i < set.FieldCount(); ++i) SetCellText(g, 0, i + 1, set.FieldName(i));
  g.SetColAlignment(0, kAlignCenterCenter);
  g.Select(0, 0, 0, g.Cols() - 1);
  g.SetFillStyle(1);
  g.SetCellAlignment(kAlignCenterCenter);
}

void TfrmResult::FillGrid(RecordSet& set) {
  GridStore& g = Grid();
  const bool dispNull = GetDispNull();
  const int rows = set.RecordCount();
  if (rows == 0) {
    rowEnd_ = 0;
  } else {
    // The values move into the grid as they are, column by column; the
    // record set is left empty since nothing reads it again.
    g.AdoptColumns(set.TakeColumns(), dispNull ? "<NULL>" : "");
    rowEnd_ = rows + 1;
    // The last cell written is the current one, as when filling cell by cell.
    g.SetRow(rows);
    g.SetCol(g.Cols() - 1);
  }
  set.Close();
  g.AutoSize(1, g.Cols() - 1, [this](std::string_view t) { return grid_->MeasureTwips(t); });
  g.SetRedraw(true);
}

void TfrmResult::SetSqlText(const std::string& sql) {
  redSql_->clear();
  redSql_->setPlainText(ToQ(sql));
}

void TfrmResult::SetMemoText() {
  // Line breaks become spaces, tabs go, and the first 64 bytes remain.
  std::string sql = FromQ(redSql_->toPlainText());
  std::string memo;
  for (size_t i = 0; i < sql.size(); ++i) {
    if (sql[i] == '\r' && i + 1 < sql.size() && sql[i + 1] == '\n') {
      memo += ' ';
      ++i;
    } else if (sql[i] == '\n') {
      memo += ' ';  // the editor control keeps a line break as LF alone
    } else if (sql[i] != '\t') {
      memo += sql[i];
    }
  }
  if (memo.size() > 64) memo.resize(64);
  redMemo_->setPlainText(ToQ(memo));
}

std::string TfrmResult::GetMemoText() const {
  std::string out;
  const QStringList lines = redMemo_->toPlainText().split(QLatin1Char('\n'));
  for (const QString& line : lines) out += FromQ(line) + "\r\n";
  return out;
}

void TfrmResult::ShowStatus(int recordCount) {
  panels_[0]->setText(ToQ(std::to_string(static_cast<unsigned int>(recordCount)) + J("件処理しました。")));
  panels_[1]->setText(ToQ(dateTimeText_));
}

void TfrmResult::acEditCopyExecute() {
  QWidget* focus = QApplication::focusWidget();
  if (focus == grid_ || grid_->isAncestorOf(focus)) {
    CopySelection(Grid());
  } else if (focus == redSql_ || focus == redSqlCode_) {
    static_cast<QPlainTextEdit*>(focus)->copy();
  }
}

void TfrmResult::acWindowEditorTopExecute() {
  if (!owner_) return;
  if (owner_->isMinimized()) owner_->showNormal();
  owner_->raise();
  owner_->activateWindow();
  owner_->setFocus();
}

void TfrmResult::NotYet() { MsgInfo(J("この機能はまだ使えません。")); }

}  // namespace tolvane
