// Where the data files are found: the program's folder, names matched without case.
#include <gtest/gtest.h>

#include "engine/data_folder.h"
#include "engine/failure.h"
#include "support/fakes.h"

namespace filmotas {
namespace {

using testing::GameFixture;
using testing::TempFolder;

int deleteFailure(const std::string& path) {
  try {
    deleteFile(path);
  } catch (const Failure& f) {
    return f.number();
  }
  return 0;
}

TEST(DataFolder, OneSeparatorBetweenFolderAndName) {
  EXPECT_EQ(DataFolder("/nonexistent/juegos").path("Config.dat"), "/nonexistent/juegos/Config.dat");
  EXPECT_EQ(DataFolder("/nonexistent/juegos/").path("Config.dat"), "/nonexistent/juegos/Config.dat");
  EXPECT_EQ(DataFolder("/").path("Ayuda.dat"), "/Ayuda.dat");
}

TEST(DataFolder, ExistingFileIsFoundWhateverItsCase) {
  TempFolder folder;
  const DataFolder data(folder.path().string());
  EXPECT_EQ(data.path("Temp.dat"), folder.file("Temp.dat"));   // missing: the canonical name
  folder.write("TEMP.DAT", "x");
  EXPECT_EQ(data.path("Temp.dat"), folder.file("TEMP.DAT"));
  EXPECT_EQ(data.path("temp.dat"), folder.file("TEMP.DAT"));
  folder.write("Temp.dat", "y");   // the exact spelling wins when both exist
  EXPECT_EQ(data.path("Temp.dat"), folder.file("Temp.dat"));
}

TEST(DataFolder, DeletingAMissingFileFailsWith53) {
  TempFolder folder;
  EXPECT_EQ(deleteFailure(folder.file("Temp.dat")), failure::kFileNotFound);
  folder.write("Temp.dat", "x");
  EXPECT_EQ(deleteFailure(folder.file("Temp.dat")), 0);
  EXPECT_FALSE(folder.exists("Temp.dat"));
  std::filesystem::create_directory(folder.path() / "Temp.dat");   // a folder is no data file
  EXPECT_NE(deleteFailure(folder.file("Temp.dat")), 0);
  EXPECT_NE(deleteFailure(folder.file("Temp.dat")), failure::kFileNotFound);
}

TEST(DataFolder, GameInAFolderEndingInASeparatorFindsItsFiles) {
  TempFolder folder;
  folder.write("Filmotas.dat", testing::movieList({"UNO"}));
  testing::ScriptedBoxes boxes;
  testing::ScriptedRandom random(testing::gameDraws(1, 1, 'U'));
  testing::RecordingWindows windows;
  FrmFilmotas game(folder.path().string() + "/", boxes, random, windows);
  game.Form_Load();
  EXPECT_EQ(game.strPelícula, "UNO");
  EXPECT_EQ(game.strArchivo, folder.file("Filmotas.dat"));
  EXPECT_EQ(game.strArchivoTemp(), folder.file("Temp.dat"));
  EXPECT_EQ(folder.read("Temp.dat").size(), 6u);
}

// A new game deletes the scratch file under any spelling and rebuilds it as "Temp.dat".
TEST(DataFolder, GameUsesDataFilesSpelledInAnyCase) {
  GameFixture f;
  f.folder.write("FILMOTAS.DAT", testing::movieList({"Mono azul"}));
  f.folder.write("config.dat", testing::settingsFile("5", "1", "0"));
  f.folder.write("TEMP.DAT", testing::record("Q", 3) + testing::record("q", 3) + testing::record("z", 3));
  f.titleCount = 1;
  f.start('O');
  EXPECT_EQ(f.game.strPelícula, "Mono azul");
  EXPECT_EQ(f.game.model().lblRapidez, "5 segundos");
  EXPECT_FALSE(f.folder.exists("TEMP.DAT"));
  EXPECT_EQ(f.folder.read("Temp.dat"), std::string("\x01\x00" "O\x01\x00" "o", 6));
  EXPECT_FALSE(f.folder.exists("Filmotas.dat"));   // the list was found, not created anew
  f.game.Form_QueryUnload();
  EXPECT_EQ(f.folder.read("config.dat"), testing::settingsFile("5", "1", "0"));
  EXPECT_FALSE(f.folder.exists("Config.dat"));
}

}  // namespace
}  // namespace filmotas
