// Where an installed, a portable and a pointed-at program keep their files, and the
// player's folder made ready on the first start.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "files/data_location.h"
#include "support/fakes.h"

namespace filmotas {
namespace {

namespace fs = std::filesystem;
using testing::movieList;

// An installed-looking tree: prefix/bin beside prefix/share/filmotas.
struct Prefix : testing::TempFolder {
  Prefix() { for (const char* folder : {"bin", "share/filmotas"}) fs::create_directories(file(folder)); }
  DataLocation locate(std::string xdg, std::optional<std::string> dataDir = {}) const {
    return locateData({file("bin"), std::move(dataDir), std::move(xdg), file("home")});
  }
};

TEST(DataLocation, FoldersByMode) {
  const struct {
    bool listBesideBinary;
    std::string xdg;
    std::optional<std::string> dataDir;
    std::string player, shipped;   // relative to the prefix unless absolute
  } cases[] = {
      {false, "xdg", {}, "home/.local/share/filmotas", "share/filmotas"},   // relative: ignored
      {false, "", {}, "home/.local/share/filmotas", "share/filmotas"},
      {true, "/xdg", {}, "bin", "bin"},
      {false, "/xdg", "/elegida/", "/elegida", "share/filmotas"},
      {true, "/xdg", "/elegida", "/elegida", "bin"},
      {false, "", "juego", (fs::current_path() / "juego").string(), "share/filmotas"},
  };
  for (const auto& c : cases) {
    Prefix prefix;
    if (c.listBesideBinary) prefix.write("bin/FILMOTAS.DAT", "");
    const auto under = [&](const std::string& p) { return p.front() == '/' ? p : prefix.file(p); };
    const DataLocation location = prefix.locate(c.xdg, c.dataDir);
    EXPECT_EQ(location.playerFolder, under(c.player)) << c.player;
    EXPECT_EQ(location.shippedFolder, under(c.shipped)) << c.player;
  }
}

TEST(DataLocation, FirstStartCopiesTheShippedListAndNeverReplacesOne) {
  Prefix prefix;
  DataLocation location = prefix.locate(prefix.file("xdg"));
  preparePlayerFolder(location);   // nothing shipped: the player starts without a list
  EXPECT_TRUE(fs::is_empty(location.playerFolder));
  EXPECT_EQ(fs::status(location.playerFolder).permissions(), fs::perms::owner_all);

  prefix.write("share/filmotas/Filmotas.dat", movieList({"Casablanca"}));
  preparePlayerFolder(location);
  EXPECT_EQ(prefix.read("xdg/filmotas/Filmotas.dat"), movieList({"Casablanca"}));
  EXPECT_EQ(location.helpFolder, prefix.file("share/filmotas"));   // no help file of the player's own

  fs::remove(location.playerFolder + "/Filmotas.dat");
  prefix.write("xdg/filmotas/filmotas.DAT", movieList({"Volver"}));
  prefix.write("xdg/filmotas/AYUDA.DAT", "");
  preparePlayerFolder(location);
  EXPECT_FALSE(prefix.exists("xdg/filmotas/Filmotas.dat"));
  EXPECT_EQ(prefix.read("xdg/filmotas/filmotas.DAT"), movieList({"Volver"}));
  EXPECT_EQ(location.helpFolder, location.playerFolder);
}

// Unusable: a file, a folder that cannot be made, and (with root to give it away) another
// user's folder that others may write, where links could be slipped in for the game's files.
TEST(DataLocation, UnusableFolderIsOneMessageNamingIt) {
  Prefix prefix;
  prefix.write("archivo", "");
  const std::string file = prefix.file("archivo");
  std::vector<std::pair<std::string, std::string>> cases = {
      {file, "La carpeta de datos «" + file + "» es un archivo, no una carpeta."},
      {file + "/sub", "No se puede crear la carpeta de datos «" + file + "/sub»."}};
  if (::geteuid() == 0) {
    const std::string shared = prefix.file("compartida");
    fs::create_directory(shared);
    fs::permissions(shared, fs::perms::all | fs::perms::sticky_bit);
    ASSERT_EQ(::chown(shared.c_str(), 54321, 0), 0);
    cases.emplace_back(shared, "La carpeta de datos «" + shared + "» es de otro usuario y otros pueden escribir en ella.");
  }
  for (const auto& [folder, message] : cases) {
    DataLocation location = prefix.locate("", folder);
    EXPECT_THAT([&] { preparePlayerFolder(location); }, ::testing::ThrowsMessage<LocationProblem>(message));
  }
  DataLocation own = prefix.locate("", prefix.file("propia"));   // the player's own, open to all
  fs::create_directory(own.playerFolder);
  fs::permissions(own.playerFolder, fs::perms::all);
  EXPECT_NO_THROW(preparePlayerFolder(own));
}

}  // namespace
}  // namespace filmotas
