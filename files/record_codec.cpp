#include "files/record_codec.h"

#include "files/failure.h"

namespace filmotas::record {

std::string encode(std::string_view text, int recordLength) {
  if (text.size() > capacity(recordLength)) refuseLength();
  std::string out(static_cast<std::size_t>(recordLength), '\0');
  out[0] = static_cast<char>(text.size() & 0xFF);
  out[1] = static_cast<char>(text.size() >> 8);
  out.replace(kLengthBytes, text.size(), text);
  return out;
}

void refuseLength() { throw Failure(failure::kBadRecordLength); }

}  // namespace filmotas::record
