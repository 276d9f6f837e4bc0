// The command line: the game's options, Qt's options let through (each spelling of them
// through the parser), and the one-line refusals.
#include <gtest/gtest.h>

#include "app/command_line.h"

namespace filmotas::app {
namespace {

using Action = CommandLine::Action;
const std::string kTry = ". Prueba «filmotas --help».\n";

TEST(CommandLine, ActionsFoldersAndQtsArguments) {
  const struct {
    std::vector<std::string> arguments;   // after the program's name
    Action action;
    std::optional<std::string> dataDir;
    std::vector<std::size_t> qtArguments;
  } cases[] = {
      {{}, Action::play, {}, {}},
      {{"--data-dir", "/a b"}, Action::play, "/a b", {}},
      {{"--data-dir=/x\xe9\xff"}, Action::play, "/x\xe9\xff", {}},   // not UTF-8: kept byte for byte
      {{"--data-dir", "-reverse"}, Action::play, "-reverse", {}},     // the folder, whatever it looks like
      {{"--data-dir=/a", "--data-dir=/b"}, Action::play, "/b", {}},
      {{"-style", "Fusion", "--data-dir", "/d", "-reverse"}, Action::play, "/d", {1, 2, 5}},
      {{"-style=Fusion", "--stylesheet", "a.qss", "-platform", "offscreen"}, Action::play, {}, {1, 2, 3, 4, 5}},
      {{"-qwindowgeometry", "300x200+0+0", "-qwindowtitle", "--help", "-session", "s1"}, Action::play, {},
       {1, 2, 3, 4, 5, 6}},   // a value is a value, even when it looks like an option
      {{"--help", "-reverse"}, Action::showHelp, {}, {}},
      {{"-v", "-h"}, Action::showHelp, {}, {}},
      {{"--version"}, Action::showVersion, {}, {}},
  };
  for (const auto& c : cases) {
    std::vector<std::string> arguments{"filmotas"};
    arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
    const CommandLine line = parseCommandLine(arguments);
    const std::string shown = ::testing::PrintToString(c.arguments);
    EXPECT_EQ(line.action, c.action) << shown;
    EXPECT_EQ(line.dataDir, c.dataDir) << shown;
    EXPECT_EQ(line.qtArguments, c.qtArguments) << shown;
  }
}

TEST(CommandLine, RefusalsAreOneLineThatPointsAtTheHelp) {
  const struct { std::vector<std::string> arguments; std::string reason; } cases[] = {
      {{"--nada"}, "opción desconocida: --nada"},
      {{"-platform=xcb"}, "opción desconocida: -platform=xcb"},   // Qt reads no value after '=' there
      {{"sobra"}, "argumento de más: sobra"},
      {{"-"}, "argumento de más: -"},
      {{"--", "-reverse"}, "argumento de más: -reverse"},
      {{"--data-dir="}, "la carpeta de --data-dir no puede estar vacía"},
      {{"--data-dir"}, "falta la carpeta tras --data-dir"},
      {{"-reverse", "-style"}, "falta el valor tras -style"},
      {{"--help", "--nada"}, "opción desconocida: --nada"},   // a refusal comes before the help
  };
  for (const auto& c : cases) {
    std::vector<std::string> arguments{"filmotas"};
    arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
    const CommandLine line = parseCommandLine(arguments);
    EXPECT_EQ(line.action, Action::refuse) << c.reason;
    EXPECT_EQ(line.output, "filmotas: " + c.reason + kTry);
  }
}

}  // namespace
}  // namespace filmotas::app
