// The help window without its widgets: reading "Ayuda.dat" and finding a topic's entries.
// What the window then draws and highlights is checked on the widgets.
#include <gtest/gtest.h>

#include <filesystem>

#include "help/frm_ayuda.h"
#include "help/help_file.h"
#include "support/fakes.h"

using namespace filmotas;
using namespace filmotas::help;
using Lines = std::vector<std::string>;

namespace {

struct Help : ::testing::Test {
  // Opens the window over the lines "línea 1" to "línea N".
  void open(int lines) {
    std::string file;
    for (int i = 1; i <= lines; ++i) file += "l\xEDnea " + std::to_string(i) + "\r\n";
    folder.write("Ayuda.dat", file);
    ASSERT_TRUE(window.Form_Load());
  }
  filmotas::testing::TempFolder folder;
  filmotas::testing::ScriptedBoxes boxes;
  FrmAyuda window{DataFolder(folder.path().string()), boxes};
};

}  // namespace

TEST(HelpLines, CrLfAndLoneCrEndALineWhileBareLfStaysInside) {
  const std::pair<const char*, Lines> cases[] = {
      {"uno\r\ndos\r\n", {"uno", "dos"}}, {"uno\rdos\r", {"uno", "dos"}},
      {"uno\ndos\r\ntres", {"uno\ndos", "tres"}}, {"uno\r\r\n\r\ndos", {"uno", "", "", "dos"}},
      {"", {}}, {"\xBF" "C\xF3mo? \x80", {"¿Cómo? €"}}};
  for (const auto& [bytes, lines] : cases) EXPECT_EQ(splitHelpLines(bytes), lines) << bytes;
}

TEST_F(Help, EachOpeningAppendsSoTheFirstTextsStay) {
  for (const char* text : {"", "primera\r\nsegunda", "cambiada\r\n"}) {
    folder.write("Ayuda.dat", text);
    EXPECT_TRUE(window.Form_Load());
  }
  std::filesystem::remove(folder.file("Ayuda.dat"));
  EXPECT_FALSE(window.Form_Load());
  std::filesystem::create_directory(folder.file("Ayuda.dat"));
  EXPECT_FALSE(window.Form_Load());
  EXPECT_EQ(window.colTips(), (Lines{"primera", "segunda", "cambiada"}));
  EXPECT_EQ(boxes.shown, filmotas::testing::Boxes(2, {"No se encontró el archivo de ayuda.\r\n\r\nVuelva a instalar "
                                                      "el programa.", "Error", 16}));
}

TEST_F(Help, EachRowShowsTheEntryOfTheTopicInTheFrame) {
  open(30);   // lines past 22, so a wrong lookup would find something to show
  const struct { int topic, row; const char* shown; } clicks[] = {
      {3, 3, "línea 22"}, {3, 4, "línea 22"},   // a row the topic does not show
      {2, 8, "línea 17"}, {2, 1, "línea 10"}, {1, 1, "línea 1"}};
  for (const auto& c : clicks) {
    window.cmdTema_Click(c.topic);
    window.cmdMarcoTema_Click(c.row);
    EXPECT_EQ(window.model().lblAyuda, c.shown) << "topic " << c.topic << ", row " << c.row;
  }
}

TEST_F(Help, EntryMissingFromTheFileLeavesTheText) {
  open(12);
  window.cmdTema_Click(2);
  window.cmdMarcoTema_Click(3);
  window.cmdMarcoTema_Click(4);
  EXPECT_EQ(window.model().lblAyuda, "línea 12");
}
