#include "support/shipped_data.h"

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "help/help_topics.h"

namespace filmotas::testing {

std::vector<std::string> sourceLines(const std::string& name) {
  std::istringstream text(fileBytes(FILMOTAS_SOURCE_DIR "/data/" + name));
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(text, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

std::string fileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

int runMakeData(const std::string& programFolder, const std::string& dataFolder) {
  const std::string command = std::string("'") + FILMOTAS_BUILD_DIR "/make_data' '" + dataFolder +
                              "' '" + programFolder + "' 2>/dev/null";
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::vector<int> shownHelpEntries() {
  std::vector<int> entries;
  for (const help::Topic& t : help::kTopics)
    for (int row = 0; row < t.rowCount; ++row) entries.push_back(t.firstEntry + row);
  return entries;
}

}  // namespace filmotas::testing
