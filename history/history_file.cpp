#include "history/history_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "files/failure.h"
#include "files/file_replace.h"
#include "files/whole_file.h"
#include "files/write_call.h"
#include "history/game_line.h"

namespace filmotas {

namespace {

class OpenFile {
 public:
  explicit OpenFile(const std::string& path) : fd(::open(path.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0666)) {
    if (fd < 0) throw failureFromErrno(errno);
  }
  ~OpenFile() { ::close(fd); }
  OpenFile(const OpenFile&) = delete;
  OpenFile& operator=(const OpenFile&) = delete;
  const int fd;
};

off_t sizeOf(int fd) {
  struct stat st {};
  if (::fstat(fd, &st) != 0) throw failureFromErrno(errno);
  return st.st_size;
}

// What must come before the line: the header in an empty file, a line break after a
// line that a crash cut short.
std::string_view prefixFor(int fd, off_t size) {
  if (size == 0) return kHistoryHeader;
  char last = '\n';
  if (::pread(fd, &last, 1, size - 1) != 1) throw failureFromErrno(errno);
  return last == '\n' ? std::string_view() : std::string_view("\n");
}

}  // namespace

void appendToHistory(const std::string& path, std::string_view line) {
  const OpenFile file(path);
  const off_t before = sizeOf(file.fd);
  std::string bytes(prefixFor(file.fd, before));
  bytes.append(line);
  try {
    writeAll(file.fd, bytes);
    if (::fdatasync(file.fd) != 0) throw failureFromErrno(errno);
  } catch (const Failure&) {
    if (::ftruncate(file.fd, before) != 0) { /* the failure told is the write's */ }
    throw;
  }
}

std::string readHistory(const std::string& path) {
  try {
    return readFileBytes(path);
  } catch (const Failure& f) {
    if (f.number() == failure::kFileNotFound) return {};
    throw;
  }
}

void clearHistory(const std::string& path) {
  if (replaceFile(path, kHistoryHeader) == ReplaceResult::folderRefused) {
    throw Failure(failure::kPermissionDenied);
  }
}

}  // namespace filmotas
