#pragma once
// Whole-file reading and writing of byte strings.
#include <string>
#include <sys/types.h>

namespace tolvane {

class cFileIO {
 public:
  virtual ~cFileIO() = default;

  // Reads the whole file; `text` receives its bytes up to the first zero
  // byte. On failure the error is shown, `text` is left as it was and the
  // result is false.
  static bool ReadText(const std::string& path, std::string& text);

  // Replaces the file with exactly the bytes of `text`. The bytes go to a
  // temporary file in the same folder which is then renamed over the target,
  // so the file is never left half-written. A new file gets `newFileMode`
  // (before the umask); an existing file keeps its permissions. On failure
  // the error is shown and the result is false.
  static bool WriteText(const std::string& path, const std::string& text,
                        mode_t newFileMode = 0666);

  // The same replacement, throwing EError with the system's reason instead
  // of showing it.
  static void WriteFileAtomic(const std::string& path, const std::string& text,
                              mode_t newFileMode = 0666);
};

}  // namespace tolvane
