#pragma once
// Appending whole records behind the last whole record of a record file, many at once:
// one write, one flush. A failure at any step puts back every byte the write had
// replaced (the bytes of a partial record at the end too) and the old size, so the file
// is as it was before the append.
#include <cstdint>
#include <string>
#include <string_view>

#include "files/record_file.h"

namespace filmotas {

// The calls that reach the disk; tests pass ones that fail on purpose.
struct AppendCalls {
  WriteCall write = systemWrite;
  FlushCall flush = systemFlush;
};

class RecordAppender {
 public:
  // Opens the file as RecordFile does: created empty when missing, 75 for anything but
  // a regular file, 70 at the append for a file that may not be written.
  RecordAppender(const std::string& path, int recordLength, AppendCalls calls = {})
      : file_(path, recordLength), calls_(std::move(calls)) {}

  // The whole records the file holds now.
  std::int64_t wholeRecords() const { return file_.size() / file_.recordLength(); }

  // Writes `records` (a whole number of records) right after the last whole record and
  // flushes them to the disk. Throws Failure after putting the file back as it was.
  void append(std::string_view records) {
    file_.writeRecordsFlushed(wholeRecords() + 1, records, calls_.write, calls_.flush);
  }

 private:
  RecordFile file_;
  AppendCalls calls_;
};

// The bytes after the last whole record of a record file: what no record holds. Empty
// when there are none or the file is missing.
std::string recordFileTail(const std::string& path, int recordLength);

}  // namespace filmotas
