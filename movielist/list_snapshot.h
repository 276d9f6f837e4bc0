#pragma once
// The movie list as the list window sees it: every record in file order, damaged ones
// too, so that the player can see and remove them. The game's own reading of the list
// is not this one.
#include <cstdint>
#include <string>
#include <string_view>

namespace filmotas {

enum class RecordState {
  title,       // a whole record with a length of 0 to 50
  tooLong,     // a whole record whose length field is over 50
  partial,     // the bytes after the last whole record
};

class ListSnapshot {
 public:
  ListSnapshot() = default;
  explicit ListSnapshot(std::string bytes);

  // The list's bytes now; a missing list is an empty one. Failures of the file throw.
  static ListSnapshot read(const std::string& path);

  const std::string& bytes() const { return bytes_; }
  // Entries, one a record, and the partial record as the last one when there is one.
  std::int32_t size() const { return size_; }
  std::int64_t wholeRecords() const;

  // Entry i (0-based) is record i + 1.
  RecordState state(std::int32_t i) const;
  std::string_view record(std::int32_t i) const;   // its raw bytes
  std::string_view codes(std::int32_t i) const;    // the title; empty when damaged
  std::string_view folded(std::int32_t i) const;   // the title without case or accents

  // What the list shows for entry i, in UTF-8: the title, or what is wrong with it.
  std::string caption(std::int32_t i) const;

 private:
  std::size_t lengthField(std::int32_t i) const;

  std::string bytes_;
  std::string folded_;   // same length as bytes_; only the titles are folded
  std::int32_t size_ = 0;
};

// The whole content of a file; failures of the file (53 when it is missing) throw.
std::string readFileBytes(const std::string& path);

}  // namespace filmotas
