#include "files/file_replace.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <memory>

#include "files/failure.h"
#include "files/file_open.h"

namespace filmotas {

namespace {

// Every temporary file is ".filmotas-" and six letters or digits, so a clean-up can tell
// them from the player's files.
constexpr std::string_view kTemporaryPrefix = ".filmotas-";
constexpr std::size_t kTemporarySuffix = 6;

bool isTemporaryName(std::string_view name) {
  if (!name.starts_with(kTemporaryPrefix) || name.size() != kTemporaryPrefix.size() + kTemporarySuffix) return false;
  for (const char c : name.substr(kTemporaryPrefix.size())) {
    if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) return false;
  }
  return true;
}

bool deniedByFolder(int error) { return error == EACCES || error == EPERM || error == EROFS; }

// A new file beside its target, locked while it is written (so a clean-up leaves it
// alone) and removed unless it has been put in place.
class TemporaryFile {
 public:
  explicit TemporaryFile(const std::string& folder)
      : path_(folder + "/" + std::string(kTemporaryPrefix) + std::string(kTemporarySuffix, 'X')) {
    fd_ = ::mkostemp(path_.data(), O_CLOEXEC);
    error_ = fd_ < 0 ? errno : 0;
    if (fd_ >= 0) ::flock(fd_, LOCK_EX);   // a fresh file: nothing else can hold it
  }
  ~TemporaryFile() {
    if (fd_ < 0) return;
    if (!placed_) ::unlink(path_.c_str());
    ::close(fd_);
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  int fd() const { return fd_; }
  int error() const { return error_; }

  void fill(std::string_view bytes, const WriteCall& write) {
    writeAll(fd_, bytes, write);
    if (::fsync(fd_) != 0) throw failureFromErrno(errno);
  }
  void renameOver(const std::string& target) {
    if (::rename(path_.c_str(), target.c_str()) != 0) throw failureFromErrno(errno);
    placed_ = true;
  }
  // false when `target` exists; where the folder cannot rename without replacing, a
  // hard link does the same.
  bool renameAsNew(const std::string& target) {
    int result = ::renameat2(AT_FDCWD, path_.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE);
    placed_ = result == 0;
    if (result != 0 && (errno == EINVAL || errno == ENOSYS)) result = ::link(path_.c_str(), target.c_str());
    if (result == 0) return true;
    if (errno == EEXIST) return false;
    throw failureFromErrno(errno);
  }

 private:
  std::string path_;
  int fd_ = -1;
  int error_ = 0;
  bool placed_ = false;
};

// A file that may not be written is not replaced either: the rename needs only the
// folder's permission, and would override the file's own.
void requireWritable(const std::string& path) {
  const int fd = openRegular(path, O_WRONLY);
  if (fd >= 0) {
    ::close(fd);
    return;
  }
  if (errno != ENOENT) throw failureFromErrno(errno);
}

// What a file made afresh gets.
void giveNewFileMode(int fd) {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  if (::fchmod(fd, 0666 & ~mask) != 0) throw failureFromErrno(errno);
}

// The new file takes the old file's permissions and, as far as it may, its owner.
void takeOverAttributes(int fd, const std::string& path) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0) return giveNewFileMode(fd);
  if (::fchown(fd, st.st_uid, st.st_gid) != 0) { /* only the owner's rights can do it */ }
  if (::fchmod(fd, st.st_mode & 07777) != 0) throw failureFromErrno(errno);
}

void flushFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;   // the rename has happened; a folder that cannot be flushed is no failure
  ::fsync(fd);
  ::close(fd);
}

// A temporary file of the player's that no write holds any more.
bool isStale(int folder, const char* name) {
  const int fd = ::openat(folder, name, O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st {};
  const bool stale = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid() &&
                     ::flock(fd, LOCK_EX | LOCK_NB) == 0;
  ::close(fd);
  return stale;
}

}  // namespace

ReplaceResult replaceFile(const std::string& path, std::string_view bytes, const WriteCall& write) {
  const std::string target = writeTarget(path);
  requireWritable(target);
  TemporaryFile temporary(folderOf(target));
  if (temporary.fd() < 0) {
    if (deniedByFolder(temporary.error())) return ReplaceResult::folderRefused;
    throw failureFromErrno(temporary.error());
  }
  takeOverAttributes(temporary.fd(), target);
  temporary.fill(bytes, write);
  temporary.renameOver(target);
  flushFolder(folderOf(target));
  return ReplaceResult::replaced;
}

bool createFile(const std::string& path, std::string_view bytes) {
  TemporaryFile temporary(folderOf(path));
  if (temporary.fd() < 0) throw failureFromErrno(temporary.error());
  giveNewFileMode(temporary.fd());
  temporary.fill(bytes, systemWrite);
  if (!temporary.renameAsNew(path)) return false;
  flushFolder(folderOf(path));
  return true;
}

void removeStaleTemporaries(const std::string& folder) noexcept {
  const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), ::closedir);
  if (!dir) return;
  while (const dirent* entry = ::readdir(dir.get())) {
    if (isTemporaryName(entry->d_name) && isStale(::dirfd(dir.get()), entry->d_name)) {
      ::unlinkat(::dirfd(dir.get()), entry->d_name, 0);
    }
  }
}

}  // namespace filmotas
