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
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/HtmlHelp.h"
#include "app/SqlRunner.h"
#include "data/cAdoSessions.h"
#include "history/cAdoSqlHistorys.h"

namespace tolvane {

class TfrmResult;

class TfrmEditor : public QMainWindow, public ISqlRunHost {
  Q_OBJECT
 public:
  // Restores the sessions, loads the history and starts an untitled text;
  // `argument` is the first command-line argument (a file to load).
  explicit TfrmEditor(const QString& argument = QString());
  ~TfrmEditor() override;

  // Window operations.
  void NewFile();
  void RefreshTitle();
  void RefreshSessionList();
  int FindActiveSessionItem() const;
  void ShowFilePath(const std::string& path);
  void ShowCharCode(int code);
  void ShowConnectionState(bool connected);
  void RefreshStatusBar();
  void RefreshActions();
  void ApplyAlphaBlend();
  bool LoadFile(const std::string& path);

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

  // ISqlRunHost
  bool ConfirmRowCount(const std::string& message) override;
  void AppendMonitor(const std::string& entry) override;
  void ShowResult(std::unique_ptr<RecordSet> set, const std::string& dateTimeText) override;

  // For tests and the other windows.
  cBrenmoSessions* Sessions() { return Sessions_.get(); }
  cAdoSqlHistorys* History() { return History_.get(); }
  cHtmlHelp* Help() { return Help_.get(); }
  QAction* Action(const char* name) const;
  QPlainTextEdit* Editor() { return redEditor_; }
  QPlainTextEdit* Monitor() { return redMoniter_; }
  QComboBox* SessionSelector() { return cboSessions_; }
  QString StatusText(int panel) const;
  std::vector<TfrmResult*> ResultWindows() const;
  const std::string& FilePath() const { return FilePath_; }
  int CharCode() const { return CharCode_; }
  bool FirstPaintDone() const { return !FirstPaint_; }

 protected:
  void closeEvent(QCloseEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void showEvent(QShowEvent* e) override;

 private:
  void BuildActions();
  void BuildMenusAndBars();
  void BuildLayout();
  void FormClose();
  void LayoutPanes();
  void NotYet();

  std::unique_ptr<cBrenmoSessions> Sessions_;
  std::unique_ptr<cAdoSqlHistorys> History_;
  std::string FilePath_;
  int CharCode_ = 1;
  bool FirstPaint_ = true;
  double EditorHeight_ = 0, MonitorHeight_ = 0;
  int StatusHeight_ = 0, ToolbarHeight_ = 0;
  std::string FindText_, ReplaceText_;
  int FindOptions_ = 0;
  std::unique_ptr<cHtmlHelp> Help_;
  bool closed_ = false;

  QToolBar* tbrEditor_ = nullptr;
  QComboBox* cboSessions_ = nullptr;
  QSplitter* sptEditor_ = nullptr;
  QPlainTextEdit* redEditor_ = nullptr;
  QPlainTextEdit* redMoniter_ = nullptr;
  QLabel* panels_[3] = {nullptr, nullptr, nullptr};
  std::map<std::string, QAction*> actions_;
  std::vector<QPointer<TfrmResult>> results_;
};

// The one main window, for the other windows to reach.
extern TfrmEditor* frmEditor;

}  // namespace tolvane
