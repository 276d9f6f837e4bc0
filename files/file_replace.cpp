#include "files/file_replace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "files/failure.h"

namespace filmotas {

namespace {

bool deniedByFolder(int error) { return error == EACCES || error == EPERM || error == EROFS; }

// A link is replaced through to the file it names, so the link itself stays.
std::string followLink(const std::string& path) {
  char resolved[PATH_MAX];
  struct stat st {};
  if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode) && ::realpath(path.c_str(), resolved)) {
    return resolved;
  }
  return path;
}

std::string folderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// A file that may not be written is not replaced either: the rename needs only the
// folder's permission, and would override the file's own.
void requireWritable(const std::string& path) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd >= 0) {
    ::close(fd);
    return;
  }
  if (errno != ENOENT) throw failureFromErrno(errno);
}

// The new file takes the old file's permissions and, as far as it may, its owner; a
// file made afresh gets what a new file gets.
void takeOverAttributes(int fd, const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0) {
    if (::fchown(fd, st.st_uid, st.st_gid) != 0) { /* only the owner's rights can do it */ }
    if (::fchmod(fd, st.st_mode & 07777) != 0) throw failureFromErrno(errno);
    return;
  }
  const mode_t mask = ::umask(0);
  ::umask(mask);
  if (::fchmod(fd, 0666 & ~mask) != 0) throw failureFromErrno(errno);
}

void writeAll(int fd, std::string_view bytes, const WriteCall& write) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) throw failureFromErrno(n < 0 ? errno : EIO);
    done += static_cast<std::size_t>(n);
  }
}

void flushFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;   // the rename has happened; a folder that cannot be flushed is no failure
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

ssize_t systemWrite(int fd, const char* bytes, std::size_t count) { return ::write(fd, bytes, count); }

ReplaceResult replaceFile(const std::string& path, std::string_view bytes, const WriteCall& write) {
  const std::string target = followLink(path);
  const std::string folder = folderOf(target);
  requireWritable(target);
  std::string temporary = folder + "/.filmotas-XXXXXX";
  const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) {
    if (deniedByFolder(errno)) return ReplaceResult::folderRefused;
    throw failureFromErrno(errno);
  }
  try {
    takeOverAttributes(fd, target);
    writeAll(fd, bytes, write);
    if (::fsync(fd) != 0) throw failureFromErrno(errno);
  } catch (...) {
    ::close(fd);
    ::unlink(temporary.c_str());
    throw;
  }
  if (::close(fd) != 0 || ::rename(temporary.c_str(), target.c_str()) != 0) {
    const int error = errno;
    ::unlink(temporary.c_str());
    throw failureFromErrno(error);
  }
  flushFolder(folder);
  return ReplaceResult::replaced;
}

}  // namespace filmotas
