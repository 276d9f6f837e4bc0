#include "engine/file_table.h"

#include "files/data_folder.h"
#include "files/failure.h"

namespace filmotas {

std::int16_t FileTable::freeFile() const {
  std::int16_t number = 1;
  while (files_.count(number) != 0) ++number;
  return number;
}

RecordFile& FileTable::open(std::int16_t number, const std::string& path, int recordLength) {
  if (number < 1) throw Failure(failure::kBadFileNameOrNumber);
  if (files_.count(number) != 0) throw Failure(failure::kFileAlreadyOpen);
  for (const auto& [n, file] : files_) {
    if (file->path() == path) throw Failure(failure::kFileAlreadyOpen);
  }
  auto file = std::make_unique<RecordFile>(path, recordLength);
  return *(files_[number] = std::move(file));
}

RecordFile& FileTable::operator[](std::int16_t number) {
  const auto it = files_.find(number);
  if (it == files_.end()) throw Failure(failure::kBadFileNameOrNumber);
  return *it->second;
}

void FileTable::deleteFile(const std::string& path) const {
  for (const auto& [n, file] : files_) {
    if (file->path() == path) throw Failure(failure::kFileAlreadyOpen);
  }
  filmotas::deleteFile(path);
}

}  // namespace filmotas
