// Start-up reads "Config.dat"; closing the game window writes it back.
#include <gtest/gtest.h>

#include "support/fakes.h"

namespace filmotas {
namespace {

using testing::GameFixture;
using testing::settingsFile;

const std::string kDefaultsWritten("\x01\x00" "1\x00" "\x01\x00" "0\x00" "\x01\x00" "1\x00", 12);

// A game whose settings file holds `config` (absent when nullopt), loaded with vowel A.
struct Loaded : GameFixture {
  explicit Loaded(const std::optional<std::string>& config) : GameFixture({"Mono azul"}) {
    if (config) folder.write("Config.dat", *config);
    start('A');
  }
  const GameWindowModel& m() const { return game.model(); }
  bool gameStarted() const { return game.strPelícula == "Mono azul" && m().cell(1) == "-"; }
};

void expectDefaults(const Loaded& f) {
  EXPECT_EQ(f.m().sldRapidez, 1);
  EXPECT_EQ(f.game.intSegundos(), 1);
  EXPECT_EQ(f.m().lblRapidez, "1 segundo");
  EXPECT_EQ(f.m().chkSePuedenVocales, 0);
  EXPECT_EQ(f.m().chkMayusculas, 1);
  EXPECT_TRUE(f.boxes.shown.empty());
  EXPECT_TRUE(f.gameStarted());
}

void expectGeneralErrorAndNoGame(const Loaded& f, const std::string& text) {
  ASSERT_EQ(f.boxes.shown.size(), 1u);
  EXPECT_EQ(f.boxes.shown[0].text, text);
  EXPECT_EQ(f.boxes.shown[0].title, "Error");
  EXPECT_EQ(f.boxes.shown[0].code, 16);
  EXPECT_TRUE(f.game.strPelícula.empty());
  EXPECT_EQ(f.m().cell(1), "");
  EXPECT_FALSE(f.folder.exists("Temp.dat"));
}

TEST(StartUp, FirstRunCreatesTheFileAppliesDefaultsAndWritesThemOnClosing) {
  Loaded f(std::nullopt);
  expectDefaults(f);
  EXPECT_EQ(f.folder.read("Config.dat"), "");   // created empty by the reading
  f.game.Form_QueryUnload();
  EXPECT_EQ(f.folder.read("Config.dat"), kDefaultsWritten);
  EXPECT_TRUE(f.game.closed());
}

TEST(StartUp, WaitCaptionShowsTheStoredText) {
  struct Case { const char* stored; int seconds; const char* caption; };
  for (const Case c : {Case{"1", 1, "1 segundo"}, Case{"5", 5, "5 segundos"}, Case{"05", 5, "05 segundos"},
                       Case{" 5", 5, " 5 segundos"}, Case{"0", 0, "0 segundos"}, Case{"10", 10, "10 segundos"}}) {
    SCOPED_TRACE(c.stored);
    Loaded f(settingsFile(c.stored, "1", "0"));
    EXPECT_EQ(f.m().sldRapidez, c.seconds);
    EXPECT_EQ(f.game.intSegundos(), c.seconds);
    EXPECT_EQ(f.m().lblRapidez, c.caption);
    EXPECT_EQ(f.m().chkSePuedenVocales, 1);
    EXPECT_EQ(f.m().chkMayusculas, 0);
    EXPECT_TRUE(f.gameStarted());
    EXPECT_TRUE(f.boxes.shown.empty());
  }
}

TEST(StartUp, GreyedCheckBoxStateIsAccepted) {
  Loaded f(settingsFile("3", "2", "2"));
  EXPECT_EQ(f.m().chkSePuedenVocales, 2);
  EXPECT_EQ(f.m().chkMayusculas, 2);
  EXPECT_TRUE(f.gameStarted());
}

// One record that is not a number throws away the valid ones read before it.
TEST(StartUp, ARecordThatIsNoNumberGivesAllThreeDefaults) {
  for (const std::string bad : {"", "x", "-1", "1x"}) {
    for (int which = 1; which <= 3; ++which) {
      SCOPED_TRACE("record " + std::to_string(which) + " \"" + bad + "\"");
      std::string records[3] = {"5", "1", "0"};
      records[which - 1] = bad;
      Loaded f(settingsFile(records[0], records[1], records[2]));
      expectDefaults(f);
    }
  }
}

TEST(StartUp, FilesShorterThanThreeRecords) {
  const std::string full = settingsFile("5", "1", "0");
  for (std::size_t size : {0u, 4u, 8u, 10u}) {
    SCOPED_TRACE(size);
    Loaded f(full.substr(0, size));
    expectDefaults(f);
  }
  Loaded whole(full.substr(0, 11));   // record 3 lacks only its padding: its text is all there
  EXPECT_EQ(whole.m().sldRapidez, 5);
  EXPECT_EQ(whole.m().chkMayusculas, 0);
}

TEST(StartUp, ValueOutsideItsRangeGivesTheGeneralErrorBoxAndNoGame) {
  const std::string error380 = "Error 380:\r\n\r\nEl valor de la propiedad no es válido";
  for (const auto& config : {settingsFile("11", "1", "1"), settingsFile("5", "3", "1"),
                             settingsFile("5", "1", "3"), settingsFile("99", "0", "0")}) {
    Loaded f(config);
    expectGeneralErrorAndNoGame(f, error380);
    EXPECT_EQ(f.m().panelText(3), "Vocal asignada: ");
  }
}

TEST(StartUp, CorruptLengthFieldGivesTheGeneralErrorBoxAndNoGame) {
  Loaded f(settingsFile("5", "1", "1").replace(4, 2, std::string("\x09\x00", 2)));
  expectGeneralErrorAndNoGame(f, "Error 59:\r\n\r\nLongitud de registro incorrecta");
}

TEST(StartUp, NoGameUntilThePlayerAsksForOne) {
  Loaded f(settingsFile("11", "1", "1"));
  f.nextGame('E');
  f.game.mnuArchivoNuevaPartida_Click();
  EXPECT_EQ(f.game.strPelícula, "Mono azul");
  EXPECT_EQ(f.m().panelText(3), "Vocal asignada: E");
}

TEST(Closing, WritesInPlaceAndKeepsBytesBeyondRecordThree) {
  const std::string tail("\xAB\xCD\xEF\x01", 4);
  Loaded f(settingsFile("3", "1", "1") + tail);
  f.game.setSldRapidez(10);
  f.game.setChkSePuedenVocales(0);
  f.game.Form_QueryUnload();
  EXPECT_EQ(f.folder.read("Config.dat"),
            std::string("\x02\x00" "10" "\x01\x00" "0\x00" "\x01\x00" "1\x00", 12) + tail);
}

TEST(Closing, FailedSettingsWriteIsReportedOnceAndTheProgramStillEnds) {
  Loaded f(settingsFile("5", "1", "0"));
  f.game.setSldRapidez(7);
  {
    testing::Unwritable readOnly(f.folder.file("Config.dat"));
    f.game.mnuArchivoSalir_Click();
  }
  ASSERT_EQ(f.boxes.shown.size(), 1u);
  EXPECT_EQ(f.boxes.shown[0].text, "Error 70:\r\n\r\nPermiso denegado");
  EXPECT_EQ(f.boxes.shown[0].title, "Error");
  EXPECT_EQ(f.boxes.shown[0].code, 16);
  EXPECT_TRUE(f.game.closed());
  EXPECT_EQ(f.windows.closed, (std::vector<std::string>{"frmAgregar", "frmAyuda", "frmFilmotas"}));
  EXPECT_EQ(f.folder.read("Config.dat"), settingsFile("5", "1", "0"));
}

}  // namespace
}  // namespace filmotas
