// Start-up reads "Config.dat"; closing the game window writes it back.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>

#include "engine/failure.h"
#include "settings/settings_file.h"
#include "support/fakes.h"

namespace filmotas {
namespace {

using testing::settingsFile;

// A game of "Mono azul" whose settings file holds `config` (none when empty), loaded.
struct Loaded : testing::GameFixture {
  explicit Loaded(const std::string& config) : GameFixture({"Mono azul"}, config) { start('A'); }
  const GameWindowModel& m() const { return game.model(); }
};

// What is shown is what closing writes back, as plain numbers over the three records in
// place: bytes after them stay, padding becomes zeros.
TEST(StartUp, StoredSettingsOrAllThreeDefaults) {
  struct Case { std::string config; int wait; const char* caption; int vowels, ignoreCase; };
  const Case cases[] = {
      {"", 1, "1 segundo", 0, 1},                              // first run: no file
      {settingsFile("05", "2", "0"), 5, "05 segundos", 2, 0},  // the caption keeps the stored text
      {settingsFile(" 0", "1", "1"), 0, " 0 segundos", 1, 1},  // blanks around the digits
      {settingsFile("", "1", "0"), 1, "1 segundo", 0, 1},      // a text that is no number...
      {settingsFile("5", "x", "0"), 1, "1 segundo", 0, 1},     // ...undoes the records before it
      {settingsFile("5", "1", "-1"), 1, "1 segundo", 0, 1},
      {std::string("\x02\x00" "10" "\x01\x00" "0\xEE" "\x01\x00" "0\xEE" "tail", 16), 10, "10 segundos", 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.config));
    Loaded f(c.config);
    EXPECT_EQ(f.m().sldRapidez, c.wait);
    EXPECT_EQ(f.game.intSegundos(), c.wait);
    EXPECT_EQ(f.m().lblRapidez, c.caption);
    EXPECT_EQ(f.m().chkSePuedenVocales, c.vowels);
    EXPECT_EQ(f.m().chkMayusculas, c.ignoreCase);
    EXPECT_TRUE(f.boxes.shown.empty());
    EXPECT_EQ(f.m().cell(1), "-");   // the game started
    f.game.Form_QueryUnload();   // the close box: the other windows stay open
    EXPECT_TRUE(f.windows.closed.empty());
    EXPECT_EQ(f.folder.read("Config.dat"),
              settingsFile(std::to_string(c.wait), std::to_string(c.vowels), std::to_string(c.ignoreCase)) +
                  c.config.substr(std::min<std::size_t>(c.config.size(), 12)));
  }
}

TEST(StartUp, BadValueGivesTheGeneralErrorBoxAndNoGame) {
  const std::string badValue = "Error 380:\r\n\r\nEl valor de la propiedad no es válido";
  const std::pair<std::string, std::string> cases[] = {
      {settingsFile("11", "1", "1"), badValue},
      {settingsFile("5", "3", "1"), badValue},
      {settingsFile("5", "1", "1").replace(4, 1, "\x09"), "Error 59:\r\n\r\nLongitud de registro incorrecta"},
  };
  for (const auto& [config, text] : cases) {
    SCOPED_TRACE(text);
    Loaded f(config);
    EXPECT_EQ(f.boxes.shown, testing::Boxes(1, {text, "Error", 16}));
    EXPECT_EQ(f.game.strPelícula, "");
    EXPECT_EQ(f.m().cell(1), "");
    f.game.Form_QueryUnload();   // the window holds the defaults, not what was read before the fault
    EXPECT_EQ(f.folder.read("Config.dat"), settingsFile("1", "0", "1"));
  }
}

// By the close box or by "Salir": one box, and the window closes all the same.
TEST(Closing, SettingsThatCannotBeWrittenAreReportedOnce) {
  for (const bool salir : {false, true}) {
    Loaded f(settingsFile("5", "1", "0"));
    f.game.setSldRapidez(7);
    {
      const testing::Unwritable readOnly(f.folder.file("Config.dat"));
      salir ? f.game.mnuArchivoSalir_Click() : f.game.Form_QueryUnload();
    }
    EXPECT_EQ(f.boxes.shown, testing::Boxes(1, {"Error 70:\r\n\r\nPermiso denegado", "Error", 16})) << salir;
    EXPECT_TRUE(f.game.closed());
    EXPECT_EQ(f.folder.read("Config.dat"), settingsFile("5", "1", "0"));
  }
}

// A disk that takes five bytes and then fails for good: the old file stays whole, to the
// byte, and nothing else is left in the folder.
TEST(Closing, WriteThatFailsPartwayLeavesTheOldFileWhole) {
  const testing::TempFolder folder;
  const std::string old = settingsFile("5", "1", "0") + "tail";
  folder.write("Config.dat", old);
  std::size_t taken = 0;
  const WriteCall fiveBytesThenFull = [&taken](int fd, const char* bytes, std::size_t count) -> ssize_t {
    if (taken >= 5) {
      errno = ENOSPC;
      return -1;
    }
    const ssize_t n = ::write(fd, bytes, std::min<std::size_t>(count, 5 - taken));
    if (n > 0) taken += static_cast<std::size_t>(n);
    return n;
  };
  try {
    writeSettings(folder.file("Config.dat"), {7, 0, 1}, fiveBytesThenFull);
    ADD_FAILURE() << "the failed write must be reported";
  } catch (const Failure& f) {
    EXPECT_EQ(f.number(), failure::kDiskFull);
  }
  EXPECT_EQ(taken, 5u);
  EXPECT_EQ(folder.read("Config.dat"), old);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

}  // namespace
}  // namespace filmotas
