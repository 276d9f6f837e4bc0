#include "files/record_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "files/failure.h"

namespace filmotas {

namespace {

constexpr std::int64_t kReadAhead = 512 * 1024;

bool deniedForWriting(int error) { return error == EACCES || error == EPERM || error == EROFS; }

// Reads up to `count` bytes at `offset` into `out`; fewer only at the end of the file.
std::int64_t readInto(int fd, std::int64_t offset, char* out, std::int64_t count) {
  std::int64_t got = 0;
  while (got < count) {
    const ssize_t n = ::pread(fd, out + got, count - got, offset + got);
    if (n < 0) {
      if (errno == EINTR) continue;
      throw failureFromErrno(errno);
    }
    if (n == 0) break;
    got += n;
  }
  return got;
}

std::string readAt(int fd, std::int64_t offset, std::int64_t count) {
  std::string out(static_cast<std::size_t>(count), '\0');
  out.resize(static_cast<std::size_t>(readInto(fd, offset, out.data(), count)));
  return out;
}

// Writes every byte or reports how far it got through `written`.
bool writeAt(int fd, std::int64_t offset, std::string_view bytes, int& error) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::pwrite(fd, bytes.data() + done, bytes.size() - done, offset + done);
    if (n < 0) {
      if (errno == EINTR) continue;
      error = errno;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

RecordFile::RecordFile(const std::string& path, int recordLength)
    : path_(path), recordLength_(recordLength) {
  fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
  if (fd_ < 0 && deniedForWriting(errno)) {
    const int writeError = errno;
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0) throw failureFromErrno(writeError);
    readOnly_ = true;
  }
  if (fd_ < 0) throw failureFromErrno(errno);
  struct stat st {};
  if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd_);
    throw Failure(failure::kPathFileAccessError);
  }
}

RecordFile::~RecordFile() { ::close(fd_); }

std::int64_t RecordFile::size() const {
  struct stat st {};
  if (::fstat(fd_, &st) != 0) throw failureFromErrno(errno);
  return st.st_size;
}

std::string RecordFile::recordAt(std::string_view raw) const {
  if (raw.size() < 2) return {};
  const auto length = static_cast<std::size_t>(static_cast<unsigned char>(raw[0]) |
                                               (static_cast<unsigned char>(raw[1]) << 8));
  if (length > static_cast<std::size_t>(recordLength_ - 2)) throw Failure(failure::kBadRecordLength);
  if (raw.size() < 2 + length) return {};
  return std::string(raw.substr(2, length));
}

std::string RecordFile::read(std::int64_t n) const {
  if (n < 1) throw Failure(failure::kBadRecordLength);
  const std::int64_t offset = (n - 1) * recordLength_;
  return recordAt(readAt(fd_, offset, recordLength_));
}

std::optional<std::string> RecordFile::readNext() {
  const std::int64_t offset = (nextRecord_ - 1) * recordLength_;
  if (!skipNext()) return std::nullopt;
  return recordAt(std::string_view(chunk_.get() + (offset - chunkStart_), recordLength_));
}

bool RecordFile::skipNext() {
  const std::int64_t offset = (nextRecord_ - 1) * recordLength_;
  if (offset < chunkStart_ || offset + recordLength_ > chunkStart_ + chunkLength_) {
    if (!chunk_) chunk_.reset(new char[kReadAhead]);   // not zeroed: every byte used is read
    chunkStart_ = offset;
    chunkLength_ = readInto(fd_, offset, chunk_.get(), kReadAhead);
  }
  const std::int64_t at = offset - chunkStart_;
  if (at + recordLength_ > chunkLength_) return false;
  const auto length = static_cast<unsigned char>(chunk_[at]) | (static_cast<unsigned char>(chunk_[at + 1]) << 8);
  if (length > recordLength_ - 2) throw Failure(failure::kBadRecordLength);
  ++nextRecord_;
  return true;
}

void RecordFile::write(std::int64_t n, std::string_view text) {
  if (n < 1 || text.size() > static_cast<std::size_t>(recordLength_ - 2)) {
    throw Failure(failure::kBadRecordLength);
  }
  if (readOnly_) throw Failure(failure::kPermissionDenied);
  std::string record(static_cast<std::size_t>(recordLength_), '\0');
  record[0] = static_cast<char>(text.size() & 0xFF);
  record[1] = static_cast<char>(text.size() >> 8);
  record.replace(2, text.size(), text);

  const std::int64_t offset = (n - 1) * recordLength_;
  const std::int64_t oldSize = size();
  const std::string oldBytes = readAt(fd_, offset, recordLength_);
  int error = 0;
  if (!writeAt(fd_, offset, record, error)) {
    restore(offset, oldBytes, oldSize);
    throw failureFromErrno(error);
  }
  chunkLength_ = 0;  // the read-ahead may hold the old bytes
}

void RecordFile::flush() {
  if (::fdatasync(fd_) != 0) throw failureFromErrno(errno);
}

// Puts back what a failed write had partly replaced, so the file is as it was.
void RecordFile::restore(std::int64_t offset, const std::string& oldBytes, std::int64_t oldSize) {
  int ignored = 0;
  writeAt(fd_, offset, oldBytes, ignored);
  if (::ftruncate(fd_, oldSize) != 0) { /* nothing more can be done */ }
}

}  // namespace filmotas
