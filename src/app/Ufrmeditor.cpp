#include "app/Ufrmeditor.h"

#include <chrono>

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QUrl>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QStatusBar>

#include "app/AboutDialog.h"
#include "app/Actions.h"
#include "app/Dialogs.h"
#include "app/PaneText.h"
#include "app/Icons.h"
#include "app/MessageBoxes.h"
#include "app/QtPlatform.h"
#include "app/QtText.h"
#include "connect/Ufrmconnectlist.h"
#include "result/Ufrmresult.h"
#include "result/Ufrmresultsearch.h"
#include "settings/Ufrmsetting.h"
#include "settings/Fbrenmoini.h"
#include "settings/Fpath.h"
#include "sqltext/cSQL.h"
#include "sqltext/cSQLStr.h"
#include "sqltext/cText.h"

namespace tolvane {

TfrmEditor* frmEditor = nullptr;

namespace {


// Every command of the window: caption, hint, shortcut and category.
const std::vector<ActionDef> kActions = {
    {"acFileNew", "新規作成(&N)", "新規作成", "", "document-new", "N", "ﾌｧｲﾙ(&F)"},
    {"acFileOpen", "開く(&O)", "開く", "", "document-open", "O", "ﾌｧｲﾙ(&F)"},
    {"acFileSave", "上書き保存(&S)", "上書き保存", "", "document-save", "S", "ﾌｧｲﾙ(&F)"},
    {"acFileSaveAs", "名前を付けて保存(&A)", "名前を付けて保存", "", "document-save-as", "A", "ﾌｧｲﾙ(&F)"},
    {"acFileQuit", "終了(&X)", "終了", "", "system-log-out", "X", "ﾌｧｲﾙ(&F)"},
    {"acConnectConnect", "接続(&C)...", "接続", "", "network-transmit-receive", "接", "接続(&C)"},
    {"acConnectDisConnect", "切断(&D)", "切断", "", "network-offline", "切", "接続(&C)"},
    {"acConnectSetting", "接続設定(&S)...", "接続設定", "", "document-properties", "設", "接続(&C)"},
    {"acEditCut", "切り取り(&T)", "切り取り", "Ctrl+X", "edit-cut", "T", "編集(&E)"},
    {"acEditCopy", "コピー(&C)", "コピー", "Ctrl+C", "edit-copy", "C", "編集(&E)"},
    {"acEditPaste", "貼り付け(&P)", "貼り付け", "Ctrl+V", "edit-paste", "P", "編集(&E)"},
    {"acEditUndo", "元に戻す(&U)", "元に戻す", "Ctrl+Z", "edit-undo", "U", "編集(&E)"},
    {"acEditDelete", "削除(&D)", "削除", "Ctrl+D", "edit-delete", "D", "編集(&E)"},
    {"acEditSelectAll", "すべてを選択(&A)", "全て選択", "Ctrl+A", "edit-select-all", "A", "編集(&E)"},
    {"acMonitorCopy", "コピー(&C)", "コピー", "Ctrl+C", "edit-copy", "C", "履歴編集(&R)"},
    {"acMonitorClear", "クリア(&E)", "クリア", "Ctrl+E", "edit-clear", "E", "履歴編集(&R)"},
    {"acMonitorSelectAll", "すべてを選択(&A)", "", "Ctrl+A", "edit-select-all", "A", "履歴編集(&R)"},
    {"acFindFind", "検索(&F)", "検索", "Ctrl+F", "edit-find", "F", "検索(&S)"},
    {"acFindPrevFind", "上候補(&P)", "上候補", "Shift+F3", "go-up", "↑", "検索(&S)"},
    {"acFindNextFind", "下候補(&N)", "下検索", "F3", "go-down", "↓", "検索(&S)"},
    {"acFindReplace", "置換(&R)", "置換", "Ctrl+R", "edit-find-replace", "R", "検索(&S)"},
    {"acFindResultSearch", "結果画面検索", "結果画面検索", "F4", "system-search", "結", "検索(&S)"},
    {"acSqlExecute", "SQL実行(&S)", "SQL実行", "F5", "media-playback-start", "▶", "SQL(&Q)"},
    {"asSqlPrev", "前のSQL(&P)", "前のSQL", "Ctrl+P", "go-previous", "←", "SQL(&Q)"},
    {"acSqlNext", "次のSQL(&N)", "次のSQL", "Ctrl+N", "go-next", "→", "SQL(&Q)"},
    {"acSqlStr", "SQL整形(&Q)", "SQL文整形", "Ctrl+Q", "format-indent-more", "整", "SQL(&Q)"},
    {"actDispTable", "テーブル一覧(&T)", "ﾃｰﾌﾞﾙ一覧", "Ctrl+T", "x-office-spreadsheet", "表", "表示(&D)"},
    {"acDispResultDelete", "全ての結果画面を閉じる(&L)", "全ての結果画面を閉じる", "Ctrl+L", "process-stop", "L", "表示(&D)"},
    {"acOptionOption", "環境設定(&O)", "環境設定", "Ctrl+O", "preferences-system", "O", "環境設定(&O)"},
    {"acHelpAbout", "ﾊﾞｰｼﾞｮﾝ情報(&A)", "ﾊﾞｰｼﾞｮﾝ情報", "", "dialog-information", "i", "ﾍﾙﾌﾟ(&H)"},
    {"acHelpContents", "ﾍﾙﾌﾟ(&H)", "", "F1", "help-browser", "?", "ﾍﾙﾌﾟ(&H)"},
};

}  // namespace

TfrmEditor::TfrmEditor(const QString& argument) : QMainWindow(nullptr) {
  frmEditor = this;
  setObjectName(QStringLiteral("frmEditor"));
  setMinimumHeight(120);
  QFont designFont(Q("ＭＳ Ｐゴシック"));
  designFont.setPointSize(9);
  setFont(designFont);
  BuildActions();
  BuildLayout();
  BuildMenusAndBars();
  // Wide enough that the tool bar shows every button and the session selector.
  resize(900, 686);

  // Sessions first (reconnecting those marked for it), then the history.
  Sessions_ = std::make_unique<cBrenmoSessions>();
  History_ = std::make_unique<cAdoSqlHistorys>();
  Help_ = std::make_unique<cHtmlHelp>();
  if (!History_->LoadFromFile(HistoryFileName()))
    MsgWarning(J("SQL実行履歴の取得に失敗しました。"));
  NewFile();
  setAcceptDrops(true);

  // A file named on the command line is loaded as the open command does;
  // an argument of blanks and control characters names none.
  if (!Trim(argument.toStdString()).empty()) LoadEditorFile(argument);
}

TfrmEditor::~TfrmEditor() {
  FormClose();
  for (auto& w : results_)
    if (w) delete w.data();
  if (frmEditor == this) frmEditor = nullptr;
}

QAction* TfrmEditor::Action(const char* name) const { return FindAction(actions_, name); }

void TfrmEditor::BuildActions() {
  MakeActions(this, kActions, actions_);
  // Keys that the monitor's commands share with the editor's act where the
  // focus is.
  for (const char* n : {"acEditCut", "acEditCopy", "acEditPaste", "acEditUndo", "acEditDelete",
                        "acEditSelectAll", "acMonitorCopy", "acMonitorSelectAll"})
    actions_[n]->setShortcutContext(Qt::WidgetShortcut);
  // Every window-wide key works wherever the action is shown (or not shown).
  for (auto& [name, a] : actions_)
    if (a->shortcutContext() != Qt::WidgetShortcut) addAction(a);
  actions_["acEditCut"]->setEnabled(false);
  actions_["acEditCopy"]->setEnabled(false);
  actions_["acEditUndo"]->setEnabled(false);
  actions_["acEditDelete"]->setEnabled(false);

  auto on = [this](const char* name, auto fn) {
    connect(actions_[name], &QAction::triggered, this, fn);
  };
  on("acFileQuit", [this] { close(); });
  on("acFileNew", [this] { NewFile(); });
  on("acConnectConnect", [this] { acConnectConnectExecute(); });
  on("acConnectDisConnect", [this] { acConnectDisConnectExecute(); });
  on("acSqlExecute", [this] { ExecuteSql(); });
  on("asSqlPrev", [this] { asSqlPrevExecute(); });
  on("acSqlNext", [this] { acSqlNextExecute(); });
  on("acSqlStr", [this] { acSqlStrExecute(); });
  on("acDispResultDelete", [this] { acDispResultDeleteExecute(); });
  on("acHelpAbout", [this] { acHelpAboutExecute(); });
  on("acHelpContents", [this] { acHelpContentsExecute(); });
  on("acFileOpen", [this] { acFileOpenExecute(); });
  on("acFileSave", [this] { acFileSaveExecute(); });
  on("acFileSaveAs", [this] { acFileSaveAsExecute(); });
  on("acFindFind", [this] { acFindFindExecute(); });
  on("acFindNextFind", [this] { FindNext(FindOptions_); });
  on("acFindPrevFind", [this] { FindPrevious(FindOptions_); });
  on("acFindReplace", [this] { acFindReplaceExecute(); });
  on("acFindResultSearch", [this] { acFindResultSearchExecute(); });
  on("acConnectSetting", [this] { acConnectSettingExecute(); });
  on("acOptionOption", [this] { acOptionOptionExecute(); });
  on("actDispTable", [this] { NotYet(); });
}

void TfrmEditor::BuildLayout() {
  redEditor_ = new SqlEditor(this);
  redEditor_->setObjectName(QStringLiteral("redEditor"));
  redEditor_->setTabChangesFocus(false);
  redEditor_->setLineWrapMode(QPlainTextEdit::NoWrap);
  redMoniter_ = new QPlainTextEdit(this);
  redMoniter_->setObjectName(QStringLiteral("redMoniter"));
  redMoniter_->setReadOnly(true);
  redMoniter_->setLineWrapMode(QPlainTextEdit::NoWrap);
  QPalette pal = redMoniter_->palette();
  pal.setColor(QPalette::Base, QColor(255, 251, 240));
  redMoniter_->setPalette(pal);

  sptEditor_ = new QSplitter(Qt::Vertical, this);
  sptEditor_->setObjectName(QStringLiteral("sptEditor"));
  sptEditor_->setHandleWidth(3);
  sptEditor_->setChildrenCollapsible(false);
  sptEditor_->addWidget(redEditor_);
  sptEditor_->addWidget(redMoniter_);
  setCentralWidget(sptEditor_);
  connect(sptEditor_, &QSplitter::splitterMoved, this, [this] {
    EditorHeight_ = redEditor_->height();
    MonitorHeight_ = redMoniter_->height();
  });

  auto* status = new QStatusBar(this);
  status->setObjectName(QStringLiteral("stsEditor"));
  status->setFixedHeight(20);
  const char* design[3] = {"FilePath", "CharSetName", "Connected"};
  const int widths[3] = {0, 100, 50};  // panel 0 takes the rest
  for (int i = 0; i < 3; ++i) {
    panels_[i] = new QLabel(QString::fromLatin1(design[i]), status);
    panels_[i]->setObjectName(QStringLiteral("panel%1").arg(i));
    panels_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (i == 0) {
      // Panel 0 takes what the other two leave.
      status->addWidget(panels_[i], 1);
    } else {
      panels_[i]->setFixedWidth(widths[i]);
      status->addPermanentWidget(panels_[i]);
    }
  }
  setStatusBar(status);

  // The editor's text, selection and undo state drive the standard edit
  // commands, as the platform's edit actions do.
  connect(redEditor_, &QPlainTextEdit::copyAvailable, this, [this](bool yes) {
    actions_["acEditCut"]->setEnabled(yes);
    actions_["acEditCopy"]->setEnabled(yes);
    actions_["acEditDelete"]->setEnabled(yes);
  });
  connect(redEditor_, &QPlainTextEdit::undoAvailable, actions_["acEditUndo"], &QAction::setEnabled);
  connect(actions_["acEditCut"], &QAction::triggered, redEditor_, &QPlainTextEdit::cut);
  // Copy always takes the editor's selection.
  connect(actions_["acEditCopy"], &QAction::triggered, redEditor_, &QPlainTextEdit::copy);
  connect(actions_["acEditPaste"], &QAction::triggered, redEditor_, &QPlainTextEdit::paste);
  connect(actions_["acEditUndo"], &QAction::triggered, redEditor_, &QPlainTextEdit::undo);
  connect(actions_["acEditDelete"], &QAction::triggered, redEditor_,
          [this] { redEditor_->textCursor().removeSelectedText(); });
  connect(actions_["acEditSelectAll"], &QAction::triggered, redEditor_, &QPlainTextEdit::selectAll);
  connect(actions_["acMonitorCopy"], &QAction::triggered, redMoniter_, &QPlainTextEdit::copy);
  connect(actions_["acMonitorClear"], &QAction::triggered, redMoniter_, &QPlainTextEdit::clear);
  connect(actions_["acMonitorSelectAll"], &QAction::triggered, redMoniter_, &QPlainTextEdit::selectAll);
  for (const char* n : {"acEditCut", "acEditCopy", "acEditPaste", "acEditUndo", "acEditDelete",
                        "acEditSelectAll"})
    redEditor_->addAction(actions_[n]);
  for (const char* n : {"acMonitorCopy", "acMonitorSelectAll"}) redMoniter_->addAction(actions_[n]);
  addAction(actions_["acMonitorClear"]);

  AttachPopup(redEditor_, actions_, "pupEditor",
              {"acEditCut", "acEditCopy", "acEditPaste", "-", "acEditUndo", "-", "acEditDelete",
               "acEditSelectAll"});
  AttachPopup(redMoniter_, actions_, "pupMonitor", {"acMonitorCopy", "acMonitorClear", "acMonitorSelectAll"});
}

void TfrmEditor::BuildMenusAndBars() {
  auto item = [this](QMenu* m, const char* name, const char* shown = nullptr) {
    QAction* a = actions_[name];
    if (!shown) {
      m->addAction(a);
      return;
    }
    // A menu item whose text differs from its action's caption. It shows
    // the action's key without owning it, so the key stays unambiguous.
    QString text = Q(shown);
    if (!a->shortcut().isEmpty()) text += QLatin1Char('\t') + a->shortcut().toString(QKeySequence::NativeText);
    auto* proxy = m->addAction(a->icon(), text);
    proxy->setEnabled(a->isEnabled());
    connect(proxy, &QAction::triggered, a, &QAction::trigger);
    connect(a, &QAction::changed, proxy, [a, proxy] { proxy->setEnabled(a->isEnabled()); });
  };
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("mnuEditor"));
  QMenu* m = bar->addMenu(Q("ﾌｧｲﾙ(&F)"));
  item(m, "acFileNew");
  item(m, "acFileOpen", "開く(&O)...");
  item(m, "acFileSave");
  item(m, "acFileSaveAs", "名前を付けて保存(&A)...");
  m->addSeparator();
  item(m, "acFileQuit");
  m = bar->addMenu(Q("接続(&C)"));
  item(m, "acConnectConnect", "接続(&C)");
  item(m, "acConnectDisConnect");
  m->addSeparator();
  item(m, "acConnectSetting");
  m = bar->addMenu(Q("編集(&E)"));
  for (const char* n : {"acEditCut", "acEditCopy", "acEditPaste"}) item(m, n);
  m->addSeparator();
  item(m, "acEditUndo");
  m->addSeparator();
  item(m, "acEditDelete");
  item(m, "acEditSelectAll");
  m = bar->addMenu(Q("表示(&D)"));
  item(m, "actDispTable", "テーブル一覧(&T)...");
  m->addSeparator();
  item(m, "acDispResultDelete");
  m = bar->addMenu(Q("検索(&S)"));
  item(m, "acFindFind", "検索(&F)...");
  item(m, "acFindPrevFind");
  item(m, "acFindNextFind");
  m->addSeparator();
  item(m, "acFindReplace", "置換(&R)...");
  m->addSeparator();
  item(m, "acFindResultSearch");
  m = bar->addMenu(Q("SQL(&Q)"));
  item(m, "acSqlExecute");
  item(m, "asSqlPrev");
  item(m, "acSqlNext");
  m->addSeparator();
  item(m, "acSqlStr");
  m = bar->addMenu(Q("環境設定(&O)"));
  item(m, "acOptionOption", "環境設定(&O)...");
  m = bar->addMenu(Q("ﾍﾙﾌﾟ(&H)"));
  item(m, "acHelpAbout");
  item(m, "acHelpContents");

  tbrEditor_ = addToolBar(QStringLiteral("tbrEditor"));
  tbrEditor_->setObjectName(QStringLiteral("tbrEditor"));
  tbrEditor_->setMovable(false);
  tbrEditor_->setFixedHeight(30);
  tbrEditor_->setIconSize(QSize(16, 16));
  const char* buttons[] = {"/", "acFileQuit", "acFileNew", "acFileOpen", "acFileSave", "acFileSaveAs", "/",
                           "acConnectConnect", "acConnectDisConnect", "acConnectSetting", "/",
                           "acEditCut", "acEditCopy", "acEditPaste", "acEditUndo", "acEditDelete", "/",
                           "acFindFind", "acFindPrevFind", "acFindNextFind", "acFindReplace", "/",
                           "acFindResultSearch", "/", "acSqlExecute", "asSqlPrev", "acSqlNext", "/",
                           "acSqlStr", "/", "actDispTable", "acDispResultDelete", "/"};
  for (const char* b : buttons) {
    if (b[0] == '/') tbrEditor_->addSeparator();
    else tbrEditor_->addAction(actions_[b]);
  }
  cboSessions_ = new QComboBox(tbrEditor_);
  cboSessions_->setObjectName(QStringLiteral("cboSessions"));
  cboSessions_->setEditable(false);
  cboSessions_->setFixedWidth(164);
  cboSessions_->setFocusPolicy(Qt::ClickFocus);
  tbrEditor_->addWidget(cboSessions_);
  connect(cboSessions_, &QComboBox::activated, this, [this] { cboSessionsChange(); });
}

void TfrmEditor::NotYet() { MsgInfo(J("この機能はまだ使えません。")); }

// --- window operations ---

void TfrmEditor::NewFile() {
  FilePath_ = QStringLiteral("Untitled");
  CharCode_ = kCodeSjis;
  RefreshTitle();
  RefreshSessionList();
  redEditor_->clear();
  redMoniter_->clear();
  RefreshStatusBar();
  RefreshActions();
}

void TfrmEditor::RefreshTitle() {
  std::string title = "tolvane";
  cAdoSession* active = Sessions_->GetActive();
  if (Sessions_->GetCount() > 0) {
    title += " [" + (active ? active->GetName() : std::string()) + "] " + "-" + " [" +
             (active ? active->GetDataSource() : std::string()) + "] ";
  }
  title += "(" + (Sessions_->IsActiveConnected() ? J("接続中") : J("未接続")) + ")";
  setWindowTitle(ToQ(title));
}

void TfrmEditor::RefreshSessionList() {
  cboSessions_->clear();
  std::vector<std::string> items;
  Sessions_->ListSessions(items);
  for (const auto& i : items) cboSessions_->addItem(ToQ(i));
  cboSessions_->setCurrentIndex(FindActiveSessionItem());
}

int TfrmEditor::FindActiveSessionItem() const {
  const int active = Sessions_->GetActiveNo();
  for (int i = 0; i < cboSessions_->count(); ++i) {
    std::string text = FromQ(cboSessions_->itemText(i));
    int no = 0;
    if (ParseDecimal(text.substr(0, text.find(':')), no) && no == active) return i;
  }
  return -1;
}

void TfrmEditor::ShowFilePath(const QString& path) { panels_[0]->setText(path); }

void TfrmEditor::ShowCharCode(int code) {
  panels_[1]->setText(code == kCodeSjis ? QStringLiteral("SHIFT-JIS") : QStringLiteral("EUC"));
}

void TfrmEditor::ShowConnectionState(bool connected) {
  panels_[2]->setText(connected ? Q("接続中") : Q("未接続"));
}

void TfrmEditor::RefreshStatusBar() {
  ShowFilePath(FilePath_);
  ShowConnectionState(Sessions_->IsActiveConnected());
  ShowCharCode(CharCode_);
}

QString TfrmEditor::StatusText(int panel) const { return panels_[panel]->text(); }

void TfrmEditor::RefreshSessionState() {
  RefreshTitle();
  ShowConnectionState(Sessions_->IsActiveConnected());
  RefreshActions();
}

void TfrmEditor::RefreshActions() {
  const bool any = Sessions_->GetActive() != nullptr;
  const bool connected = Sessions_->IsActiveConnected();
  actions_["acSqlExecute"]->setEnabled(connected);
  actions_["acConnectConnect"]->setEnabled(any && !connected);
  actions_["acConnectDisConnect"]->setEnabled(connected);
  actions_["actDispTable"]->setEnabled(connected);
}

void TfrmEditor::ApplyAlphaBlend() {
  if (GetAlphaBlend()) {
    int alpha = std::clamp(GetAlphaValue(), 0, 255);
    setWindowOpacity(alpha / 255.0);
  } else {
    setWindowOpacity(1.0);
  }
}

// --- commands ---

void TfrmEditor::ExecuteSql() {
  SqlRunner runner(*Sessions_, *History_, *this);
  // Pending events (repaints above all) run between statements, but at most
  // every 50 ms: painting after each of many quick statements would cost
  // more than running them.
  auto last = std::chrono::steady_clock::now();
  runner.Run(FromQ(redEditor_->toPlainText()), [&last] {
    auto now = std::chrono::steady_clock::now();
    if (now - last >= std::chrono::milliseconds(50)) {
      QApplication::processEvents();
      last = std::chrono::steady_clock::now();
    }
  });
}

bool TfrmEditor::ConfirmRowCount(const std::string& message) {
  return MsgYesNo(message, J("表示件数の確認"), MsgIcon::Information) == kIdYes;
}

void TfrmEditor::AppendMonitor(const std::string& entry) {
  redMoniter_->appendPlainText(ToQ(entry));
  QScrollBar* bar = redMoniter_->verticalScrollBar();
  bar->setValue(bar->maximum());
}

void TfrmEditor::ShowResult(std::unique_ptr<RecordSet> set, const std::string& dateTimeText) {
  cAdoSession* session = Sessions_->GetActive();
  if (!session) return;
  auto* w = new TfrmResult(this, dateTimeText, *set, *session);
  set.reset();  // the window holds the values now
  results_.emplace_back(w);
  w->show();
}

std::vector<TfrmResult*> TfrmEditor::ResultWindows() const {
  std::vector<TfrmResult*> out;
  for (const auto& w : results_)
    if (w) out.push_back(w.data());
  return out;
}

void TfrmEditor::cboSessionsChange() {
  std::string text = FromQ(cboSessions_->currentText());
  if (!text.empty()) {
    int no = 0;
    if (ParseDecimal(text.substr(0, text.find(':')), no)) Sessions_->SetActive(no);
  }
  RefreshSessionState();
}

void TfrmEditor::acConnectConnectExecute() {
  if (!Sessions_->ConnectActive()) return;
  RefreshSessionState();
}

void TfrmEditor::acConnectDisConnectExecute() {
  if (!Sessions_->DisconnectActive()) return;
  RefreshSessionState();
}

void TfrmEditor::acDispResultDeleteExecute() {
  for (TfrmResult* w : ResultWindows()) w->close();
}

void TfrmEditor::asSqlPrevExecute() {
  if (History_->Prev()) redEditor_->setPlainText(ToQ(History_->GetCurrentSql()));
}

void TfrmEditor::acSqlNextExecute() {
  if (History_->Next()) redEditor_->setPlainText(ToQ(History_->GetCurrentSql()));
}

void TfrmEditor::acSqlStrExecute() {
  std::string text = FromQ(redEditor_->toPlainText());
  // Lines separated by CR LF, nothing added at the end.
  std::string crlf;
  for (char c : text) {
    if (c == '\n') crlf += "\r\n";
    else crlf += c;
  }
  cSQLStr formatter(crlf);
  redEditor_->setPlainText(ToQ(formatter.GetResult()));
}

void TfrmEditor::acHelpAboutExecute() {
  TfrmAbout about(this);
  about.exec();
}

void TfrmEditor::acHelpContentsExecute() { Help_->ShowHelp(QStringLiteral("tolvane.chm")); }

// --- window events ---

void TfrmEditor::showEvent(QShowEvent* e) {
  QMainWindow::showEvent(e);
  if (FirstPaint_) {
    SetFormFont(this);
    ApplyAlphaBlend();
    FirstPaint_ = false;
  }
}

void TfrmEditor::LayoutPanes() {
  const int h = frameGeometry().height() - 100;
  int editor;
  if (FirstPaint_) {
    EditorHeight_ = redEditor_->height();
    MonitorHeight_ = redMoniter_->height();
    StatusHeight_ = statusBar()->height();
    ToolbarHeight_ = tbrEditor_->height();
    editor = static_cast<int>(h * 0.7);
  } else {
    if (EditorHeight_ == 0 || MonitorHeight_ == 0)
      editor = static_cast<int>(EditorHeight_);
    else
      editor = static_cast<int>(h * EditorHeight_ / (EditorHeight_ + MonitorHeight_));
  }
  const int total = sptEditor_->height() - sptEditor_->handleWidth();
  editor = std::clamp(editor, 1, std::max(1, total - 1));
  sptEditor_->setSizes({editor, std::max(1, total - editor)});
}

void TfrmEditor::resizeEvent(QResizeEvent* e) {
  QMainWindow::resizeEvent(e);
  LayoutPanes();
}

void TfrmEditor::FormClose() {
  if (closed_) return;
  closed_ = true;
  if (!History_->SaveToFile(HistoryFileName())) MsgWarning(J("SQL実行履歴の保存に失敗しました。"));
  Sessions_.reset();  // saves section Connect, then disconnects every session
  History_.reset();
  Help_.reset();
}

void TfrmEditor::closeEvent(QCloseEvent* e) {
  FormClose();
  for (auto& w : results_)
    if (w) w->close();
  e->accept();
}

}  // namespace tolvane

// --- editor files ---

namespace tolvane {

namespace {

std::string NativePath(const QString& path) { return QFile::encodeName(path).toStdString(); }
QString FromNative(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

}  // namespace

void TfrmEditor::LoadEditorFile(const QString& path) {
  cText text;
  text.LoadFile(NativePath(path));  // a failure is shown by the reader
  FilePath_ = path;
  CharCode_ = text.GetCharCode();
  redEditor_->setPlainText(ToQ(text.GetSjisText()));
  ShowFilePath(FilePath_);
  ShowCharCode(CharCode_);
  QTextCursor c = redEditor_->textCursor();
  c.movePosition(QTextCursor::Start);
  redEditor_->setTextCursor(c);
}

bool TfrmEditor::WriteEditorFile(const QString& path, int code) {
  QString text = redEditor_->toPlainText();
  text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
  const QByteArray utf8 = text.toUtf8();
  std::string bad;
  if (!Utf8FitsCp932(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())), &bad)) {
    // Saving would turn the character into "?": say which one and keep the file.
    const QString ch = QString::fromUtf8(bad.data(), static_cast<int>(bad.size()));
    const QString code = QStringLiteral("U+%1").arg(ch.toUcs4().value(0), 4, 16, QLatin1Char('0')).toUpper();
    MsgWarning(FromQ(Q("文字 %1 は Shift-JIS で表せないため、%2 は保存しませんでした。").arg(code, path)));
    return false;
  }
  const std::string sjis = FromQ(text);
  if (code == kCodeSjis) return cFileIO::WriteText(NativePath(path), sjis);
  if (code == kCodeEuc) return cFileIO::WriteText(NativePath(path), cText::SjisToEuc(sjis));
  return false;
}

void TfrmEditor::acFileOpenExecute() {
  auto chosen = Dialogs().OpenFile(this, QString(), QString(), QString());
  if (!chosen) return;
  redEditor_->clear();
  LoadEditorFile(*chosen);
}

void TfrmEditor::acFileSaveExecute() {
  if (FilePath_ == QStringLiteral("Untitled")) {
    acFileSaveAsExecute();
    return;
  }
  WriteEditorFile(FilePath_, CharCode_);
}

void TfrmEditor::acFileSaveAsExecute() {
  const bool untitled = FilePath_ == QStringLiteral("Untitled");
  const int slash = static_cast<int>(FilePath_.lastIndexOf(QLatin1Char('/')));
  const QString dir = untitled || slash < 0 ? QString() : FilePath_.left(slash + 1);
  auto chosen = Dialogs().SaveFile(this, FilePath_, dir, QString(), QString());
  if (!chosen) return;
  FilePath_ = *chosen;
  const bool both = GetSaveBoth();
  if (untitled) CharCode_ = GetSaveType();
  if (both) {
    WriteEditorFile(FromNative(AddFileNameSuffix(NativePath(FilePath_), "_SJIS")), kCodeSjis);
    WriteEditorFile(FromNative(AddFileNameSuffix(NativePath(FilePath_), "_EUC")), kCodeEuc);
  } else {
    WriteEditorFile(FilePath_, CharCode_);
  }
  ShowFilePath(FilePath_);
}

void TfrmEditor::dragEnterEvent(QDragEnterEvent* e) {
  if (e->mimeData()->hasUrls()) e->acceptProposedAction();
}

void TfrmEditor::dropEvent(QDropEvent* e) {
  const QList<QUrl> urls = e->mimeData()->urls();
  e->acceptProposedAction();
  DropFiles(urls);
}

void TfrmEditor::DropFiles(const QList<QUrl>& urls) {
  if (urls.isEmpty() || !urls.first().isLocalFile()) return;
  // Only the first of several dropped files is loaded.
  redEditor_->clear();
  LoadEditorFile(urls.first().toLocalFile());
}

// --- dialogs ---

void TfrmEditor::acFindResultSearchExecute() {
  TfrmResultSearch dialog(this, ResultWindows());
  RunModal(dialog);
}

void TfrmEditor::acConnectSettingExecute() {
  const int before = Sessions_->GetCount();
  TfrmConnectList dialog(this, *Sessions_);
  RunModal(dialog);
  if (Sessions_->GetCount() == before) cboSessions_->setCurrentIndex(FindActiveSessionItem());
  else RefreshSessionList();
  RefreshSessionState();
}

void TfrmEditor::acOptionOptionExecute() {
  TfrmSetting dialog(this);
  if (RunModal(dialog) == QDialog::Accepted) {
    SetFormFont(this);
    ApplyAlphaBlend();
  }
}

std::function<int(QDialog&)> TfrmEditor::RunModal = [](QDialog& d) { return d.exec(); };

// --- search and replace ---

QPlainTextEdit* TfrmEditor::FocusedPane() const {
  QWidget* focus = focusWidget();
  if (focus == redEditor_) return redEditor_;
  if (focus == redMoniter_) return redMoniter_;
  return nullptr;
}

void TfrmEditor::FindNext(int options) {
  QPlainTextEdit* pane = FocusedPane();
  if (!pane) return;
  PaneText t(pane);
  const int l = static_cast<int>(FindText_.size());
  const int pos = t.Search(FindText_, t.SelStart() + t.SelLength(), t.Length(), options);
  if (pos < 0) MsgInfo(J("検索が終了しました。"));
  else t.Select(pos, l);
  pane->setFocus();
}

void TfrmEditor::FindPrevious(int options) {
  QPlainTextEdit* pane = FocusedPane();
  if (!pane) return;
  PaneText t(pane);
  const int l = static_cast<int>(FindText_.size());
  const int caret = t.SelStart();
  // Repeated forward searches from the top; the last match that starts
  // before the caret is the one selected (the ones met on the way would be
  // selected and left at once, so only the last is).
  int from = 0, last = -1;
  for (;;) {
    const int pos = t.Search(FindText_, from, caret, options);
    if (pos < 0 || pos >= caret) break;
    last = pos;
    from = pos + l;
  }
  if (last < 0) MsgInfo(J("検索が終了しました。"));
  else t.Select(last, l);
  pane->setFocus();
}

void TfrmEditor::acFindFindExecute() {
  if (!diaFind_) {
    diaFind_ = new TfrmFind(this);
    connect(diaFind_, &TfrmFind::findNext, this, [this] { diaFindFind(); });
  }
  diaFind_->edtFind->setText(FindText_);
  diaFind_->show();
  diaFind_->raise();
}

void TfrmEditor::diaFindFind() {
  FindText_ = diaFind_->edtFind->text();
  FindOptions_ = diaFind_->Options();
  if (diaFind_->rbDown->isChecked()) FindNext(FindOptions_);
  else FindPrevious(FindOptions_);
}

void TfrmEditor::acFindReplaceExecute() {
  if (!diaReplace_) {
    diaReplace_ = new TfrmReplace(this);
    connect(diaReplace_, &TfrmReplace::findNext, this, [this] { diaReplaceFind(); });
    connect(diaReplace_, &TfrmReplace::replace, this, [this](bool all) { diaReplaceReplace(all); });
  }
  diaReplace_->edtFind->setText(FindText_);
  diaReplace_->edtReplace->setText(ReplaceText_);
  diaReplace_->show();
  diaReplace_->raise();
}

void TfrmEditor::diaReplaceFind() {
  FindText_ = diaReplace_->edtFind->text();
  PaneText t(redEditor_);
  const int pos = t.Search(FindText_, t.SelStart() + t.SelLength(), t.Length(), diaReplace_->Options());
  if (pos < 0) MsgInfo(J("検索が終了しました。"));
  else t.Select(pos, static_cast<int>(FindText_.size()));
}

void TfrmEditor::diaReplaceReplace(bool all) {
  PaneText t(redEditor_);
  const int l = static_cast<int>(diaReplace_->edtFind->text().size());
  const int n = t.Length();
  const int s = t.SelStart(), sl = t.SelLength();
  FindText_ = diaReplace_->edtFind->text();
  ReplaceText_ = diaReplace_->edtReplace->text();
  const int options = diaReplace_->Options();
  QString inserted = ReplaceText_;
  inserted.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  const int insertedLength = static_cast<int>(inserted.size() + inserted.count(QLatin1Char('\n')));
  if (all) {
    // From the start of the text, whatever the caret; inserted text is not
    // searched again.
    t.ReplaceAll(FindText_, ReplaceText_, options);
    MsgOkCancel(J("置換完了"), this);
    return;
  }
  int from = s + sl;
  for (;;) {
    const int pos = t.Search(FindText_, from, n, options);
    if (pos < 0) return;
    t.Select(pos, l);
    const int answer = MsgYesNoCancel(J("置換しますか？"), this);
    if (answer == kIdYes) {
      t.ReplaceSelection(ReplaceText_);
      from = pos + insertedLength;
    } else if (answer == kIdNo) {
      from = pos + l;
    } else {
      return;
    }
  }
}

}  // namespace tolvane
