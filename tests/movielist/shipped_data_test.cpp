// The data that ships with the program: the UTF-8 sources under data/ and the files
// the build step make_data writes from them beside the program.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "files/windows1252.h"
#include "support/fakes.h"

using namespace filmotas;
using namespace filmotas::testing;

namespace {

// The lines of a source under data/, without their terminators (LF or CR LF).
std::vector<std::string> sourceLines(const char* name) {
  std::ifstream in(std::string(FILMOTAS_SOURCE_DIR "/data/") + name, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);)
    lines.push_back(line.substr(0, line.find_last_not_of('\r') + 1));
  return lines;
}

bool makeData(const TempFolder& program) {
  const std::string command =
      "'" FILMOTAS_BUILD_DIR "/make_data' '" FILMOTAS_SOURCE_DIR "/data' '" + program.path().string() + "'";
  return std::system(command.c_str()) == 0;
}

}  // namespace

// Each file is written whole from its source, unless one of that name in any case is there.
TEST(ShippedData, BuildStepWritesMissingFilesWholeAndKeepsTheOnesThere) {
  const auto titles = sourceLines("peliculas.txt");
  TempFolder program, kept;
  // What an interrupted run left behind, longer than the whole list.
  program.write(".filmotas-Ab12Cd", std::string((titles.size() + 1) * 52, 'x'));
  kept.write("FILMOTAS.DAT", record("Solo una", 52));
  kept.write("ayuda.DAT", "Texto propio\r\n");
  ASSERT_TRUE(makeData(program) && makeData(kept));
  EXPECT_EQ(program.read("Filmotas.dat"), movieList(titles));
  std::string help;
  for (const std::string& line : sourceLines("ayuda.txt")) help += *windows1252::encode(line) + "\r\n";
  EXPECT_EQ(program.read("Ayuda.dat"), help);
  EXPECT_FALSE(program.exists(".filmotas-Ab12Cd"));
  EXPECT_EQ(kept.read("FILMOTAS.DAT") + kept.read("ayuda.DAT"), record("Solo una", 52) + "Texto propio\r\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(kept.path()), {}), 2);
}
