#include "files/file_open.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>

#include "files/failure.h"

namespace filmotas {

namespace {

// A file opened without blocking becomes an ordinary one once known to be regular.
void requireRegular(int fd) {
  struct stat st {};
  const int flags = ::fcntl(fd, F_GETFL);
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || flags < 0 ||
      ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
    ::close(fd);
    throw Failure(failure::kPathFileAccessError);
  }
}

// What the link at `path` names, as a path usable from here.
std::string linkText(const std::string& path) {
  std::string text(PATH_MAX, '\0');
  const ssize_t n = ::readlink(path.c_str(), text.data(), text.size());
  if (n <= 0 || static_cast<std::size_t>(n) >= text.size()) throw Failure(failure::kPermissionDenied);
  text.resize(static_cast<std::size_t>(n));
  return text.front() == '/' ? text : folderOf(path) + "/" + text;
}

bool linkIsTrusted(const std::string& path, const struct stat& link) {
  if (link.st_uid == ::geteuid()) return true;
  if (link.st_uid != 0) return false;
  struct stat folder {};
  return ::stat(folderOf(path).c_str(), &folder) == 0 && !othersMayWrite(folder.st_mode);
}

}  // namespace

int openToRead(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) throw failureFromErrno(errno);
  requireRegular(fd);
  return fd;
}

int openRegular(const std::string& path, int flags, mode_t mode) {
  const int fd = ::open(path.c_str(), flags | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, mode);
  if (fd >= 0) requireRegular(fd);
  return fd;
}

std::string writeTarget(const std::string& path) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0) return path;   // missing: the write creates it
  if (S_ISREG(st.st_mode)) return path;
  if (!S_ISLNK(st.st_mode)) throw Failure(failure::kPathFileAccessError);
  if (!linkIsTrusted(path, st)) throw Failure(failure::kPermissionDenied);
  const std::string target = linkText(path);
  struct stat named {};
  if (::lstat(target.c_str(), &named) != 0 || !S_ISREG(named.st_mode) || named.st_uid != ::geteuid()) {
    throw Failure(failure::kPermissionDenied);
  }
  return target;
}

std::string folderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

bool othersMayWrite(mode_t folderMode) { return (folderMode & (S_IWGRP | S_IWOTH)) != 0; }

}  // namespace filmotas
