#include "sqltext/cFileIO.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>

#include "platform/Encoding.h"
#include "platform/Exceptions.h"

namespace tolvane {
namespace {

std::string Reason(int err) { return Utf8ToCp932(std::strerror(err)); }

std::string OpenFailed(const std::string& path, int err) {
  return J("ファイル ") + Utf8ToCp932(path) + J(" を開けません。") + Reason(err);
}

std::string CreateFailed(const std::string& path, int err) {
  return J("ファイル ") + Utf8ToCp932(path) + J(" を作成できません。") + Reason(err);
}

class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }
  int release() {
    int f = fd_;
    fd_ = -1;
    return f;
  }

 private:
  int fd_;
};

}  // namespace

bool cFileIO::ReadText(const std::string& path, std::string& text) {
  Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) {
    ShowException(OpenFailed(path, errno));
    return false;
  }
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0) {
    ShowException(OpenFailed(path, errno));
    return false;
  }
  if (S_ISDIR(st.st_mode)) {
    ShowException(OpenFailed(path, EISDIR));
    return false;
  }
  std::string buf;
  buf.resize(st.st_size > 0 ? static_cast<size_t>(st.st_size) : 65536);
  size_t used = 0;
  for (;;) {
    if (used == buf.size()) buf.resize(buf.size() * 2);
    ssize_t r = ::read(fd.get(), buf.data() + used, buf.size() - used);
    if (r < 0) {
      if (errno == EINTR) continue;
      ShowException(J("ファイル ") + Utf8ToCp932(path) + J(" を読み込めません。") + Reason(errno));
      return false;
    }
    if (r == 0) break;
    used += static_cast<size_t>(r);
  }
  buf.resize(used);
  size_t zero = buf.find('\0');
  if (zero != std::string::npos) buf.resize(zero);
  text = std::move(buf);
  return true;
}

void cFileIO::WriteFileAtomic(const std::string& path, const std::string& text,
                              mode_t newFileMode) {
  mode_t mode = newFileMode;
  bool keepOwner = false;
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0) {
    if (S_ISDIR(st.st_mode)) throw EError(CreateFailed(path, EISDIR));
    mode = st.st_mode & 07777;
    keepOwner = true;
  }
  // Refuse before touching anything when the target itself is read-only, as
  // replacing it would otherwise succeed through the folder's permissions.
  if (keepOwner && ::access(path.c_str(), W_OK) != 0)
    throw EError(CreateFailed(path, errno));

  static thread_local std::mt19937_64 rng{std::random_device{}()};
  std::string tmp;
  int fd = -1;
  for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, ".tmp%016llx",
                  static_cast<unsigned long long>(rng()));
    tmp = path + suffix;
    fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, keepOwner ? 0600 : mode);
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0) throw EError(CreateFailed(path, errno));
  Fd guard(fd);
  auto fail = [&](int err) {
    ::unlink(tmp.c_str());
    throw EError(CreateFailed(path, err));
  };
  const char* p = text.data();
  size_t left = text.size();
  while (left > 0) {
    ssize_t w = ::write(fd, p, left);
    if (w < 0) {
      if (errno == EINTR) continue;
      fail(errno);
    }
    p += w;
    left -= static_cast<size_t>(w);
  }
  if (keepOwner && ::fchmod(fd, mode) != 0) fail(errno);
  if (::fsync(fd) != 0) fail(errno);
  if (::close(guard.release()) != 0) fail(errno);
  if (::rename(tmp.c_str(), path.c_str()) != 0) {
    int err = errno;
    ::unlink(tmp.c_str());
    throw EError(CreateFailed(path, err));
  }
}

bool cFileIO::WriteText(const std::string& path, const std::string& text, mode_t newFileMode) {
  try {
    WriteFileAtomic(path, text, newFileMode);
    return true;
  } catch (const EError& e) {
    ShowException(e.what());
    return false;
  }
}

}  // namespace tolvane
