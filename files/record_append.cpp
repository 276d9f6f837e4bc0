#include "files/record_append.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "files/failure.h"

namespace filmotas {

namespace {

// Opens without waiting on a pipe's writer, and takes nothing but a regular file.
int openRegular(const std::string& path, int flags) {
  const int fd = ::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC, 0666);
  if (fd < 0) throw failureFromErrno(errno);
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    throw Failure(failure::kPathFileAccessError);
  }
  return fd;
}

std::int64_t sizeOf(int fd) {
  struct stat st {};
  if (::fstat(fd, &st) != 0) throw failureFromErrno(errno);
  return st.st_size;
}

std::string readAt(int fd, std::int64_t offset, std::int64_t count) {
  std::string bytes(static_cast<std::size_t>(count), '\0');
  std::size_t got = 0;
  while (got < bytes.size()) {
    const ssize_t n = ::pread(fd, bytes.data() + got, bytes.size() - got, offset + static_cast<std::int64_t>(got));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) throw failureFromErrno(errno);
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  bytes.resize(got);
  return bytes;
}

// Every byte at the file position, or the errno of the failure (EIO for a write that
// takes nothing).
int writeAll(int fd, std::string_view bytes, const WriteCall& write) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return n < 0 ? errno : EIO;
    done += static_cast<std::size_t>(n);
  }
  return 0;
}

}  // namespace

int AppendCalls::defaultFlush(int fd) { return ::fdatasync(fd); }

RecordAppender::RecordAppender(const std::string& path, int recordLength, AppendCalls calls)
    : fd_(openRegular(path, O_RDWR | O_CREAT)), recordLength_(recordLength), calls_(std::move(calls)) {}

RecordAppender::~RecordAppender() { ::close(fd_); }

std::int64_t RecordAppender::size() const { return sizeOf(fd_); }

std::int64_t RecordAppender::wholeRecords() const { return size() / recordLength_; }

void RecordAppender::append(std::string_view records) {
  const std::int64_t oldSize = size();
  const std::int64_t offset = oldSize / recordLength_ * recordLength_;
  const std::string oldTail = readAt(fd_, offset, oldSize - offset);
  int error = ::lseek(fd_, offset, SEEK_SET) < 0 ? errno : writeAll(fd_, records, calls_.write);
  if (error == 0 && calls_.flush(fd_) != 0) error = errno;
  if (error != 0) {
    putBack(offset, oldTail, oldSize);
    throw failureFromErrno(error);
  }
}

// Best effort: the disk that refused the append may refuse this too, but the old bytes
// need no room that they did not have.
void RecordAppender::putBack(std::int64_t offset, const std::string& oldTail, std::int64_t oldSize) {
  if (::ftruncate(fd_, oldSize) != 0) { /* nothing more can be done */ }
  if (::pwrite(fd_, oldTail.data(), oldTail.size(), offset) != static_cast<ssize_t>(oldTail.size())) {
    /* nothing more can be done */
  }
  ::fdatasync(fd_);
}

std::string recordFileTail(const std::string& path, int recordLength) {
  int fd = -1;
  try {
    fd = openRegular(path, O_RDONLY);
  } catch (const Failure& f) {
    if (f.number() == failure::kFileNotFound) return {};
    throw;
  }
  try {
    const std::int64_t size = sizeOf(fd);
    std::string tail = readAt(fd, size - size % recordLength, size % recordLength);
    ::close(fd);
    return tail;
  } catch (...) {
    ::close(fd);
    throw;
  }
}

}  // namespace filmotas
