#include "files/whole_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "files/failure.h"
#include "files/file_open.h"

namespace filmotas {

ReadOnlyFile::ReadOnlyFile(const std::string& path) : fd_(openToRead(path)) {}

ReadOnlyFile::~ReadOnlyFile() { ::close(fd_); }

std::size_t ReadOnlyFile::size() const {
  struct stat st {};
  if (::fstat(fd_, &st) != 0) throw failureFromErrno(errno);
  return static_cast<std::size_t>(st.st_size);
}

std::size_t ReadOnlyFile::read(char* out, std::size_t count) const {
  std::size_t got = 0;
  while (got < count) {
    const ssize_t n = ::read(fd_, out + got, count - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) throw failureFromErrno(errno);
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  return got;
}

void ReadOnlyFile::seek(std::size_t offset) const {
  if (::lseek(fd_, static_cast<off_t>(offset), SEEK_SET) < 0) throw failureFromErrno(errno);
}

std::string readFileBytes(const std::string& path) {
  const ReadOnlyFile file(path);
  std::string bytes(file.size(), '\0');
  bytes.resize(file.read(bytes.data(), bytes.size()));
  return bytes;
}

}  // namespace filmotas
