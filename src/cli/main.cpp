// tolvane-cli: the command-line front end of the core.
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "app/SampleDatabase.h"
#include "cli/RunCommand.h"
#include "settings/Fpath.h"
#include "platform/Encoding.h"
#include "platform/Exceptions.h"
#include "sqltext/cSQL.h"
#include "sqltext/cSQLStr.h"
#include "sqltext/cText.h"

using namespace tolvane;

namespace {

constexpr const char* kUsage =
    "usage: tolvane-cli <command> [options] [FILE]\n"
    "\n"
    "commands:\n"
    "  split [FILE]                    clean and split SQL as F5 does; one line per\n"
    "                                  statement: Q or C, a TAB, the escaped statement\n"
    "  detect FILE                     print SHIFT-JIS or EUC as guessed from the bytes\n"
    "  convert --to sjis|euc [FILE]    write the text in the requested character code\n"
    "  format [FILE]                   run the SQL formatter (words of section SQL)\n"
    "  run (--session N | --descriptor TEXT) [--history] [--utf8] [FILE]\n"
    "                                  run SQL like F5 on a saved session or a\n"
    "                                  descriptor (provider,source,user,password,ext);\n"
    "                                  prints results and monitor entries\n"
    "  init-sample                     on a first run (no tolvane.ini yet), make the\n"
    "                                  SQLite sample database and its saved session\n"
    "\n"
    "FILE defaults to standard input. Settings are read from tolvane.ini in\n"
    "$TOLVANE_HOME, or beside the executable.\n";

int Usage(const std::string& problem = {}) {
  if (!problem.empty()) std::cerr << "tolvane-cli: " << problem << "\n";
  std::cerr << kUsage;
  return 2;
}

// Error messages are CP932 inside the core; a terminal wants UTF-8.
class TerminalDisplay : public IExceptionDisplay {
 public:
  void ShowException(const std::string& message) override {
    std::string text = Cp932ToUtf8(message);
    std::fprintf(stderr, "tolvane-cli: %s\n", text.c_str());
    std::fflush(stderr);
  }
};

// Reads FILE, or standard input when no file is given, up to the first zero
// byte. False (with the reason shown) when the file cannot be read.
bool ReadInput(const std::vector<std::string>& files, std::string& text) {
  if (!files.empty()) return cFileIO::ReadText(files[0], text);
  text.clear();
  char buf[1 << 16];
  size_t r;
  while ((r = std::fread(buf, 1, sizeof buf, stdin)) > 0) text.append(buf, r);
  if (std::ferror(stdin)) {
    ShowException(J("標準入力を読み込めません。"));
    return false;
  }
  size_t zero = text.find('\0');
  if (zero != std::string::npos) text.resize(zero);
  return true;
}

void WriteOut(const std::string& bytes) { std::fwrite(bytes.data(), 1, bytes.size(), stdout); }

std::string Escape(const std::string& s) {
  std::string out;
  out.reserve(s.size() + 16);
  for (char c : s) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      default: out += c;
    }
  }
  return out;
}

int CmdSplit(const std::vector<std::string>& files) {
  std::string text;
  if (!ReadInput(files, text)) return 1;
  cSQL sql(EditorLinesText(text));
  std::string out;
  for (const auto& st : SplitStatements(sql.GetSql())) {
    out += IsQuery(st) ? "Q\t" : "C\t";
    out += Escape(st);
    out += '\n';
  }
  WriteOut(out);
  return 0;
}

int CmdDetect(const std::vector<std::string>& files) {
  std::string text;
  if (!ReadInput(files, text)) return 1;
  std::puts(cText::DetectCharCode(text) == kCodeEuc ? "EUC" : "SHIFT-JIS");
  return 0;
}

int CmdConvert(const std::string& to, const std::vector<std::string>& files) {
  std::string text;
  if (!ReadInput(files, text)) return 1;
  cText buffer(std::move(text));
  if (to == "sjis") {
    WriteOut(buffer.GetSjisText());
  } else {
    WriteOut(buffer.GetCharCode() == kCodeEuc ? buffer.GetText()
                                              : cText::SjisToEuc(buffer.GetText()));
  }
  return 0;
}

int CmdFormat(const std::vector<std::string>& files) {
  std::string text;
  if (!ReadInput(files, text)) return 1;
  cSQLStr formatter(std::move(text));
  WriteOut(formatter.GetResult());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  TerminalDisplay display;
  SetExceptionDisplay(&display);
  if (argc < 2) return Usage();
  std::string cmd = argv[1];
  if (cmd == "-h" || cmd == "--help" || cmd == "help") {
    std::cout << kUsage;
    return 0;
  }
  if (cmd == "init-sample") {
    if (argc > 2) return Usage("init-sample takes no arguments");
    bool created = false;
    if (!CreateSampleIfFirstRun(&created)) return 1;
    if (created) std::cerr << "tolvane-cli: sample database made in " << GetExeDir() << "\n";
    return 0;
  }
  if (cmd == "run") {
    try {
      return cli::RunCommand(std::vector<std::string>(argv + 2, argv + argc));
    } catch (const std::exception& e) {
      ShowException(e.what());
      return 1;
    }
  }
  std::vector<std::string> files;
  std::string to;
  for (int i = 2; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "--to" && cmd == "convert") {
      if (i + 1 >= argc) return Usage("--to needs sjis or euc");
      to = argv[++i];
    } else if (a.rfind("--to=", 0) == 0 && cmd == "convert") {
      to = a.substr(5);
    } else if (a.size() > 1 && a[0] == '-') {
      return Usage("unknown option " + a);
    } else {
      files.push_back(a);
    }
  }
  if (files.size() > 1) return Usage("only one FILE may be given");
  try {
    if (cmd == "split") return CmdSplit(files);
    if (cmd == "detect") {
      if (files.empty()) return Usage("detect needs a FILE");
      return CmdDetect(files);
    }
    if (cmd == "convert") {
      if (to != "sjis" && to != "euc") return Usage("convert needs --to sjis or --to euc");
      return CmdConvert(to, files);
    }
    if (cmd == "format") return CmdFormat(files);
  } catch (const std::exception& e) {
    ShowException(e.what());
    return 1;
  }
  return Usage("unknown command " + cmd);
}
