#pragma once
// Appending whole records behind the last whole record of a record file, many at once:
// one write, one flush. A failure at any step puts back every byte the write had
// replaced (the bytes of a partial record at the end too) and the old size, so the file
// is as it was before the append.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "files/file_replace.h"

namespace filmotas {

// The calls that reach the disk; tests pass ones that fail on purpose.
struct AppendCalls {
  WriteCall write = systemWrite;
  std::function<int(int fd)> flush = defaultFlush;
  static int defaultFlush(int fd);
};

class RecordAppender {
 public:
  // Opens the file for writing, creating it empty when it is missing. Anything but a
  // regular file is failure 75; a file that may not be written, 70.
  RecordAppender(const std::string& path, int recordLength, AppendCalls calls = {});
  ~RecordAppender();
  RecordAppender(const RecordAppender&) = delete;
  RecordAppender& operator=(const RecordAppender&) = delete;

  // The whole records the file holds now.
  std::int64_t wholeRecords() const;

  // Writes `records` (a whole number of records) right after the last whole record and
  // flushes them to the disk. Throws Failure after putting the file back as it was.
  void append(std::string_view records);

 private:
  std::int64_t size() const;
  void putBack(std::int64_t offset, const std::string& oldTail, std::int64_t oldSize);

  int fd_ = -1;
  int recordLength_;
  AppendCalls calls_;
};

// The bytes after the last whole record of a record file: what no record holds. Empty
// when there are none or the file is missing.
std::string recordFileTail(const std::string& path, int recordLength);

}  // namespace filmotas
