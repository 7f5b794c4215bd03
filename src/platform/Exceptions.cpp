#include "platform/Exceptions.h"

#include <cstdio>

namespace tolvane {
namespace {

class StderrDisplay : public IExceptionDisplay {
 public:
  void ShowException(const std::string& message) override {
    std::fwrite(message.data(), 1, message.size(), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
  }
};

StderrDisplay defaultDisplay;
IExceptionDisplay* current = &defaultDisplay;

}  // namespace

void SetExceptionDisplay(IExceptionDisplay* display) {
  current = display ? display : &defaultDisplay;
}

IExceptionDisplay* GetExceptionDisplay() { return current; }

void ShowException(const std::string& message) { current->ShowException(message); }

}  // namespace tolvane
