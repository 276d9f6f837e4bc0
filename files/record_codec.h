#pragma once
// One record of a record file, the single place its layout is written down: 2 bytes of
// little-endian text length, the text's Windows-1252 bytes, zero padding to the record
// length. Other copies of the game read these files, so every byte counts.
#include <cstddef>
#include <string>
#include <string_view>

namespace filmotas::record {

inline constexpr std::size_t kLengthBytes = 2;

// The longest text a record of `recordLength` bytes holds.
constexpr std::size_t capacity(int recordLength) { return static_cast<std::size_t>(recordLength) - kLengthBytes; }

// The record holding `text`; a text beyond the record's capacity is failure 59.
std::string encode(std::string_view text, int recordLength);

// Failure 59: a text, or a stated length, beyond a record's capacity.
[[noreturn]] void refuseLength();

// The text length a record states; `raw` holds at least its first two bytes.
inline std::size_t storedLength(std::string_view raw) {
  return static_cast<unsigned char>(raw[0]) | (static_cast<std::size_t>(static_cast<unsigned char>(raw[1])) << 8);
}

// The text of a record: failure 59 when its stated length is beyond the capacity, empty
// when `raw` ends before the text does (a record cut short at the end of a file). Inline:
// counting a list decodes every record.
inline std::string_view decode(std::string_view raw, int recordLength) {
  if (raw.size() < kLengthBytes) return {};
  const std::size_t length = storedLength(raw);
  if (length > capacity(recordLength)) refuseLength();
  if (raw.size() < kLengthBytes + length) return {};
  return raw.substr(kLengthBytes, length);
}

}  // namespace filmotas::record
