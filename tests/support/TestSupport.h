#pragma once
// Helpers shared by the tests: a private TOLVANE_HOME per test, a recording
// exception display, CP932 literals and byte-string printing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Encoding.h"
#include "platform/Exceptions.h"

namespace tolvane::test {

// CP932 bytes of a UTF-8 literal.
inline std::string S(std::string_view utf8) { return Utf8ToCp932(utf8); }

// Bytes written as hexadecimal, for readable failure messages.
std::string Hex(std::string_view bytes);

// Collects what the core shows instead of printing it.
class RecordingDisplay : public IExceptionDisplay {
 public:
  RecordingDisplay() { SetExceptionDisplay(this); }
  ~RecordingDisplay() override { SetExceptionDisplay(nullptr); }
  void ShowException(const std::string& message) override { messages.push_back(message); }
  std::vector<std::string> messages;
};

// A fresh folder, removed afterwards.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  const std::string& path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

// Points TOLVANE_HOME at a fresh folder for the test's lifetime and records
// shown exceptions.
class HomeTest : public ::testing::Test {
 protected:
  HomeTest();
  ~HomeTest() override;
  std::string IniPath() const { return home.File("tolvane.ini"); }

  TempDir home;
  RecordingDisplay shown;

 private:
  std::string saved_;
  bool hadSaved_ = false;
};

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);

// Makes every write to a regular file fail (file size limit 0) while alive:
// permission bits do not stop root, this does.
class FailWrites {
 public:
  FailWrites();
  ~FailWrites();

 private:
  unsigned long long saved_;
};

}  // namespace tolvane::test

namespace tolvane::test {

struct RunResult {
  int exitCode = -1;
  std::string out;
  std::string err;
};

// Runs a program with the given arguments (each quoted for the shell) and
// standard input, capturing both output streams.
RunResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                     const std::string& input = {});

}  // namespace tolvane::test

#include <memory>

#include "app/SqlRunner.h"

namespace tolvane::test {

// Records what a run hands to its window; answers the row-count question
// with `answer`.
class RecordingHost : public ISqlRunHost {
 public:
  bool ConfirmRowCount(const std::string& message) override {
    questions.push_back(message);
    return answer;
  }
  void AppendMonitor(const std::string& entry) override { entries.push_back(entry); }
  void ShowResult(std::unique_ptr<RecordSet> set, const std::string& dateTime) override {
    results.push_back(std::move(set));
    dateTimes.push_back(dateTime);
  }

  bool answer = true;
  std::vector<std::string> questions;
  std::vector<std::string> entries;
  std::vector<std::unique_ptr<RecordSet>> results;
  std::vector<std::string> dateTimes;
};

// The entry without its time and date parts, which vary: "statement\nN件処理しました。".
std::string EntryHead(const std::string& entry);

}  // namespace tolvane::test
