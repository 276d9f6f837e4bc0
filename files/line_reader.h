#pragma once
// A text file read line by line in bounded memory, whatever its size and however long
// its lines: only the first bytes of each line are kept.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "files/whole_file.h"

namespace filmotas {

class LineReader {
 public:
  // Failures of the file throw (53 when it is missing). `keep` is the most bytes of a
  // line kept; a longer line is cut there.
  LineReader(const std::string& path, std::size_t keep);

  // Moves to the next line; false at the end. Lines end with LF or CR LF; a final line
  // break opens no empty line after it.
  bool next();
  std::string_view line() const { return line_; }   // without its line break
  bool cut() const { return cut_; }                  // longer than `keep`: only its start is there

  std::uint64_t bytesRead() const { return read_; }
  std::uint64_t size() const { return size_; }

 private:
  bool refill();
  void take(std::string_view bytes);

  ReadOnlyFile file_;
  std::size_t keep_;
  std::uint64_t size_;
  std::uint64_t read_ = 0;
  std::unique_ptr<char[]> chunk_;
  std::size_t at_ = 0;
  std::size_t length_ = 0;
  std::string line_;
  bool cut_ = false;
};

}  // namespace filmotas
