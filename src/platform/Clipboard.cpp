#include "platform/Clipboard.h"

namespace tolvane {
namespace {

class MemoryClipboard : public IClipboard {
 public:
  void SetText(const std::string& cp932) override { text_ = cp932; }
  std::string GetText() override { return text_; }

 private:
  std::string text_;
};

MemoryClipboard memory;
IClipboard* current = &memory;

}  // namespace

void SetClipboard(IClipboard* clipboard) { current = clipboard ? clipboard : &memory; }
IClipboard& Clipboard() { return *current; }

}  // namespace tolvane
