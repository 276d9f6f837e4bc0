#pragma once
// A file of fixed-length numbered records, each holding one length-prefixed text:
// 2 bytes of little-endian length, the text's Windows-1252 bytes, zero padding to the
// record length. Record n starts at byte (n - 1) × length. No header, no count.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace filmotas {

class RecordFile {
 public:
  // Opens for reading and writing, creating the file empty when it is missing. A file
  // that exists but may only be read is opened for reading: writing then fails (70).
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

  // Makes what has been written reach the disk.
  void flush();

 private:
  std::string recordAt(std::string_view raw) const;
  void restore(std::int64_t offset, const std::string& oldBytes, std::int64_t oldSize);

  std::string path_;
  int recordLength_;
  int fd_ = -1;
  bool readOnly_ = false;
  // Read-ahead for readNext, so that counting a long list is one pass over its bytes.
  std::unique_ptr<char[]> chunk_;
  std::int64_t chunkStart_ = 0;
  std::int64_t chunkLength_ = 0;
  std::int64_t nextRecord_ = 1;
};

}  // namespace filmotas
