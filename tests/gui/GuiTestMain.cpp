// GoogleTest main for the window tests: one QApplication for the process,
// offscreen unless a platform was chosen.
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/Application.h"

int main(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  tolvane::Application app(argc, argv);
  tolvane::InstallGuiPlatform();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
