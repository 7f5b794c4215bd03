#pragma once
// Message boxes of the whole system. Every box goes through the prompter,
// which the GUI implements with QMessageBox and tests replace to answer.
// Texts are CP932.
#include <string>

class QWidget;

namespace tolvane {

enum class MsgIcon { None, Information, Warning, Question, Error };
enum MsgButtons { kButtonsOk, kButtonsOkCancel, kButtonsYesNo, kButtonsYesNoCancel };
// The button pressed, numbered as the system's message boxes number them.
enum MsgResult { kIdOk = 1, kIdCancel = 2, kIdYes = 6, kIdNo = 7 };

class IPrompter {
 public:
  virtual ~IPrompter() = default;
  virtual int Show(const std::string& text, const std::string& caption, MsgIcon icon,
                   MsgButtons buttons, QWidget* owner) = 0;
};

// Installs the prompter; nullptr restores the message-box one.
void SetPrompter(IPrompter* prompter);
IPrompter& Prompter();

int MsgWarning(const std::string& text);
int MsgWarningOwner(const std::string& text, QWidget* owner);
int MsgInfo(const std::string& text);
int MsgOkCancel(const std::string& text, QWidget* owner);
int MsgYesNoCancel(const std::string& text, QWidget* owner);
int MsgYesNo(const std::string& text, const std::string& caption, MsgIcon icon);

}  // namespace tolvane
