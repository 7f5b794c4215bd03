#pragma once
#include <string>
#include <vector>

namespace tolvane::cli {

// tolvane-cli run (--session N | --descriptor TEXT) [--history] [--utf8] [FILE]
// Returns the exit status: 0 when every statement succeeded, 1 otherwise,
// 2 for usage errors.
int RunCommand(const std::vector<std::string>& args);

}  // namespace tolvane::cli
