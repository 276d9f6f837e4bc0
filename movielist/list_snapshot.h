#pragma once
// The movie list as the list window sees it: every record in file order, damaged ones
// too, so that the player can see and remove them. The game's own reading of the list
// is not this one. Only the records the game can use are read, so a list of any size
// (a huge or sparse file saved under its name) costs at most 32767 records of memory.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace filmotas {

enum class RecordState {
  title,       // a whole record with a length of 0 to 50
  tooLong,     // a whole record whose length field is over 50
  partial,     // the bytes after the last whole record
  beyond,      // everything after record 32767, when it holds a record or more
};

class ListSnapshot {
 public:
  ListSnapshot() = default;
  explicit ListSnapshot(std::string_view bytes);

  // The list's bytes now; a missing list is an empty one. Failures of the file throw.
  static ListSnapshot read(const std::string& path);

  std::string_view bytes() const { return {bytes_.get(), length_}; }
  // Entries, one a record, and the partial record or what lies beyond record 32767 as
  // the last one when there is one.
  std::int32_t size() const { return size_; }
  std::int64_t wholeRecords() const;   // of the records read: at most 32767
  // The bytes of the file after record 32767; 0 when it holds less than a record more.
  std::uint64_t beyondBytes() const { return beyond_; }

  // Entry i (0-based) is record i + 1.
  RecordState state(std::int32_t i) const;
  std::string_view record(std::int32_t i) const;   // its raw bytes; none beyond record 32767
  std::string_view codes(std::int32_t i) const;    // the title; empty when damaged
  // The title without case or accents; the titles are folded at the first call, so that
  // opening the window costs no more than reading the file.
  std::string_view folded(std::int32_t i) const;

  // What the list shows for entry i, in UTF-8: the title, or what is wrong with it.
  std::string caption(std::int32_t i) const;

 private:
  ListSnapshot(std::unique_ptr<char[]> bytes, std::size_t length, std::uint64_t beyond);
  std::size_t lengthField(std::int32_t i) const;

  // Not a std::string: filling it with zeros first would cost as much as reading it.
  std::unique_ptr<char[]> bytes_;
  std::size_t length_ = 0;
  mutable std::string folded_;   // empty, or as long as bytes_ with the titles folded
  std::uint64_t beyond_ = 0;
  std::int32_t size_ = 0;
};

}  // namespace filmotas
