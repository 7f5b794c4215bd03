#pragma once
#include <string>

namespace tolvane {

// When the settings folder has no tolvane.ini yet: makes a small SQLite
// sample database there (tables with Japanese names and data, some NULLs)
// and saves a session for it marked for reconnection, plus an empty SQL
// history, so that the first start opens connected. Returns false (with the reason shown) on failure;
// true also when there was nothing to do.
bool CreateSampleIfFirstRun(bool* created = nullptr);

}  // namespace tolvane
