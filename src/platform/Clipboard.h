#pragma once
// The clipboard, as the core reaches it: text in CP932. The GUI installs the
// system clipboard; without a GUI (and in tests) an in-memory one is used.
#include <string>

namespace tolvane {

class IClipboard {
 public:
  virtual ~IClipboard() = default;
  virtual void SetText(const std::string& cp932) = 0;
  virtual std::string GetText() = 0;
};

// Installs the clipboard; nullptr restores the in-memory one.
void SetClipboard(IClipboard* clipboard);
IClipboard& Clipboard();

}  // namespace tolvane
