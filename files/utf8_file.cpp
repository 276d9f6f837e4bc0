#include "files/utf8_file.h"

#include <cstring>
#include <memory>
#include <string_view>

#include "files/utf8.h"
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

// The lines of `text` judged one by one, so that the first bad one is found; `line`
// counts on through the line breaks.
bool allUtf8(std::string_view text, std::uint64_t& line) {
  while (true) {
    const std::size_t end = text.find('\n');
    if (!utf8::decode(text.substr(0, end))) return false;
    if (end == std::string_view::npos) return true;
    ++line;
    text.remove_prefix(end + 1);
  }
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
