#pragma once
// Running the editor text, window-free: the text is cleaned of comments,
// split at semicolons, and each statement runs on the active session as a
// query or a command. A failing statement is reported by its session and the
// next one runs. Each success goes into the history and, unless the user
// declines an oversized result, gets a monitor entry; each shown query is
// handed to the host for its result window.
#include <functional>
#include <memory>
#include <string>

#include "data/RecordSet.h"
#include "data/cAdoSessions.h"
#include "history/cAdoSqlHistorys.h"
#include "platform/Exceptions.h"

namespace tolvane {

// What the window (or the command-line front end) provides.
class ISqlRunHost {
 public:
  virtual ~ISqlRunHost() = default;
  // Asks a yes/no question captioned "表示件数の確認"; true for Yes.
  virtual bool ConfirmRowCount(const std::string& message) = 0;
  // Appends one monitor entry as a new line and scrolls to the end.
  virtual void AppendMonitor(const std::string& entry) = 0;
  // Receives the record set of a shown query with its date-time text.
  virtual void ShowResult(std::unique_ptr<RecordSet> set, const std::string& dateTimeText) = 0;
};

struct SqlRunSummary {
  int statements = 0;
  int succeeded = 0;
  int failed = 0;
};

class SqlRunner {
 public:
  SqlRunner(cAdoSessions& sessions, cAdoSqlHistorys& history, ISqlRunHost& host)
      : sessions_(sessions), history_(history), host_(host) {}

  // Runs the editor's whole text; its lines are ended by CR LF first.
  SqlRunSummary Run(const std::string& editorText, const ProgressFn& progress = {});

  // Runs statements already cleaned and split.
  void RunStatement(const std::string& statement, SqlRunSummary& summary);

  void ShowQueryResult(std::unique_ptr<RecordSet> set);
  void ShowCommandResult(int rowsAffected);

  // The date and time text used in entries and for result windows.
  static std::string DateTimeText();
  // " [処理時間 0.015625 秒]"
  static std::string ElapsedText(double seconds);
  // statement LF count "件処理しました。" time date
  static std::string MonitorEntry(const std::string& statement, const std::string& count,
                                  double seconds, const std::string& dateTime);

 private:
  cAdoSessions& sessions_;
  cAdoSqlHistorys& history_;
  ISqlRunHost& host_;
};

}  // namespace tolvane
