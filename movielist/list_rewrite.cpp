// The new bytes of a corrected or shortened list, and putting them in place.
#include "movielist/list_rewrite.h"

#include "files/data_folder.h"
#include "files/failure.h"
#include "files/record_codec.h"

namespace filmotas {

std::string listWithout(const ListSnapshot& list, const std::vector<std::int32_t>& entries) {
  std::vector<bool> removed(static_cast<std::size_t>(list.size()), false);
  for (const std::int32_t i : entries) removed.at(static_cast<std::size_t>(i)) = true;
  std::string bytes;
  bytes.reserve(list.bytes().size());
  for (std::int32_t i = 0; i < list.size(); ++i) {
    if (!removed[static_cast<std::size_t>(i)]) bytes += list.record(i);
  }
  return bytes;
}

std::string listWithTitle(const ListSnapshot& list, std::int32_t entry, std::string_view codes) {
  const std::string newRecord = record::encode(codes, kMovieRecordLength);
  std::string bytes(list.bytes());
  const std::size_t offset = static_cast<std::size_t>(entry) * kMovieRecordLength;
  bytes.replace(offset, list.record(entry).size(), newRecord);
  return bytes;
}

void replaceList(const std::string& path, std::string_view bytes, const WriteCall& write) {
  if (replaceFile(path, bytes, write) == ReplaceResult::folderRefused) {
    throw Failure(failure::kPermissionDenied);
  }
}

}  // namespace filmotas
