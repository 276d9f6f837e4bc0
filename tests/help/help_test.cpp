// The help window without its widgets: reading "Ayuda.dat", the topics and sub-topics,
// and the hover highlighting.
#include <gtest/gtest.h>

#include <filesystem>

#include "help/frm_ayuda.h"
#include "help/help_file.h"
#include "support/fakes.h"

using namespace filmotas;
using namespace filmotas::help;
using Lines = std::vector<std::string>;

namespace {

// What a window redraws on a notification: just the value named.
void copyNotified(const HelpWindowModel& from, HelpWindowModel& to, HelpControl control, int n) {
  const auto i = HelpWindowModel::at(n);
  switch (control) {
    case HelpControl::fraMarcoCaption: to.fraMarcoCaption = from.fraMarcoCaption; break;
    case HelpControl::fraMarcoVisible: to.fraMarcoVisible = from.fraMarcoVisible; break;
    case HelpControl::lblMarcoTema: to.lblMarcoTema[i] = from.lblMarcoTema[i]; break;
    case HelpControl::marcoTemaRow: to.rowVisible[i] = from.rowVisible[i]; break;
    case HelpControl::shpTema: to.shpTema[i] = from.shpTema[i]; break;
    case HelpControl::shpMarcoTema: to.shpMarcoTema[i] = from.shpMarcoTema[i]; break;
    case HelpControl::lblAyuda: to.lblAyuda = from.lblAyuda; break;
    case HelpControl::height: to.height = from.height; break;
  }
}

// A help window whose drawing, kept up by its observer alone, must match the model
// when each test ends.
struct Help : ::testing::Test {
  Help() { window.setObserver([this](HelpControl c, int n) { copyNotified(m(), drawn, c, n); }); }
  ~Help() override { EXPECT_EQ(drawn, m()); }
  // Opens the window over the lines "línea 1" to "línea N".
  void open(int lines = 22) {
    std::string file;
    for (int i = 1; i <= lines; ++i) file += "l\xEDnea " + std::to_string(i) + "\r\n";
    folder.write("Ayuda.dat", file);
    ASSERT_TRUE(window.Form_Load());
  }
  const HelpWindowModel& m() const { return window.model(); }
  filmotas::testing::TempFolder folder;
  filmotas::testing::ScriptedBoxes boxes;
  FrmAyuda window{DataFolder(folder.path().string()), boxes};
  HelpWindowModel drawn;
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
  folder.write("Ayuda.dat", "");
  EXPECT_TRUE(window.Form_Load());   // found, and adds nothing
  folder.write("Ayuda.dat", "primera\r\nsegunda");
  EXPECT_TRUE(window.Form_Load());
  folder.write("Ayuda.dat", "cambiada\r\n");
  EXPECT_TRUE(window.Form_Load());

  EXPECT_TRUE(boxes.shown.empty());
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
      {3, 3, "línea 22"}, {3, 4, "línea 22"},   // rows 4 to 8 never try the third topic
      {2, 8, "línea 17"}, {2, 1, "línea 10"}, {1, 1, "línea 1"}};
  for (const auto& c : clicks) {
    window.cmdTema_Click(c.topic);
    window.cmdMarcoTema_Click(c.row);
    EXPECT_EQ(m().lblAyuda, c.shown) << "topic " << c.topic << ", row " << c.row;
  }
}

TEST_F(Help, EntryMissingFromTheFileLeavesTheText) {
  open(12);
  window.cmdTema_Click(2);
  window.cmdMarcoTema_Click(3);
  window.cmdMarcoTema_Click(4);
  EXPECT_EQ(m().lblAyuda, "línea 12");
}

TEST_F(Help, TopicFillsShowsAndGrowsTheFrameUntilTheWindowReopens) {
  open();
  window.cmdTema_Click(2);
  EXPECT_EQ(m().height, 5775);
  EXPECT_EQ(m().fraMarcoCaption, "Menús y botones");
  EXPECT_TRUE(m().fraMarcoVisible && m().isRowVisible(8));
  window.cmdTema_Click(1);
  EXPECT_EQ(m().rowCaption(8), "Botón -> Responder");   // hidden, still topic 2's
  for (int row = 1; row <= 8; ++row) EXPECT_EQ(m().isRowVisible(row), row <= 3) << row;

  window.cmdMarcoTema_MouseMove(2);
  window.cmdTema_MouseMove(2);
  window.cmdMarcoTema_Click(1);
  ASSERT_TRUE(window.Form_Load());
  EXPECT_EQ(m(), (HelpWindowModel{.fraMarcoVisible = false, .height = 2000}));   // the compact design
}

TEST_F(Help, HoverPreviewsOnlyOverThePromptAndEachSurfaceResetsItsOwnBullets) {
  open();
  window.cmdTema_Click(2);
  window.cmdTema_MouseMove(1);
  window.cmdMarcoTema_MouseMove(2);   // a fast move: no surface in between
  EXPECT_EQ(m().lblAyuda, "Instrucciones generales");

  window.fraMarco_MouseMove();
  EXPECT_EQ(m().rowBullet(2), kRestingColor);
  EXPECT_EQ(m().topicBullet(1), kHighlightColor);
  EXPECT_EQ(m().lblAyuda, kPrompt);
  window.cmdMarcoTema_MouseMove(2);
  EXPECT_EQ(m().lblAyuda, "Archivo -> Agregar filmotas");

  window.Form_MouseMove();
  EXPECT_EQ(m().topicBullet(1), kRestingColor);
  EXPECT_EQ(m().rowBullet(2), kHighlightColor);
  EXPECT_EQ(m().lblAyuda, kPrompt);
}
