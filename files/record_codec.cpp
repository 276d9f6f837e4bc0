#include "files/record_codec.h"

#include "files/failure.h"

namespace filmotas::record {

std::string encode(std::string_view text, int recordLength) {
  if (text.size() > capacity(recordLength)) throw Failure(failure::kBadRecordLength);
  std::string out(static_cast<std::size_t>(recordLength), '\0');
  out[0] = static_cast<char>(text.size() & 0xFF);
  out[1] = static_cast<char>(text.size() >> 8);
  out.replace(kLengthBytes, text.size(), text);
  return out;
}

std::size_t storedLength(std::string_view raw) {
  return static_cast<unsigned char>(raw[0]) | (static_cast<std::size_t>(static_cast<unsigned char>(raw[1])) << 8);
}

std::string_view decode(std::string_view raw, int recordLength) {
  if (raw.size() < kLengthBytes) return {};
  const std::size_t length = storedLength(raw);
  if (length > capacity(recordLength)) throw Failure(failure::kBadRecordLength);
  if (raw.size() < kLengthBytes + length) return {};
  return raw.substr(kLengthBytes, length);
}

}  // namespace filmotas::record
