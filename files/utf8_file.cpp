#include "files/utf8_file.h"

#include <cstring>
#include <memory>
#include <string_view>

#include "files/whole_file.h"

namespace filmotas {

namespace {

constexpr std::size_t kChunk = 64 * 1024;

// Where the sequence cut by the chunk's end starts, so that it is judged whole with the
// next chunk; the chunk's size when none is cut.
std::size_t wholeSequencesEnd(std::string_view chunk) {
  for (std::size_t back = 1; back <= 3 && back <= chunk.size(); ++back) {
    const auto byte = static_cast<unsigned char>(chunk[chunk.size() - back]);
    if ((byte & 0xC0) == 0x80) continue;   // a continuation byte: look further back
    const std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
    return length > back ? chunk.size() - back : chunk.size();
  }
  return chunk.size();
}

// Length of the UTF-8 sequence that starts `text`, 0 when it is none: the rules of
// utf8::decode (no overlong forms, no surrogates, nothing past U+10FFFF), without
// building the characters.
std::size_t sequenceAt(std::string_view text) {
  const auto byte = [text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;   // where the second byte may lie
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    low = lead == 0xE0 ? 0xA0 : low;
    high = lead == 0xED ? 0x9F : high;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    low = lead == 0xF0 ? 0x90 : low;
    high = lead == 0xF4 ? 0x8F : high;
  } else {
    return 0;
  }
  if (text.size() < length || byte(1) < low || byte(1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return 0;
  }
  return length;
}

// Whether `text` is UTF-8; `line` counts on through its line breaks, up to the first
// bad sequence when there is one.
bool allUtf8(std::string_view text, std::uint64_t& line) {
  for (std::size_t at = 0; at < text.size();) {
    if (text[at] == '\n') ++line;
    const std::size_t length = sequenceAt(text.substr(at));
    if (length == 0) return false;
    at += length;
  }
  return true;
}

}  // namespace

Utf8Scan scanUtf8(const std::string& path, const std::function<bool(std::uint64_t bytesRead)>& keepGoing) {
  const ReadOnlyFile file(path);
  const auto buffer = std::make_unique<char[]>(kChunk + 3);
  std::size_t carried = 0;   // the start of a cut sequence, moved to the buffer's front
  std::uint64_t read = 0;
  std::uint64_t line = 1;
  while (true) {
    const std::size_t got = file.read(buffer.get() + carried, kChunk);
    read += got;
    const std::string_view chunk(buffer.get(), carried + got);
    const std::size_t whole = got == 0 ? chunk.size() : wholeSequencesEnd(chunk);
    if (!allUtf8(chunk.substr(0, whole), line)) return {line, false};
    if (got == 0) return {};
    carried = chunk.size() - whole;
    std::memmove(buffer.get(), chunk.data() + whole, carried);
    if (!keepGoing(read)) return {0, true};
  }
}

}  // namespace filmotas
