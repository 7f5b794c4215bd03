#include "app/SqlRunner.h"

#include <cstdio>
#include <ctime>

#include "platform/Encoding.h"
#include "settings/Fbrenmoini.h"
#include "sqltext/cSQL.h"

namespace tolvane {

std::string SqlRunner::DateTimeText() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char buf[32];
  std::strftime(buf, sizeof buf, "%Y/%m/%d %H:%M:%S", &local);
  return buf;
}

std::string SqlRunner::ElapsedText(double seconds) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%f", seconds);
  return J(" [処理時間 ") + buf + J(" 秒]");
}

std::string SqlRunner::MonitorEntry(const std::string& statement, const std::string& count,
                                    double seconds, const std::string& dateTime) {
  static const std::string processed = J("件処理しました。");
  static const std::string at = J(" [処理日時 ");
  return statement + "\n" + count + processed + ElapsedText(seconds) + at + dateTime + "]";
}

SqlRunSummary SqlRunner::Run(const std::string& editorText, const ProgressFn& progress) {
  SqlRunSummary summary;
  std::string cleaned = cSQL(EditorLinesText(editorText)).GetSql(progress);
  for (const auto& statement : SplitStatements(cleaned)) {
    RunStatement(statement, summary);
    if (progress) progress();
  }
  return summary;
}

void SqlRunner::RunStatement(const std::string& statement, SqlRunSummary& summary) {
  ++summary.statements;
  if (IsQuery(statement)) {
    auto set = std::make_unique<RecordSet>();
    if (sessions_.OpenQuery(statement, *set)) {
      ++summary.succeeded;
      ShowQueryResult(std::move(set));
    } else {
      ++summary.failed;
    }
  } else {
    int rows = 0;
    if (sessions_.ExecuteCommand(statement, rows)) {
      ++summary.succeeded;
      ShowCommandResult(rows);
    } else {
      ++summary.failed;
    }
  }
}

void SqlRunner::ShowQueryResult(std::unique_ptr<RecordSet> set) {
  const std::string when = DateTimeText();
  const std::string sql = sessions_.GetLastSql();
  const double elapsed = sessions_.GetElapsed();
  history_.Add(sql, sessions_.GetDescriptor(sessions_.GetActive()));
  const int maxRow = GetMaxRow();
  if (maxRow > 0 && maxRow < set->RecordCount()) {
    std::string question = std::to_string(maxRow) +
                           J("件を越えるデータが抽出されました。表示してもよろしいですか？");
    if (!host_.ConfirmRowCount(question)) return;
  }
  host_.AppendMonitor(MonitorEntry(sql, std::to_string(set->RecordCount()), elapsed, when));
  host_.ShowResult(std::move(set), when);
}

void SqlRunner::ShowCommandResult(int rowsAffected) {
  const std::string when = DateTimeText();
  const std::string sql = sessions_.GetLastSql();
  const double elapsed = sessions_.GetElapsed();
  history_.Add(sql, sessions_.GetDescriptor(sessions_.GetActive()));
  host_.AppendMonitor(MonitorEntry(sql, std::to_string(static_cast<unsigned int>(rowsAffected)),
                                   elapsed, when));
}

}  // namespace tolvane
