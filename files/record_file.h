#pragma once
// A file of fixed-length numbered records, each holding one length-prefixed text (the
// layout is record_codec.h's). Record n starts at byte (n - 1) × length. No header, no
// count.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "files/write_call.h"

namespace filmotas {

class RecordFile {
 public:
  // Opens for reading and writing, creating the file empty when it is missing. A file
  // that exists but may only be read is opened for reading: writing then fails (70). So
  // is a link that writeTarget does not follow: it is read through, never written. A
  // FIFO, a device or a folder is 75, and never waited on.
  RecordFile(const std::string& path, int recordLength);
  ~RecordFile();
  RecordFile(const RecordFile&) = delete;
  RecordFile& operator=(const RecordFile&) = delete;

  const std::string& path() const { return path_; }
  int recordLength() const { return recordLength_; }
  std::int64_t size() const;

  // The text of record n (bytes, Windows-1252). Empty when the record lies beyond the
  // end of the file or its text is not wholly there. A stored length beyond the
  // record's capacity is corrupt: failure 59.
  std::string read(std::int64_t n) const;

  // The record after the one last read by this call (record 1 first); nullopt when no
  // whole record is left.
  std::optional<std::string> readNext();

  // Like readNext, without keeping the text: true when a whole record was there.
  bool skipNext();

  // Writes the text into record n with zero padding. A text longer than the record's
  // capacity fails with 59 and writes nothing; a failed write leaves the file as it was.
  void write(std::int64_t n, std::string_view text);

  // Writes whole encoded records (record::encode) from record `first` on, in one write
  // where the file allows. A failure puts every old byte back, the bytes of a damaged
  // incomplete last record among them, and the file's old length: the file is as it was.
  void writeRecords(std::int64_t first, std::string_view records, const WriteCall& write = systemWrite);

  // writeRecords, then flushed to the disk; a flush that fails puts the old bytes back too.
  void writeRecordsFlushed(std::int64_t first, std::string_view records, const WriteCall& write = systemWrite,
                           const FlushCall& flush = systemFlush);

  // Makes what has been written reach the disk.
  void flush();

 private:
  // What a write is about to change, to put back when it fails.
  struct OldBytes {
    std::int64_t offset;
    std::string bytes;
    std::int64_t fileSize;
  };
  OldBytes prepareWrite(std::int64_t first, std::string_view records);
  void writeOver(const OldBytes& old, std::string_view records, const WriteCall& write);
  void restore(const OldBytes& old) noexcept;
  // The next whole record in the read-ahead, its stated length checked; null at the end.
  const char* nextRecord();

  std::string path_;
  int recordLength_;
  bool readOnly_ = false;   // set while fd_ is opened, so declared before it
  int fd_ = -1;
  // Read-ahead for readNext, so that counting a long list is one pass over its bytes.
  std::unique_ptr<char[]> chunk_;
  std::int64_t chunkStart_ = 0;
  std::int64_t chunkLength_ = 0;
  std::int64_t nextRecord_ = 1;
};

}  // namespace filmotas
