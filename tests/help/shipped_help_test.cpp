// The help texts that ship with the program: their source data/ayuda.txt and the
// "Ayuda.dat" that the build step writes from it.
#include <gtest/gtest.h>

#include "engine/windows1252.h"
#include "help/help_file.h"
#include "support/fakes.h"
#include "support/shipped_data.h"

using namespace filmotas;
using namespace filmotas::testing;

namespace {

constexpr std::size_t kLinesOfAFullHelpFile = 22;

std::vector<std::string> shippedHelp() { return sourceLines("ayuda.txt"); }

// What "Ayuda.dat" must hold: every line in Windows-1252, each ended by CR LF.
std::string expectedHelpFile() {
  std::string bytes;
  for (const std::string& line : shippedHelp()) bytes += windows1252::encode(line).value_or("?") + "\r\n";
  return bytes;
}

}  // namespace

TEST(ShippedHelp, EveryShownEntryHasATextInTheCodePage) {
  const auto lines = shippedHelp();
  ASSERT_GE(lines.size(), kLinesOfAFullHelpFile);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    SCOPED_TRACE("line " + std::to_string(i + 1));
    EXPECT_TRUE(windows1252::canEncode(lines[i])) << "no code for " << windows1252::unencodable(lines[i]);
  }
  for (const int entry : shownHelpEntries())
    EXPECT_FALSE(lines[static_cast<std::size_t>(entry - 1)].empty()) << "help entry " << entry << " is empty";
}

TEST(ShippedHelp, BuildStepWritesCrLfLinesTheHelpWindowReadsBack) {
  TempFolder program;
  ASSERT_EQ(runMakeData(program.path().string()), 0);
  const std::string bytes = program.read("Ayuda.dat");
  EXPECT_EQ(bytes, expectedHelpFile());
  EXPECT_EQ(help::splitHelpLines(bytes), shippedHelp());
}

TEST(ShippedHelp, BuildStepKeepsAHelpFileThatIsThere) {
  TempFolder program;
  program.write("ayuda.DAT", "Texto propio\r\n");
  ASSERT_EQ(runMakeData(program.path().string()), 0);
  EXPECT_EQ(program.read("ayuda.DAT"), "Texto propio\r\n");
  EXPECT_FALSE(program.exists("Ayuda.dat"));
  EXPECT_FALSE(program.exists("ayuda.DAT.part"));
}
