#pragma once
#include <QApplication>

namespace tolvane {

// The application object: an error that escapes a command is shown by the
// standard exception display and the program goes on.
class Application : public QApplication {
 public:
  Application(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};

// Installs the GUI's message boxes, exception display, clipboard, icon theme
// and font substitutions.
void InstallGuiPlatform();

}  // namespace tolvane
