// tolvane: the SQL execution tool.
#include "app/Application.h"
#include "app/Ufrmeditor.h"

int main(int argc, char** argv) {
  tolvane::Application app(argc, argv);
  tolvane::InstallGuiPlatform();
  // The first argument, untrimmed, names a file to load.
  QString argument = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
  auto* editor = new tolvane::TfrmEditor(argument);
  editor->setAttribute(Qt::WA_DeleteOnClose);
  editor->show();
  return app.exec();
}
