// Reading the help file.
#include "help/help_file.h"

#include <sys/stat.h>

#include <fstream>
#include <iterator>

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

namespace {

bool isOrdinaryFile(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace

std::optional<std::vector<std::string>> readHelpFile(const std::string& path) {
  if (path.empty() || !isOrdinaryFile(path)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) return std::nullopt;
  return splitHelpLines(bytes);
}

}  // namespace filmotas::help
