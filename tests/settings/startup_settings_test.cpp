// Start-up reads "Config.dat"; closing the game window writes it back.
#include <gtest/gtest.h>

#include <optional>
#include <tuple>

#include "settings/settings_file.h"
#include "support/fakes.h"
#include "support/file_faults.h"

namespace filmotas {
namespace {

using namespace testing;
using std::filesystem::perms;

// What is shown is what closing writes back, as plain numbers over the three records in
// place: bytes after them stay, padding becomes zeros.
TEST(StartUp, StoredSettingsOrAllThreeDefaults) {
  struct Case { std::string config; int wait; const char* caption; int vowels, ignoreCase; };
  const Case cases[] = {
      {"", 1, "1 segundo", 0, 1},                              // first run: no file
      {settingsFile("09", "2", "0"), 9, "09 segundos", 2, 0},  // the caption keeps the stored text
      {settingsFile(" 0", "1", "1"), 0, " 0 segundos", 1, 1},  // blanks around the digits
      {settingsFile("0 ", "1", "1"), 0, "0  segundos", 1, 1},
      {settingsFile("", "1", "0"), 1, "1 segundo", 0, 1},      // a text that is no number...
      {settingsFile("5", "x", "0"), 1, "1 segundo", 0, 1},     // ...undoes the records before it
      {std::string("\x02\x00" "10" "\x01\x00" "0\xEE" "\x01\x00" "0\xEE" "tail", 16), 10, "10 segundos", 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.config));
    MonoAzul f(c.config);
    EXPECT_EQ(std::tuple(f.m().sldRapidez, f.m().lblRapidez, f.m().chkSePuedenVocales,
                         f.m().chkMayusculas),
              std::tuple(c.wait, std::string(c.caption), c.vowels, c.ignoreCase));
    EXPECT_TRUE(f.boxes.shown.empty());
    EXPECT_EQ(f.m().cell(1), "-");   // the game started
    const perms modes = perms::owner_read | perms::owner_write | perms::group_read;   // not a new file's
    std::filesystem::permissions(f.folder.file("Config.dat"), modes);
    f.game.Form_QueryUnload();   // the close box: the other windows stay open
    EXPECT_EQ(std::filesystem::status(f.folder.file("Config.dat")).permissions(), modes);   // kept
    EXPECT_TRUE(f.windows.closed.empty());
    EXPECT_EQ(f.folder.read("Config.dat"),
              settingsFile(std::to_string(c.wait), std::to_string(c.vowels), std::to_string(c.ignoreCase)) +
                  c.config.substr(std::min<std::size_t>(c.config.size(), 12)));
  }
}

TEST(StartUp, BadValueGivesTheGeneralErrorBoxAndNoGame) {
  const auto badValue = errorBox(380, "El valor de la propiedad no es válido");
  const std::pair<std::string, ShownBox> cases[] = {
      {settingsFile("11", "1", "1"), badValue},
      {settingsFile("5", "3", "1"), badValue},
      {settingsFile("5", "1", "1").replace(4, 1, "\x09"), errorBox(59, "Longitud de registro incorrecta")},
  };
  for (const auto& [config, box] : cases) {
    SCOPED_TRACE(box.text);
    MonoAzul f(config);
    EXPECT_EQ(f.boxes.shown, Boxes{box});
    EXPECT_EQ(f.game.title(), "");
    EXPECT_EQ(f.m().cell(1), "");
    f.game.Form_QueryUnload();   // the window holds the defaults, not what was read before the fault
    EXPECT_EQ(f.folder.read("Config.dat"), settingsFile("1", "0", "1"));
  }
}

// A file that may not be written, or a disk that takes five bytes and then fails for good:
// one box, the window closes all the same, and the old file stays whole, to the byte, with
// nothing else left in the folder. A folder that takes no new file gets the settings
// written in place. "Salir" closes the game window, which writes them.
TEST(Closing, SettingsThatCannotBeWrittenAreReportedAndTheOldFileStays) {
  const std::string old = settingsFile("5", "1", "0") + "tail";
  const struct { const char* locked; rlim_t room; Boxes boxes; std::string after; } cases[] = {
      {"Config.dat", RLIM_INFINITY, {errorBox(70, "Permiso denegado")}, old},
      {"", 5, {errorBox(61, "Disco lleno")}, old},
      {".", RLIM_INFINITY, {}, settingsFile("7", "0", "0") + "tail"}};
  for (const auto& c : cases) {
    MonoAzul f(old);
    // Any user may write there.
    for (const char* name : {".", "Config.dat"}) std::filesystem::permissions(f.folder.file(name), perms::all);
    f.game.setSldRapidez(7);
    f.game.setChkSePuedenVocales(0);
    {
      const FileSizeLimit disk(c.room);
      std::optional<Unwritable> unwritable;
      if (*c.locked) unwritable.emplace(f.folder.file(c.locked));
      f.game.mnuArchivoSalir_Click();
    }
    EXPECT_EQ(f.boxes.shown, c.boxes);
    EXPECT_TRUE(f.game.closed());
    EXPECT_EQ(f.folder.read("Config.dat"), c.after);
    // Beside it only the list and the scratch file: no new file left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(f.folder.path()), {}), 3);
  }
}

// Where the folder takes no new file, the twelve bytes are written in place in one write:
// a disk that fails at any byte of it leaves the old file, never a mix.
TEST(Closing, SettingsWrittenInPlaceWholeOrNotAtAll) {
  const std::string old = settingsFile("5", "1", "0") + "tail";
  for (std::size_t room = 0; room <= 12; ++room) {
    SCOPED_TRACE("room for " + std::to_string(room));
    const TempFolder folder;
    folder.write("Config.dat", old);
    std::filesystem::permissions(folder.file("Config.dat"), perms::all);   // the folder's refusal alone
    ScriptedDisk disk(room);
    const Unwritable refusesNewFiles(folder.path());
    EXPECT_EQ(failureOf([&] { writeSettings(folder.file("Config.dat"), Settings{7, 0, 1}, disk.write()); }),
              room == 12 ? 0 : failure::kDiskFull);
    EXPECT_EQ(folder.read("Config.dat"), room == 12 ? settingsFile("7", "0", "1") + "tail" : old);
  }
}

}  // namespace
}  // namespace filmotas
