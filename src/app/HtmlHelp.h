#pragma once
// The help object: shows the program's own HTML help in a viewer window.
#include <QPointer>
#include <QString>
#include <vector>

class QWidget;

namespace tolvane {

class cHtmlHelp {
 public:
  cHtmlHelp() = default;
  // Closes every help window it opened.
  ~cHtmlHelp();
  cHtmlHelp(const cHtmlHelp&) = delete;
  cHtmlHelp& operator=(const cHtmlHelp&) = delete;

  // Opens the help at its first page, without an owner window. The name of
  // the original help file ("tolvane.chm") stands for the bundled help.
  bool ShowHelp(const QString& fileName);

  int OpenWindows() const;

 private:
  std::vector<QPointer<QWidget>> windows_;
};

}  // namespace tolvane
