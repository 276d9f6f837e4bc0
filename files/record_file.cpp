#include "files/record_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "files/failure.h"
#include "files/file_open.h"
#include "files/record_codec.h"

namespace filmotas {

namespace {

constexpr std::int64_t kReadAhead = 512 * 1024;

bool deniedForWriting(int error) { return error == EACCES || error == EPERM || error == EROFS; }

// Opens for reading only; when even that fails, the failure is the write's refusal.
int openReadOnly(const std::string& path, const Failure& refusal) {
  try {
    return openToRead(path);
  } catch (const Failure&) {
    throw refusal;
  }
}

int openForUpdate(const std::string& path, bool& readOnly) {
  std::string target;
  try {
    target = writeTarget(path);
  } catch (const Failure& refused) {
    if (refused.number() != failure::kPermissionDenied) throw;
    readOnly = true;
    return openReadOnly(path, refused);
  }
  const int fd = openRegular(target, O_RDWR | O_CREAT, 0666);
  if (fd >= 0) return fd;
  if (!deniedForWriting(errno)) throw failureFromErrno(errno);
  readOnly = true;
  return openReadOnly(target, failureFromErrno(errno));
}

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

void writeAt(int fd, std::int64_t offset, std::string_view bytes, const WriteCall& write) {
  if (bytes.empty()) return;
  if (::lseek(fd, offset, SEEK_SET) < 0) throw failureFromErrno(errno);
  writeAll(fd, bytes, write);
}

}  // namespace

RecordFile::RecordFile(const std::string& path, int recordLength)
    : path_(path), recordLength_(recordLength), fd_(openForUpdate(path, readOnly_)) {}

RecordFile::~RecordFile() { ::close(fd_); }

std::int64_t RecordFile::size() const {
  struct stat st {};
  if (::fstat(fd_, &st) != 0) throw failureFromErrno(errno);
  return st.st_size;
}

std::string RecordFile::read(std::int64_t n) const {
  if (n < 1) throw Failure(failure::kBadRecordLength);
  const std::string raw = readAt(fd_, (n - 1) * recordLength_, recordLength_);
  return std::string(record::decode(raw, recordLength_));
}

std::optional<std::string> RecordFile::readNext() {
  const char* raw = nextRecord();
  if (raw == nullptr) return std::nullopt;
  return std::string(record::decode(std::string_view(raw, recordLength_), recordLength_));
}

bool RecordFile::skipNext() { return nextRecord() != nullptr; }

const char* RecordFile::nextRecord() {
  const std::int64_t offset = (nextRecord_ - 1) * recordLength_;
  if (offset < chunkStart_ || offset + recordLength_ > chunkStart_ + chunkLength_) {
    if (!chunk_) chunk_.reset(new char[kReadAhead]);   // not zeroed: every byte used is read
    chunkStart_ = offset;
    chunkLength_ = readInto(fd_, offset, chunk_.get(), kReadAhead);
  }
  const std::int64_t at = offset - chunkStart_;
  if (at + recordLength_ > chunkLength_) return nullptr;
  const char* raw = chunk_.get() + at;
  if (record::storedLength(std::string_view(raw, 2)) > record::capacity(recordLength_)) record::refuseLength();
  ++nextRecord_;
  return raw;
}

void RecordFile::write(std::int64_t n, std::string_view text) { writeRecords(n, record::encode(text, recordLength_)); }

void RecordFile::writeRecords(std::int64_t first, std::string_view records, const WriteCall& write) {
  writeOver(prepareWrite(first, records), records, write);
}

void RecordFile::writeRecordsFlushed(std::int64_t first, std::string_view records, const WriteCall& write,
                                     const FlushCall& flush) {
  const OldBytes old = prepareWrite(first, records);
  writeOver(old, records, write);
  if (flush(fd_) != 0) {
    const Failure failed = failureFromErrno(errno);
    restore(old);
    throw failed;
  }
}

void RecordFile::flush() {
  if (::fdatasync(fd_) != 0) throw failureFromErrno(errno);
}

RecordFile::OldBytes RecordFile::prepareWrite(std::int64_t first, std::string_view records) {
  if (first < 1 || records.size() % static_cast<std::size_t>(recordLength_) != 0) {
    throw Failure(failure::kBadRecordLength);
  }
  if (readOnly_) throw Failure(failure::kPermissionDenied);
  chunkLength_ = 0;   // the read-ahead would hold the old bytes
  const std::int64_t offset = (first - 1) * recordLength_;
  const std::int64_t fileSize = size();
  const std::int64_t overlap = std::clamp<std::int64_t>(fileSize - offset, 0, static_cast<std::int64_t>(records.size()));
  return {offset, readAt(fd_, offset, overlap), fileSize};
}

// The part past the old end goes first: a full disk then fails before any old byte has
// changed. The part over old bytes takes no new room.
void RecordFile::writeOver(const OldBytes& old, std::string_view records, const WriteCall& write) {
  const std::size_t overlap = old.bytes.size();
  try {
    writeAt(fd_, old.offset + static_cast<std::int64_t>(overlap), records.substr(overlap), write);
    writeAt(fd_, old.offset, records.substr(0, overlap), write);
  } catch (const Failure&) {
    restore(old);
    throw;
  }
}

// A record file is written in place, not through a new file renamed over it: the game
// writes one record at a time into files it keeps open. So a failed write puts back what
// it may have changed: the length first (freeing what the new end took), then the bytes.
void RecordFile::restore(const OldBytes& old) noexcept {
  if (::ftruncate(fd_, old.fileSize) != 0) { /* nothing more can be done */ }
  std::size_t done = 0;
  while (done < old.bytes.size()) {
    const ssize_t n = ::pwrite(fd_, old.bytes.data() + done, old.bytes.size() - done,
                               old.offset + static_cast<std::int64_t>(done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;
    done += static_cast<std::size_t>(n);
  }
}

}  // namespace filmotas
