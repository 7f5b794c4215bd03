#include "settings/Fpath.h"

#include <unistd.h>

#include <climits>
#include <cstdlib>

namespace tolvane {

std::string GetExeDir() {
  if (const char* home = std::getenv("TOLVANE_HOME"); home && *home) {
    std::string dir(home);
    while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
    return dir;
  }
  char buf[PATH_MAX];
  ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
  if (n <= 0) return ".";
  std::string path(buf, static_cast<size_t>(n));
  size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string ExeDirFile(const std::string& name) {
  std::string dir = GetExeDir();
  if (dir.empty() || dir.back() != '/') dir += '/';
  return dir + name;
}

std::string AddFileNameSuffix(const std::string& path, const std::string& suffix) {
  size_t nameStart = path.find_last_of('/');
  nameStart = nameStart == std::string::npos ? 0 : nameStart + 1;
  size_t dot = path.rfind('.');
  if (dot == std::string::npos || dot < nameStart) return path + suffix;
  return path.substr(0, dot) + suffix + path.substr(dot);
}

}  // namespace tolvane
