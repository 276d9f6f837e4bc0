#pragma once
// The command line: Spanish help, the version, the folder of the data files, and Qt's own
// options let through. Read before Qt starts, so --help and --version work without a
// display; plain C++, so the folder's name is kept byte for byte, whatever its encoding.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace filmotas::app {

struct CommandLine {
  enum class Action { play, showHelp, showVersion, refuse };
  Action action = Action::play;
  std::optional<std::string> dataDir;    // the folder's name as typed, never empty
  std::vector<std::size_t> qtArguments;  // the positions of Qt's options and their values
  std::string output;   // what to print, with its line break: the help, the version, or the refusal
};

// `arguments` as main received them, the program's name first.
CommandLine parseCommandLine(const std::vector<std::string>& arguments);

// Exit status of a refused command line.
inline constexpr int kUsageError = 2;

}  // namespace filmotas::app
