#pragma once
// Reading a whole file at once, for the operations that take a file in one piece (the list
// window's snapshot and imports, the settings file's tail) rather than record by record.
#include <cstddef>
#include <string>

namespace filmotas {

// A regular file open for reading, closed when it goes. Failures throw (53 when it is
// missing, 75 for a FIFO, a device or a folder, which are never waited on).
class ReadOnlyFile {
 public:
  explicit ReadOnlyFile(const std::string& path);
  ~ReadOnlyFile();
  ReadOnlyFile(const ReadOnlyFile&) = delete;
  ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

  std::size_t size() const;
  // Reads up to `count` bytes from where the last read ended; fewer only at the end.
  std::size_t read(char* out, std::size_t count) const;
  // Goes to byte `offset` for the next read.
  void seek(std::size_t offset) const;

 private:
  int fd_;
};

// The whole content of a file; failures of the file (53 when it is missing) throw.
std::string readFileBytes(const std::string& path);

}  // namespace filmotas
