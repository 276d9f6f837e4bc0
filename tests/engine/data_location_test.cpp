// Where an installed, a portable and a pointed-at program keep their files, and the
// player's folder made ready on the first start.
#include <gtest/gtest.h>

#include <filesystem>

#include "engine/data_location.h"
#include "support/fakes.h"

namespace filmotas {
namespace {

namespace fs = std::filesystem;
using testing::movieList;
using testing::TempFolder;

// An installed-looking tree: prefix/bin beside prefix/share/filmotas.
struct Prefix {
  TempFolder root;
  std::string bin = root.file("bin");
  std::string shipped = root.file("share/filmotas");
  std::string home = root.file("home");
  Prefix() {
    fs::create_directories(bin);
    fs::create_directories(shipped);
    fs::create_directories(home);
  }
  LocationInputs inputs(std::string xdg = "", std::optional<std::string> dataDir = {}) const {
    return {bin, std::move(dataDir), std::move(xdg), home};
  }
};

TEST(DataLocation, FoldersByMode) {
  struct Case {
    const char* what;
    bool listBesideBinary, shippedFolder;
    std::string xdg;
    std::optional<std::string> dataDir;
    std::string player, shipped;   // relative to the prefix; "." is the binary's folder
  };
  const Case cases[] = {
      {"installed", false, true, "/xdg", {}, "/xdg/filmotas", "share/filmotas"},
      {"relative XDG_DATA_HOME ignored", false, true, "xdg", {}, "home/.local/share/filmotas", "share/filmotas"},
      {"unset XDG_DATA_HOME", false, true, "", {}, "home/.local/share/filmotas", "share/filmotas"},
      {"list beside the binary", true, true, "/xdg", {}, "bin", "bin"},
      {"no shipped folder", false, false, "/xdg", {}, "bin", "bin"},
      {"chosen folder, installed", false, true, "/xdg", "/elegida/", "/elegida", "share/filmotas"},
      {"chosen folder, portable", true, true, "/xdg", "/elegida", "/elegida", "bin"},
  };
  for (const Case& c : cases) {
    Prefix prefix;
    if (c.listBesideBinary) prefix.root.write("bin/FILMOTAS.DAT", "");
    if (!c.shippedFolder) fs::remove_all(prefix.root.file("share"));
    const auto under = [&](const std::string& p) { return p.front() == '/' ? p : prefix.root.file(p); };
    const DataLocation location = locateData(prefix.inputs(c.xdg, c.dataDir));
    EXPECT_EQ(location.playerFolder, under(c.player)) << c.what;
    EXPECT_EQ(location.shippedFolder, under(c.shipped)) << c.what;
  }
}

TEST(DataLocation, RelativeChosenFolderIsMadeAbsolute) {
  Prefix prefix;
  EXPECT_EQ(locateData(prefix.inputs("", "juego")).playerFolder, (fs::current_path() / "juego").string());
}

TEST(DataLocation, FirstStartCopiesTheShippedListAndNeverReplacesOne) {
  Prefix prefix;
  prefix.root.write("share/filmotas/Filmotas.dat", movieList({"Casablanca"}));
  DataLocation location = locateData(prefix.inputs(prefix.root.file("xdg")));
  preparePlayerFolder(location);
  EXPECT_EQ(prefix.root.read("xdg/filmotas/Filmotas.dat"), movieList({"Casablanca"}));
  EXPECT_EQ(fs::status(location.playerFolder).permissions(), fs::perms::owner_all);
  EXPECT_EQ(location.helpFolder, prefix.shipped);   // no help file of the player's own

  fs::remove(location.playerFolder + "/Filmotas.dat");
  prefix.root.write("xdg/filmotas/filmotas.DAT", movieList({"Volver"}));
  prefix.root.write("xdg/filmotas/AYUDA.DAT", "");
  prefix.root.write("share/filmotas/Filmotas.dat", movieList({"Casablanca", "Los otros"}));
  preparePlayerFolder(location);
  EXPECT_FALSE(prefix.root.exists("xdg/filmotas/Filmotas.dat"));
  EXPECT_EQ(prefix.root.read("xdg/filmotas/filmotas.DAT"), movieList({"Volver"}));
  EXPECT_EQ(location.helpFolder, location.playerFolder);
}

TEST(DataLocation, ShippedFolderWithoutListLeavesThePlayerWithoutOne) {
  Prefix prefix;
  DataLocation location = locateData(prefix.inputs(prefix.root.file("xdg")));
  preparePlayerFolder(location);
  EXPECT_TRUE(fs::is_empty(location.playerFolder));
}

TEST(DataLocation, UnusableFolderIsOneMessageNamingIt) {
  Prefix prefix;
  prefix.root.write("archivo", "");
  const struct {
    std::string folder, message;
  } cases[] = {
      {prefix.root.file("archivo"), "La carpeta de datos «" + prefix.root.file("archivo") + "» es un archivo, no una carpeta."},
      {prefix.root.file("archivo/sub"), "No se puede crear la carpeta de datos «" + prefix.root.file("archivo/sub") + "»."},
  };
  for (const auto& c : cases) {
    DataLocation location = locateData(prefix.inputs("", c.folder));
    try {
      preparePlayerFolder(location);
      ADD_FAILURE() << c.folder << " was accepted";
    } catch (const LocationProblem& problem) {
      EXPECT_EQ(problem.what(), c.message);
    }
  }
}

}  // namespace
}  // namespace filmotas
