#include "app/Application.h"

#include "app/Icons.h"
#include "app/QtPlatform.h"
#include "platform/Encoding.h"
#include "platform/Exceptions.h"

namespace tolvane {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(QStringLiteral("tolvane"));
  setApplicationDisplayName(QStringLiteral("tolvane"));
}

bool Application::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& e) {
    ShowException(e.what());
  } catch (...) {
    ShowException(J("予期しないエラーが発生しました。"));
  }
  return false;
}

void InstallGuiPlatform() {
  static GuiExceptionDisplay display;
  static QtClipboard clipboard;
  SetExceptionDisplay(&display);
  SetClipboard(&clipboard);
  InstallIconTheme();
  InstallFontSubstitutions();
}

}  // namespace tolvane
