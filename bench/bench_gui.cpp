// Window timings, offscreen:
//   bench_gui f5 DB.sqlite      F5 on "SELECT * FROM t" until its result window is shown;
//                               prints seconds, peak memory and bytes per cell
//   bench_gui startup           the main window with the saved sessions and history
//                               of $TOLVANE_HOME, until its first paint; then quits
//   bench_gui bare              a bare QMainWindow until its first paint; then quits
//   bench_gui monitor N DB      F5 on N commands; prints the time of each tenth, which
//                               stays flat when monitor entries are appended in O(1)
#include <sys/resource.h>

#include <QElapsedTimer>
#include <QMainWindow>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/Application.h"
#include "app/MessageBoxes.h"
#include "app/QtText.h"
#include "app/Ufrmeditor.h"
#include "result/Ufrmresult.h"
#include "settings/Fbrenmoini.h"

using namespace tolvane;

namespace {

long PeakKb() {
  rusage ru{};
  getrusage(RUSAGE_SELF, &ru);
  return ru.ru_maxrss;
}

// Quits the application at the first paint of the watched window.
class FirstPaint : public QObject {
 public:
  explicit FirstPaint(QElapsedTimer& t) : t_(t) {}
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint && !done_) {
      done_ = true;
      std::printf("first paint %.3f s after main\n", t_.nsecsElapsed() / 1e9);
      QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
    return false;
  }

 private:
  QElapsedTimer& t_;
  bool done_ = false;
};

class YesPrompter : public IPrompter {
 public:
  int Show(const std::string& text, const std::string&, MsgIcon, MsgButtons b, QWidget*) override {
    std::fprintf(stderr, "box: %s\n", Cp932ToUtf8(text).c_str());
    return b == kButtonsYesNo || b == kButtonsYesNoCancel ? kIdYes : kIdOk;
  }
};

}  // namespace

int main(int argc, char** argv) {
  QElapsedTimer sinceMain;
  sinceMain.start();
  if (argc < 2) {
    std::fprintf(stderr, "usage: bench_gui f5 DB | startup | bare\n");
    return 2;
  }
  Application app(argc, argv);
  InstallGuiPlatform();
  YesPrompter prompter;
  SetPrompter(&prompter);
  const std::string mode = argv[1];
  if (mode == "bare") {
    QMainWindow w;
    w.resize(900, 686);
    FirstPaint watch(sinceMain);
    w.installEventFilter(&watch);
    w.show();
    return app.exec();
  }
  if (mode == "startup") {
    auto* w = new TfrmEditor();
    FirstPaint watch(sinceMain);
    w->installEventFilter(&watch);
    w->show();
    int rc = app.exec();
    std::printf("sessions %d, history %d\n", w->Sessions()->GetCount(), w->History()->GetCount());
    delete w;
    return rc;
  }
  if (mode == "f5" && argc > 2) {
    WriteConnect("1", "bench,1;{SQLite3 ODBC Driver}," + Utf8ToCp932(argv[2]) + ",,,");
    TfrmEditor w;
    w.show();
    QCoreApplication::processEvents();
    w.Editor()->setPlainText(QStringLiteral("SELECT * FROM t"));
    auto t0 = std::chrono::steady_clock::now();
    w.Action("acSqlExecute")->trigger();
    auto results = w.ResultWindows();
    if (results.empty()) return 1;
    QCoreApplication::processEvents();  // laid out and painted
    results[0]->grab();
    auto t1 = std::chrono::steady_clock::now();
    const GridStore& g = results[0]->Grid();
    const double cells = static_cast<double>(g.Rows() - 1) * (g.Cols() - 1);
    std::printf("F5 to result window shown: %.3f s (%d rows x %d columns)\n",
                std::chrono::duration<double>(t1 - t0).count(), g.Rows() - 1, g.Cols() - 1);
    std::printf("peak memory %.1f MB, %.1f bytes per cell\n", PeakKb() / 1024.0,
                PeakKb() * 1024.0 / cells);
    return 0;
  }
  if (mode == "monitor" && argc > 3) {
    const int n = std::atoi(argv[2]);
    WriteConnect("1", "bench,1;{SQLite3 ODBC Driver}," + Utf8ToCp932(argv[3]) + ",,,");
    TfrmEditor w;
    w.show();
    QCoreApplication::processEvents();
    QString chunk;
    for (int i = 0; i < n / 10; ++i) chunk += QStringLiteral("UPDATE t SET a = a WHERE 1 = 0;\n");
    for (int part = 0; part < 10; ++part) {
      w.Editor()->setPlainText(chunk);
      auto t0 = std::chrono::steady_clock::now();
      w.Action("acSqlExecute")->trigger();
      auto t1 = std::chrono::steady_clock::now();
      std::printf("statements %7d-%7d: %.3f s (monitor %d lines)\n", part * (n / 10) + 1,
                  (part + 1) * (n / 10), std::chrono::duration<double>(t1 - t0).count(),
                  w.Monitor()->blockCount());
    }
    return 0;
  }
  std::fprintf(stderr, "unknown mode\n");
  return 2;
}
