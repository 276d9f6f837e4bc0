// Reading every record of the movie list, damaged or not.
#include "movielist/list_snapshot.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "engine/data_folder.h"
#include "engine/failure.h"
#include "engine/windows1252.h"
#include "movielist/title_entry.h"
#include "movielist/title_fold.h"

namespace filmotas {

namespace {

constexpr std::size_t kRecord = kMovieRecordLength;

}  // namespace

std::string readFileBytes(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw failureFromErrno(errno);
  struct stat st {};
  std::string bytes;
  if (::fstat(fd, &st) == 0) bytes.resize(static_cast<std::size_t>(st.st_size));
  std::size_t got = 0;
  for (;;) {
    if (got == bytes.size()) bytes.resize(got + 65536);   // the file grew, or is not sized
    const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      const int error = errno;
      ::close(fd);
      throw failureFromErrno(error);
    }
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  ::close(fd);
  bytes.resize(got);
  return bytes;
}

ListSnapshot::ListSnapshot(std::string bytes)
    : bytes_(std::move(bytes)),
      folded_(bytes_.size(), '\0'),
      size_(static_cast<std::int32_t>((bytes_.size() + kRecord - 1) / kRecord)) {
  for (std::int32_t i = 0; i < size_; ++i) {
    if (state(i) != RecordState::title) continue;
    const std::size_t from = static_cast<std::size_t>(i) * kRecord + 2;
    const std::size_t to = from + lengthField(i);
    for (std::size_t at = from; at < to; ++at) folded_[at] = foldCode(bytes_[at]);
  }
}

ListSnapshot ListSnapshot::read(const std::string& path) {
  try {
    return ListSnapshot(readFileBytes(path));
  } catch (const Failure& f) {
    if (f.number() != failure::kFileNotFound) throw;
    return ListSnapshot();
  }
}

std::int64_t ListSnapshot::wholeRecords() const {
  return static_cast<std::int64_t>(bytes_.size() / kRecord);
}

std::size_t ListSnapshot::lengthField(std::int32_t i) const {
  const std::string_view raw = record(i);
  return static_cast<unsigned char>(raw[0]) | (static_cast<unsigned char>(raw[1]) << 8);
}

RecordState ListSnapshot::state(std::int32_t i) const {
  if (record(i).size() < kRecord) return RecordState::partial;
  return lengthField(i) > static_cast<std::size_t>(kTitleMaxLength) ? RecordState::tooLong
                                                                     : RecordState::title;
}

std::string_view ListSnapshot::record(std::int32_t i) const {
  return std::string_view(bytes_).substr(static_cast<std::size_t>(i) * kRecord, kRecord);
}

std::string_view ListSnapshot::codes(std::int32_t i) const {
  if (state(i) != RecordState::title) return {};
  return record(i).substr(2, lengthField(i));
}

std::string_view ListSnapshot::folded(std::int32_t i) const {
  if (state(i) != RecordState::title) return {};
  return std::string_view(folded_).substr(static_cast<std::size_t>(i) * kRecord + 2, lengthField(i));
}

std::string ListSnapshot::caption(std::int32_t i) const {
  switch (state(i)) {
    case RecordState::tooLong:
      return "[Registro dañado: longitud " + std::to_string(lengthField(i)) + "]";
    case RecordState::partial:
      return "[Registro incompleto: " + std::to_string(record(i).size()) + " bytes]";
    default:
      return windows1252::decode(codes(i));
  }
}

}  // namespace filmotas
