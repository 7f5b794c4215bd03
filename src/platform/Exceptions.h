#pragma once
// The application's standard exception display, and the error type the core
// raises. Messages are CP932 byte strings.
#include <functional>
#include <stdexcept>
#include <string>

namespace tolvane {

// An error raised by the core with a message meant for the user.
class EError : public std::runtime_error {
 public:
  explicit EError(const std::string& message) : std::runtime_error(message) {}
};

// Where failures are shown. The GUI installs a message box; the command-line
// front end writes to standard error; tests record what was shown.
class IExceptionDisplay {
 public:
  virtual ~IExceptionDisplay() = default;
  virtual void ShowException(const std::string& message) = 0;
};

// Installs the display used by ShowException; nullptr restores the default,
// which writes the message to standard error.
void SetExceptionDisplay(IExceptionDisplay* display);
IExceptionDisplay* GetExceptionDisplay();

// Shows one failure through the installed display.
void ShowException(const std::string& message);

// Called by long byte loops at a bounded interval so that a user interface can
// process its pending events. Never called per byte.
using ProgressFn = std::function<void()>;

}  // namespace tolvane
