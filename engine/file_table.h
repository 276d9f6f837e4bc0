#pragma once
// The program's file numbers: every data file is opened under a free number, kept in a
// member, and closed by that number before the handler ends.
#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "files/record_file.h"

namespace filmotas {

class FileTable {
 public:
  // The lowest number that names no open file.
  std::int16_t freeFile() const;

  // Opens a record file under `number`; 55 when the number or the file is already open.
  RecordFile& open(std::int16_t number, const std::string& path, int recordLength);

  // The open file under `number`; 52 when none is.
  RecordFile& operator[](std::int16_t number);

  bool isOpen(std::int16_t number) const { return files_.count(number) != 0; }

  // Closes `number`; no effect when nothing is open under it.
  void close(std::int16_t number) { files_.erase(number); }

  // Deletes a file: 55 while it is open here, 53 when it does not exist.
  void deleteFile(const std::string& path) const;

 private:
  std::map<std::int16_t, std::unique_ptr<RecordFile>> files_;
};

// Closes a file number when the operation that opened it ends, however it ends.
class CloseOnExit {
 public:
  CloseOnExit(FileTable& table, const std::int16_t& number) : table_(table), number_(number) {}
  ~CloseOnExit() { table_.close(number_); }
  CloseOnExit(const CloseOnExit&) = delete;
  CloseOnExit& operator=(const CloseOnExit&) = delete;

 private:
  FileTable& table_;
  const std::int16_t& number_;
};

}  // namespace filmotas
