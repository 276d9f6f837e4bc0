// Reading every record of the movie list, damaged or not.
#include "movielist/list_snapshot.h"

#include "files/data_folder.h"
#include "files/failure.h"
#include "files/record_codec.h"
#include "files/whole_file.h"
#include "files/windows1252.h"
#include "movielist/counted.h"
#include "movielist/title_entry.h"
#include "movielist/title_fold.h"

namespace filmotas {

namespace {

constexpr std::size_t kRecord = kMovieRecordLength;
constexpr std::size_t kMostBytes = kMostTitles * kRecord;

}  // namespace

ListSnapshot::ListSnapshot(std::unique_ptr<char[]> bytes, std::size_t length, std::uint64_t beyond)
    : bytes_(std::move(bytes)),
      length_(length),
      beyond_(beyond),
      size_(static_cast<std::int32_t>((length + kRecord - 1) / kRecord + (beyond > 0 ? 1 : 0))) {}

ListSnapshot::ListSnapshot(std::string_view bytes)
    : ListSnapshot(std::make_unique_for_overwrite<char[]>(bytes.size()), bytes.size(), 0) {
  bytes.copy(bytes_.get(), bytes.size());
}

// A partial record after the last usable one is read like any other; a whole record
// more makes all that follows one entry, not read.
ListSnapshot ListSnapshot::read(const std::string& path) {
  try {
    const ReadOnlyFile file(path);
    const std::uint64_t size = file.size();
    const bool beyond = size >= kMostBytes + kRecord;
    const std::size_t wanted = beyond ? kMostBytes : static_cast<std::size_t>(size);
    auto bytes = std::make_unique_for_overwrite<char[]>(wanted);
    const std::size_t length = file.read(bytes.get(), wanted);
    return ListSnapshot(std::move(bytes), length, beyond && length == kMostBytes ? size - kMostBytes : 0);
  } catch (const Failure& f) {
    if (f.number() != failure::kFileNotFound) throw;
    return ListSnapshot();
  }
}

std::int64_t ListSnapshot::wholeRecords() const {
  return static_cast<std::int64_t>(length_ / kRecord);
}

std::size_t ListSnapshot::lengthField(std::int32_t i) const { return filmotas::record::storedLength(record(i)); }

RecordState ListSnapshot::state(std::int32_t i) const {
  if (beyond_ > 0 && i == size_ - 1) return RecordState::beyond;
  if (record(i).size() < kRecord) return RecordState::partial;
  return lengthField(i) > static_cast<std::size_t>(kTitleMaxLength) ? RecordState::tooLong
                                                                     : RecordState::title;
}

std::string_view ListSnapshot::record(std::int32_t i) const {
  return bytes().substr(static_cast<std::size_t>(i) * kRecord, kRecord);
}

std::string_view ListSnapshot::codes(std::int32_t i) const {
  if (state(i) != RecordState::title) return {};
  return filmotas::record::decode(record(i), kMovieRecordLength);
}

std::string_view ListSnapshot::folded(std::int32_t i) const {
  if (state(i) != RecordState::title) return {};
  if (folded_.size() != length_) {
    folded_.assign(length_, '\0');
    for (std::int32_t e = 0; e < size_; ++e) {
      if (state(e) == RecordState::title) foldInto(codes(e), folded_.data() + static_cast<std::size_t>(e) * kRecord + 2);
    }
  }
  return std::string_view(folded_).substr(static_cast<std::size_t>(i) * kRecord + 2, lengthField(i));
}

std::string ListSnapshot::caption(std::int32_t i) const {
  switch (state(i)) {
    case RecordState::tooLong:
      return "[Registro dañado: longitud " + std::to_string(lengthField(i)) + "]";
    case RecordState::partial:
      return "[Registro incompleto: " + counted(static_cast<std::int64_t>(record(i).size()), "byte", "bytes") + "]";
    case RecordState::beyond:
      return "[Resto del archivo tras el registro 32767: " + std::to_string(beyond_) + " bytes]";
    default:
      return windows1252::decode(codes(i));
  }
}

}  // namespace filmotas
