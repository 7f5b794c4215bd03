#pragma once
#include <string>

namespace tolvane {

// The folder of the running executable, without a trailing separator. When
// the environment variable TOLVANE_HOME is set and not empty, that folder
// instead: tests and installed copies keep their settings there.
std::string GetExeDir();

// The path with `suffix` put between the file name's stem and its extension
// (the extension runs from the last "." of the file name, dot included).
std::string AddFileNameSuffix(const std::string& path, const std::string& suffix);

// GetExeDir, the separator, then the name.
std::string ExeDirFile(const std::string& name);

}  // namespace tolvane
