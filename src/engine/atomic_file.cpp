// The one way a file of the folder is replaced: through a temporary file of
// the same folder, so the rename is atomic.
#include "atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// The folder of path, synced so the rename is on the disk too.
void sync_folder(const std::string &path) {
  std::size_t slash = path.rfind('/');
  std::string folder =
      slash == std::string::npos ? "." : path.substr(0, slash + 1);
  int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);  // the rename is done either way; this only hastens it to disk
  close(fd);
}

// The file a path names: a symbolic link is followed, so the link is kept and
// its target replaced, as an append through the link would write there; a
// link that leads nowhere is refused rather than replaced by a file.
bool file_behind(const std::string &path, std::string &target) {
  struct stat st;
  target = path;
  if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return true;
  char *resolved = realpath(path.c_str(), nullptr);
  if (!resolved) return false;
  target = resolved;
  std::free(resolved);
  return true;
}

}  // namespace

bool write_all(int fd, const char *data, std::size_t size) {
  while (size > 0) {
    ssize_t n = ::write(fd, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = ENOSPC;
      return false;
    }
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

bool replace_file_streamed(const std::string &path, mode_t mode,
                           const std::function<bool(int fd)> &write,
                           std::string &error) {
  std::string target;
  if (!file_behind(path, target)) {
    error = std::strerror(errno);
    return false;
  }
  std::string name = target + ".XXXXXX";
  std::vector<char> temp(name.begin(), name.end());
  temp.push_back('\0');
  int fd = mkstemp(temp.data());
  if (fd < 0) {
    error = std::strerror(errno);
    return false;
  }
  // mkstemp makes the file private; the new file takes the mode asked for.
  bool ok = fchmod(fd, mode) == 0 && write(fd) && fsync(fd) == 0;
  int saved = errno;
  if (close(fd) != 0 && ok) {
    ok = false;
    saved = errno;
  }
  if (ok && std::rename(temp.data(), target.c_str()) != 0) {
    ok = false;
    saved = errno;
  }
  if (!ok) {
    unlink(temp.data());
    error = std::strerror(saved);
    return false;
  }
  sync_folder(target);
  return true;
}

bool replace_file(const std::string &path, std::string_view content,
                  std::string &error) {
  // A replaced file takes the usual mode.
  const mode_t mask = umask(0);
  umask(mask);
  return replace_file_streamed(
      path, 0666 & ~mask,
      [content](int fd) {
        return write_all(fd, content.data(), content.size());
      },
      error);
}
