#pragma once
// The command line: Spanish help, the version, and the folder of the data files.
// Read before any window exists, so --help and --version work without a display.
#include <QString>
#include <QStringList>
#include <optional>

namespace filmotas::app {

struct CommandLine {
  enum class Action { play, showHelp, showVersion, refuse };
  Action action = Action::play;
  std::optional<QString> dataDir;
  QString output;   // what to print: the help, the version, or the one-line refusal
};

// `arguments` as main received them, the program's name first.
CommandLine parseCommandLine(const QStringList& arguments);

// Exit status of a refused command line.
inline constexpr int kUsageError = 2;

}  // namespace filmotas::app
