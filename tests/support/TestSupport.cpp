#include "support/TestSupport.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace tolvane::test {

std::string Hex(std::string_view bytes) {
  std::string out;
  char buf[4];
  for (unsigned char c : bytes) {
    std::snprintf(buf, sizeof buf, "%02X ", c);
    out += buf;
  }
  return out;
}

TempDir::TempDir() {
  std::string tmpl = (std::filesystem::temp_directory_path() / "tolvane-test-XXXXXX").string();
  char* made = ::mkdtemp(tmpl.data());
  if (!made) throw std::runtime_error("mkdtemp failed");
  path_ = made;
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

HomeTest::HomeTest() {
  if (const char* h = std::getenv("TOLVANE_HOME")) {
    saved_ = h;
    hadSaved_ = true;
  }
  ::setenv("TOLVANE_HOME", home.path().c_str(), 1);
}

HomeTest::~HomeTest() {
  if (hadSaved_) ::setenv("TOLVANE_HOME", saved_.c_str(), 1);
  else ::unsetenv("TOLVANE_HOME");
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

FailWrites::FailWrites() {
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit rl{};
  ::getrlimit(RLIMIT_FSIZE, &rl);
  saved_ = rl.rlim_cur;
  rl.rlim_cur = 0;
  ::setrlimit(RLIMIT_FSIZE, &rl);
}

FailWrites::~FailWrites() {
  rlimit rl{};
  ::getrlimit(RLIMIT_FSIZE, &rl);
  rl.rlim_cur = saved_;
  ::setrlimit(RLIMIT_FSIZE, &rl);
}

}  // namespace tolvane::test

namespace tolvane::test {

namespace {
std::string Quote(const std::string& s) {
  std::string q = "'";
  for (char c : s) {
    if (c == '\'') q += "'\\''";
    else q += c;
  }
  return q + "'";
}
}  // namespace

RunResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                     const std::string& input) {
  TempDir io;
  WriteFile(io.File("in"), input);
  std::string cmd = Quote(program);
  for (const auto& a : args) cmd += " " + Quote(a);
  cmd += " < " + Quote(io.File("in")) + " > " + Quote(io.File("out")) + " 2> " +
         Quote(io.File("err"));
  int status = std::system(cmd.c_str());
  RunResult r;
  r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  r.out = ReadFile(io.File("out"));
  r.err = ReadFile(io.File("err"));
  return r;
}

}  // namespace tolvane::test

namespace tolvane::test {
std::string EntryHead(const std::string& entry) {
  size_t at = entry.find(S(" [処理時間 "));
  return at == std::string::npos ? entry : entry.substr(0, at);
}
}  // namespace tolvane::test
