#include "app/HtmlHelp.h"

#include <QTextBrowser>
#include <QUrl>

#include "app/QtText.h"

namespace tolvane {

cHtmlHelp::~cHtmlHelp() {
  for (auto& w : windows_)
    if (w) delete w.data();
}

bool cHtmlHelp::ShowHelp(const QString& fileName) {
  (void)fileName;
  auto* viewer = new QTextBrowser();
  viewer->setAttribute(Qt::WA_DeleteOnClose);
  viewer->setObjectName(QStringLiteral("helpViewer"));
  viewer->setWindowTitle(Q("tolvane ヘルプ"));
  viewer->setOpenExternalLinks(true);
  viewer->setSearchPaths({QStringLiteral(":/help")});
  viewer->setSource(QUrl(QStringLiteral("qrc:/help/index.html")));
  viewer->resize(720, 640);
  viewer->show();
  windows_.emplace_back(viewer);
  return !viewer->toPlainText().isEmpty();
}

int cHtmlHelp::OpenWindows() const {
  int n = 0;
  for (const auto& w : windows_) n += w ? 1 : 0;
  return n;
}

}  // namespace tolvane
