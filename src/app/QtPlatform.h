#pragma once
// The GUI's implementations of the core's seams: the exception display shows
// a message box through the prompter, the clipboard is the system one.
#include "platform/Clipboard.h"
#include "platform/Exceptions.h"

class QWidget;

namespace tolvane {

class GuiExceptionDisplay : public IExceptionDisplay {
 public:
  void ShowException(const std::string& message) override;
};

class QtClipboard : public IClipboard {
 public:
  void SetText(const std::string& cp932) override;
  std::string GetText() override;
};

// Applies the configured font (name, size, bold, italic; underline and
// strike-out cleared) to the window; children that inherit follow it.
void SetFormFont(QWidget* form);

// Makes the Windows face names of the settings resolve to the Japanese fonts
// installed here.
void InstallFontSubstitutions();

}  // namespace tolvane
