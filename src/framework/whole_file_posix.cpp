#include "framework/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "framework/utf8.h"

namespace {

// An open file descriptor, closed with the object.
class TFd {
public:
  explicit TFd(int fd) : FFd(fd) {}
  ~TFd() {
    if (FFd >= 0) ::close(FFd);
  }
  TFd(const TFd&) = delete;
  TFd& operator=(const TFd&) = delete;
  int Get() const { return FFd; }
  bool Valid() const { return FFd >= 0; }

private:
  int FFd;
};

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return ::fsync(fd) == 0;
}

// A new file beside the target; removed again unless it was moved into place.
class TPendingFile {
public:
  explicit TPendingFile(const std::string& target) : FPath(target + ".XXXXXX"), FFd(::mkstemp(FPath.data())) {
    if (!FFd.Valid()) FPath.clear();
  }
  ~TPendingFile() {
    if (!FPath.empty()) ::unlink(FPath.c_str());
  }
  TPendingFile(const TPendingFile&) = delete;
  TPendingFile& operator=(const TPendingFile&) = delete;

  bool Write(std::string_view bytes, mode_t mode) const {
    return FFd.Valid() && ::fchmod(FFd.Get(), mode) == 0 && WriteAll(FFd.Get(), bytes);
  }

  bool MoveOver(const std::string& target) {
    if (::rename(FPath.c_str(), target.c_str()) != 0) return false;
    FPath.clear();
    return true;
  }

private:
  std::string FPath;
  TFd FFd;
};

}  // namespace

TWholeFile ReadWholeFile(const std::wstring& path, std::uint64_t maxBytes) {
  const TFd file(::open(ToUtf8(path).c_str(), O_RDONLY | O_CLOEXEC));
  if (!file.Valid()) {
    const bool missing = errno == ENOENT || errno == ENOTDIR;
    return {missing ? TFileReadResult::frMissing : TFileReadResult::frFailed, {}};
  }
  TWholeFile content{TFileReadResult::frRead, {}};
  char buffer[4096];
  for (;;) {
    const ssize_t read = ::read(file.Get(), buffer, sizeof(buffer));
    if (read < 0 && errno == EINTR) continue;
    if (read < 0) return {TFileReadResult::frFailed, {}};
    if (read == 0) return content;
    content.Bytes.append(buffer, static_cast<std::size_t>(read));
    if (content.Bytes.size() > maxBytes) return {TFileReadResult::frFailed, {}};
  }
}

bool ReplaceWholeFile(const std::wstring& path, std::string_view bytes) {
  if (path.empty()) return false;
  const std::string target = ToUtf8(path);
  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  // No write bit is how a read-only file looks here, whoever runs the program.
  if (exists && (S_ISDIR(old.st_mode) || (old.st_mode & 0222) == 0)) return false;
  TPendingFile pending(target);
  const mode_t mode = exists ? old.st_mode & 07777 : 0644;
  return pending.Write(bytes, mode) && pending.MoveOver(target);
}
