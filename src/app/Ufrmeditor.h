#pragma once
// The main window: the SQL editor above the monitor, the tool bar with the
// session selector, the status bar, menus and commands. It owns the session
// list, the SQL history, the help object and every result window.
#include <QComboBox>
#include <QLabel>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSplitter>
#include <QToolBar>
#include <QUrl>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/Actions.h"
#include "app/FindDialogs.h"
#include "app/HtmlHelp.h"
#include "app/SqlEditor.h"
#include "app/SqlRunner.h"
#include "data/cAdoSessions.h"
#include "history/cAdoSqlHistorys.h"

namespace tolvane {

class TfrmResult;

class TfrmEditor : public QMainWindow, public ISqlRunHost {
  Q_OBJECT
 public:
  // Restores the sessions, loads the history and starts an untitled text;
  // `argument` is the first command-line argument (a file to load), untrimmed.
  explicit TfrmEditor(const QString& argument = QString());
  ~TfrmEditor() override;

  // Window operations.
  void NewFile();
  void RefreshTitle();
  void RefreshSessionList();
  int FindActiveSessionItem() const;
  void ShowFilePath(const QString& path);
  void ShowCharCode(int code);
  void ShowConnectionState(bool connected);
  void RefreshStatusBar();
  void RefreshActions();
  // Title, connection panel and commands after the active session changed.
  void RefreshSessionState();
  void ApplyAlphaBlend();
  // Loads a file into the editor, guessing its character code.
  void LoadEditorFile(const QString& path);
  // Writes the editor's text (lines joined by CR LF) in code 1 (Shift-JIS) or
  // 2 (EUC-JP). A character that Shift-JIS cannot hold is named and nothing
  // is written.
  bool WriteEditorFile(const QString& path, int code);

  // Search and replace; positions count a line break as two characters.
  void FindNext(int options);
  void FindPrevious(int options);
  void diaFindFind();
  void diaReplaceFind();
  void diaReplaceReplace(bool all);
  TfrmFind* FindDialog() { return diaFind_; }
  TfrmReplace* ReplaceDialog() { return diaReplace_; }
  QString FindText() const { return FindText_; }
  void SetFindText(const QString& text, int options) {
    FindText_ = text;
    FindOptions_ = options;
  }

  // Commands.
  void ExecuteSql();
  void cboSessionsChange();
  void acConnectConnectExecute();
  void acConnectDisConnectExecute();
  void acDispResultDeleteExecute();
  void asSqlPrevExecute();
  void acSqlNextExecute();
  void acSqlStrExecute();
  void acHelpAboutExecute();
  void acHelpContentsExecute();
  void acFileOpenExecute();
  void acFileSaveExecute();
  void acFileSaveAsExecute();
  // Files dropped on the window: the first one is loaded.
  void DropFiles(const QList<QUrl>& urls);
  void acFindFindExecute();
  void acFindReplaceExecute();
  void acFindResultSearchExecute();
  void acConnectSettingExecute();
  void acOptionOptionExecute();

  // ISqlRunHost
  bool ConfirmRowCount(const std::string& message) override;
  void AppendMonitor(const std::string& entry) override;
  void ShowResult(std::unique_ptr<RecordSet> set, const std::string& dateTimeText) override;

  // Shows a dialog modally; tests replace it to drive the dialog instead.
  static std::function<int(QDialog&)> RunModal;

  // For tests and the other windows.
  cBrenmoSessions* Sessions() { return Sessions_.get(); }
  cAdoSqlHistorys* History() { return History_.get(); }
  cHtmlHelp* Help() { return Help_.get(); }
  QAction* Action(const char* name) const;
  SqlEditor* Editor() { return redEditor_; }
  QPlainTextEdit* Monitor() { return redMoniter_; }
  QComboBox* SessionSelector() { return cboSessions_; }
  QString StatusText(int panel) const;
  std::vector<TfrmResult*> ResultWindows() const;
  const QString& FilePath() const { return FilePath_; }
  int CharCode() const { return CharCode_; }
  bool FirstPaintDone() const { return !FirstPaint_; }

 protected:
  void closeEvent(QCloseEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void showEvent(QShowEvent* e) override;
  void dragEnterEvent(QDragEnterEvent* e) override;
  void dropEvent(QDropEvent* e) override;

 private:
  void BuildActions();
  void BuildMenusAndBars();
  void BuildLayout();
  // The editor or monitor pane when it has the focus, otherwise nothing.
  QPlainTextEdit* FocusedPane() const;
  void FormClose();
  void LayoutPanes();
  void NotYet();

  std::unique_ptr<cBrenmoSessions> Sessions_;
  std::unique_ptr<cAdoSqlHistorys> History_;
  QString FilePath_;
  int CharCode_ = 1;
  bool FirstPaint_ = true;
  double EditorHeight_ = 0, MonitorHeight_ = 0;
  int StatusHeight_ = 0, ToolbarHeight_ = 0;
  QString FindText_, ReplaceText_;
  int FindOptions_ = 0;
  std::unique_ptr<cHtmlHelp> Help_;
  bool closed_ = false;

  QToolBar* tbrEditor_ = nullptr;
  QComboBox* cboSessions_ = nullptr;
  QSplitter* sptEditor_ = nullptr;
  SqlEditor* redEditor_ = nullptr;
  QPlainTextEdit* redMoniter_ = nullptr;
  QLabel* panels_[3] = {nullptr, nullptr, nullptr};
  ActionMap actions_;
  std::vector<QPointer<TfrmResult>> results_;
  TfrmFind* diaFind_ = nullptr;
  TfrmReplace* diaReplace_ = nullptr;
};

// The one main window, for the other windows to reach.
extern TfrmEditor* frmEditor;

}  // namespace tolvane
