// Reading the help file.
#include "help/help_file.h"

#include "files/failure.h"
#include "files/whole_file.h"
#include "files/windows1252.h"

namespace filmotas::help {

std::vector<std::string> splitHelpLines(std::string_view bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t cr = bytes.find('\r', start);
    if (cr == std::string_view::npos) {
      lines.push_back(windows1252::decode(bytes.substr(start)));   // unterminated last line
      break;
    }
    lines.push_back(windows1252::decode(bytes.substr(start, cr - start)));
    start = cr + 1;
    if (start < bytes.size() && bytes[start] == '\n') ++start;
  }
  return lines;
}

// A help file that is missing, unreadable or not a regular file (a FIFO is never waited
// on) reads as no help file at all.
std::optional<std::vector<std::string>> readHelpFile(const std::string& path) {
  if (path.empty()) return std::nullopt;
  try {
    return splitHelpLines(readFileBytes(path));
  } catch (const Failure&) {
    return std::nullopt;
  }
}

}  // namespace filmotas::help
