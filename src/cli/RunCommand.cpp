#include "cli/RunCommand.h"

#include <sys/stat.h>

#include <cstdio>
#include <iostream>
#include <memory>

#include "app/SqlRunner.h"
#include "data/cAdoSessions.h"
#include "history/cAdoSqlHistorys.h"
#include "platform/Encoding.h"
#include "platform/Exceptions.h"
#include "settings/Fbrenmoini.h"
#include "sqltext/cSQL.h"
#include "sqltext/cText.h"

namespace tolvane::cli {
namespace {

constexpr const char* kRunUsage =
    "usage: tolvane-cli run (--session N | --descriptor TEXT) [--history] [--utf8] [FILE]\n";

// Buffered standard output, CP932 or UTF-8.
class Output {
 public:
  explicit Output(bool utf8) : utf8_(utf8) { buf_.reserve(kChunk + 4096); }
  ~Output() { Flush(); }
  void Write(std::string_view bytes) {
    buf_.append(bytes);
    if (buf_.size() >= kChunk) Flush();
  }
  void Put(char c) {
    buf_.push_back(c);
    if (buf_.size() >= kChunk) Flush();
  }
  void Flush() {
    if (buf_.empty()) return;
    // A chunk may end inside a double-byte character: keep that byte back.
    size_t cut = buf_.size();
    if (utf8_) cut = SafeCut();
    std::string out = utf8_ ? Cp932ToUtf8(std::string_view(buf_.data(), cut))
                            : std::string(buf_.data(), cut);
    std::fwrite(out.data(), 1, out.size(), stdout);
    buf_.erase(0, cut);
    if (!utf8_ || buf_.size() > 1) {
      std::fwrite(buf_.data(), 1, buf_.size(), stdout);
      buf_.clear();
    }
  }
  void Finish() {
    if (utf8_ && !buf_.empty()) {
      std::string out = Cp932ToUtf8(buf_);
      std::fwrite(out.data(), 1, out.size(), stdout);
      buf_.clear();
    }
    Flush();
    std::fflush(stdout);
  }

 private:
  static constexpr size_t kChunk = 1 << 20;
  // The length up to the last line feed: a line feed never ends a
  // double-byte character, so the text before it converts whole.
  size_t SafeCut() const {
    size_t lf = buf_.rfind('\n');
    return lf == std::string::npos ? 0 : lf + 1;
  }
  bool utf8_;
  std::string buf_;
};

class CliHost : public ISqlRunHost {
 public:
  CliHost(Output& out, bool dispNull) : out_(out), dispNull_(dispNull) {}

  bool ConfirmRowCount(const std::string&) override { return true; }

  void AppendMonitor(const std::string& entry) override { pending_ = entry; }

  void ShowResult(std::unique_ptr<RecordSet> set, const std::string&) override {
    const int fields = set->FieldCount();
    for (int f = 0; f < fields; ++f) {
      if (f) out_.Put('\t');
      out_.Write(set->FieldName(f));
    }
    out_.Put('\n');
    const size_t rows = set->RowCount();
    static const std::string null = "<NULL>";
    for (size_t r = 0; r < rows; ++r) {
      for (int f = 0; f < fields; ++f) {
        if (f) out_.Put('\t');
        if (set->IsNull(r, static_cast<size_t>(f))) {
          if (dispNull_) out_.Write(null);
        } else {
          out_.Write(set->Value(r, static_cast<size_t>(f)));
        }
      }
      out_.Put('\n');
    }
    set.reset();  // nothing reads it again
    FlushEntry();
  }

  void FlushEntry() {
    if (pending_.empty()) return;
    out_.Write(pending_);
    out_.Put('\n');
    pending_.clear();
  }

 private:
  Output& out_;
  bool dispNull_;
  std::string pending_;
};

bool ReadAll(const std::string& file, std::string& text) {
  if (!file.empty()) return cFileIO::ReadText(file, text);
  char buf[1 << 16];
  size_t r;
  while ((r = std::fread(buf, 1, sizeof buf, stdin)) > 0) text.append(buf, r);
  size_t zero = text.find('\0');
  if (zero != std::string::npos) text.resize(zero);
  return true;
}

int Usage(const std::string& problem) {
  std::cerr << "tolvane-cli run: " << problem << "\n" << kRunUsage;
  return 2;
}

}  // namespace

int RunCommand(const std::vector<std::string>& args) {
  std::string sessionText, descriptor, file;
  bool haveSession = false, haveDescriptor = false, history = false, utf8 = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--session" || a == "--descriptor") {
      if (i + 1 >= args.size()) return Usage(a + " needs a value");
      (a == "--session" ? sessionText : descriptor) = args[++i];
      (a == "--session" ? haveSession : haveDescriptor) = true;
    } else if (a == "--history") {
      history = true;
    } else if (a == "--utf8") {
      utf8 = true;
    } else if (a.size() > 1 && a[0] == '-') {
      return Usage("unknown option " + a);
    } else if (file.empty()) {
      file = a;
    } else {
      return Usage("only one FILE may be given");
    }
  }
  if (haveSession == haveDescriptor) return Usage("give one of --session N or --descriptor TEXT");
  int sessionNo = 0;
  if (haveSession && !ParseDecimal(sessionText, sessionNo))
    return Usage("--session needs a session number");

  std::string raw;
  if (!ReadAll(file, raw)) return 1;
  // Shift-JIS or EUC-JP, guessed like the editor does when it opens a file.
  std::string text = cText(std::move(raw)).GetSjisText();

  std::unique_ptr<cAdoSessions> sessions;
  if (haveSession) {
    auto saved = std::make_unique<cBrenmoSessions>();
    saved->KeepSavedOnDestroy();
    if (!saved->Find(sessionNo)) {
      ShowException(J("セッション ") + sessionText + J(" は保存されていません。"));
      return 1;
    }
    saved->SetActive(sessionNo);
    if (!saved->ConnectActive()) return 1;
    sessions = std::move(saved);
  } else {
    sessions = std::make_unique<cAdoSessions>();
    sessions->Add(1, "cli", Utf8ToCp932(descriptor));
    if (!sessions->ConnectActive()) return 1;
  }

  const std::string historyPath = HistoryFileName();
  cAdoSqlHistorys historyList;
  if (history) {
    struct stat st {};
    if (::stat(historyPath.c_str(), &st) == 0) historyList.LoadFromFile(historyPath);
  }

  Output out(utf8);
  CliHost host(out, GetDispNull());
  SqlRunner runner(*sessions, historyList, host);
  SqlRunSummary summary;
  std::string cleaned = cSQL(EditorLinesText(text)).GetSql();
  for (const auto& statement : SplitStatements(cleaned)) {
    runner.RunStatement(statement, summary);
    host.FlushEntry();
  }
  out.Finish();

  bool ok = summary.failed == 0;
  if (history && !historyList.SaveToFile(historyPath)) ok = false;
  return ok ? 0 : 1;
}

}  // namespace tolvane::cli
