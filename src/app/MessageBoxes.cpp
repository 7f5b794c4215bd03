#include "app/MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "app/QtText.h"

namespace tolvane {
namespace {

class QtPrompter : public IPrompter {
 public:
  int Show(const std::string& text, const std::string& caption, MsgIcon icon, MsgButtons buttons,
           QWidget* owner) override {
    QMessageBox box(owner ? owner : QApplication::activeWindow());
    box.setWindowTitle(ToQ(caption));
    box.setText(ToQ(text));
    switch (icon) {
      case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
      case MsgIcon::Warning: box.setIcon(QMessageBox::Warning); break;
      case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
      case MsgIcon::Error: box.setIcon(QMessageBox::Critical); break;
      case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    }
    QMessageBox::StandardButtons set;
    switch (buttons) {
      case kButtonsOk: set = QMessageBox::Ok; break;
      case kButtonsOkCancel: set = QMessageBox::Ok | QMessageBox::Cancel; break;
      case kButtonsYesNo: set = QMessageBox::Yes | QMessageBox::No; break;
      case kButtonsYesNoCancel: set = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel; break;
    }
    box.setStandardButtons(set);
    // The box comes to the front even when the program is not active.
    box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    box.raise();
    box.activateWindow();
    switch (box.exec()) {
      case QMessageBox::Yes: return kIdYes;
      case QMessageBox::No: return kIdNo;
      case QMessageBox::Cancel: return kIdCancel;
      default: return buttons == kButtonsOk || buttons == kButtonsOkCancel ? kIdOk : kIdCancel;
    }
  }
};

QtPrompter qtPrompter;
IPrompter* current = &qtPrompter;

const std::string& Warning() {
  static const std::string s = J("警告");
  return s;
}
const std::string& Confirm() {
  static const std::string s = J("確認");
  return s;
}

}  // namespace

void SetPrompter(IPrompter* prompter) { current = prompter ? prompter : &qtPrompter; }
IPrompter& Prompter() { return *current; }

int MsgWarning(const std::string& text) {
  return Prompter().Show(text, Warning(), MsgIcon::Warning, kButtonsOk, nullptr);
}
int MsgWarningOwner(const std::string& text, QWidget* owner) {
  return Prompter().Show(text, Warning(), MsgIcon::Warning, kButtonsOk, owner);
}
int MsgInfo(const std::string& text) {
  return Prompter().Show(text, Confirm(), MsgIcon::Question, kButtonsOk, nullptr);
}
int MsgOkCancel(const std::string& text, QWidget* owner) {
  return Prompter().Show(text, Confirm(), MsgIcon::Question, kButtonsOkCancel, owner);
}
int MsgYesNoCancel(const std::string& text, QWidget* owner) {
  return Prompter().Show(text, Confirm(), MsgIcon::Question, kButtonsYesNoCancel, owner);
}
int MsgYesNo(const std::string& text, const std::string& caption, MsgIcon icon) {
  return Prompter().Show(text, caption, icon, kButtonsYesNo, nullptr);
}

}  // namespace tolvane
