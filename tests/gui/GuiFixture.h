#pragma once
// Shared set-up of the window tests: a private TOLVANE_HOME, message boxes
// answered by the test, file and font dialogs answered by the test.
#include <QApplication>
#include <deque>
#include <optional>

#include "app/Dialogs.h"
#include "app/MessageBoxes.h"
#include "app/QtText.h"
#include "app/Ufrmeditor.h"
#include "data/cAdo.h"
#include "settings/Fbrenmoini.h"
#include "support/TestSupport.h"

namespace tolvane::test {

// Answers every message box and remembers what it showed.
class ScriptedPrompter : public IPrompter {
 public:
  struct Shown {
    std::string text, caption;
    MsgIcon icon;
    MsgButtons buttons;
  };
  ScriptedPrompter() { SetPrompter(this); }
  ~ScriptedPrompter() override { SetPrompter(nullptr); }
  int Show(const std::string& text, const std::string& caption, MsgIcon icon, MsgButtons buttons,
           QWidget*) override {
    shown.push_back({text, caption, icon, buttons});
    if (!answers.empty()) {
      int a = answers.front();
      answers.pop_front();
      return a;
    }
    return buttons == kButtonsYesNo || buttons == kButtonsYesNoCancel ? kIdYes : kIdOk;
  }
  std::vector<Shown> shown;
  std::deque<int> answers;
};

class Editor : public HomeTest {
 protected:
  void SetUp() override {
    // The exception display of the windows goes through the prompter too.
    SetExceptionDisplay(&display_);
  }
  void TearDown() override {
    SetExceptionDisplay(nullptr);
  }
  std::string Db(const std::string& name = "gui.db") const {
    return "{SQLite3 ODBC Driver}," + home.File(name) + ",,,";
  }
  void SaveSessions(const std::string& connectSection) {
    WriteFile(IniPath(), "[Connect]\r\n" + connectSection);
  }
  void EmptyHistory() { WriteFile(home.File("SQLHistory.Dat"), ""); }
  static QString Title(TfrmEditor& w) { return w.windowTitle(); }
  static bool On(TfrmEditor& w, const char* action) { return w.Action(action)->isEnabled(); }
  // Makes a database with table t of `rows` rows (id, name with NULLs).
  void MakeTable(int rows) {
    cAdo ado(Db());
    ASSERT_TRUE(ado.Connect());
    int n = 0;
    ASSERT_TRUE(ado.ExecuteCommand("CREATE TABLE t (id INTEGER, name TEXT)", n));
    ASSERT_TRUE(ado.ExecuteCommand(
        "WITH RECURSIVE s(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM s WHERE i < " +
            std::to_string(rows) + ") INSERT INTO t SELECT i, CASE WHEN i % 2 = 0 THEN NULL ELSE '" +
            S("名前") + "' || i END FROM s",
        n));
  }
  std::unique_ptr<TfrmEditor> Connected() {
    WriteConnect("1", "db,1;" + Db());
    EmptyHistory();
    auto w = std::make_unique<TfrmEditor>();
    w->show();
    return w;
  }
  void Run(TfrmEditor& w, const std::string& sql) {
    w.Editor()->setPlainText(ToQ(sql));
    w.Action("acSqlExecute")->trigger();
  }

  class PromptDisplay : public IExceptionDisplay {
   public:
    void ShowException(const std::string& m) override {
      Prompter().Show(m, "tolvane", MsgIcon::Error, kButtonsOk, nullptr);
    }
  } display_;
  ScriptedPrompter prompts;
};

// Answers file and font dialogs from queues and remembers what they offered.
class ScriptedDialogs : public IDialogs {
 public:
  ScriptedDialogs() { SetDialogs(this); }
  ~ScriptedDialogs() override { SetDialogs(nullptr); }
  struct Asked {
    QString fileName, dir, filter, suffix;
  };
  std::optional<QString> OpenFile(QWidget*, const QString& dir, const QString& filter,
                                  const QString& suffix) override {
    asked.push_back({QString(), dir, filter, suffix});
    return Next();
  }
  std::optional<QString> SaveFile(QWidget*, const QString& fileName, const QString& dir,
                                  const QString& filter, const QString& suffix) override {
    asked.push_back({fileName, dir, filter, suffix});
    return Next();
  }
  std::optional<QFont> ChooseFont(QWidget*, const QFont&) override { return font; }
  std::optional<QString> Next() {
    if (files.empty()) return std::nullopt;
    auto f = files.front();
    files.pop_front();
    return f;
  }
  std::deque<std::optional<QString>> files;
  std::vector<Asked> asked;
  std::optional<QFont> font;
};


}  // namespace tolvane::test
