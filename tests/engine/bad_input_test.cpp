// Damaged data files and failing disks: a clear answer, nothing lost, nothing damaged.
#include <gtest/gtest.h>

#include "support/fakes.h"

namespace filmotas {
namespace {

using testing::GameFixture;
using testing::movieList;
using testing::record;

const std::string kGivenA = record("A", 3) + record("a", 3);

void expectGeneralError(const testing::ShownBox& shown, const std::string& text) {
  EXPECT_EQ(shown.text, text);
  EXPECT_EQ(shown.title, "Error");
  EXPECT_EQ(shown.code, 16);
}

TEST(BadInput, TitleRecordWithAnImpossibleLengthStopsTheNewGame) {
  GameFixture f;
  const std::string list = movieList({"UNO"}) + std::string("\x33\x00", 2) + std::string(50, 'x');
  f.folder.write("Filmotas.dat", list);
  f.start('A');
  ASSERT_EQ(f.boxes.shown.size(), 1u);
  expectGeneralError(f.boxes.shown[0], "Error 59:\r\n\r\nLongitud de registro incorrecta");
  EXPECT_EQ(f.game.strPelícula, "");
  EXPECT_EQ(f.game.model().cell(1), "");
  EXPECT_FALSE(f.game.files().isOpen(f.game.intArchivo));
  EXPECT_EQ(f.folder.read("Filmotas.dat"), list);
}

TEST(BadInput, DataFileThatIsAFolderIsReported) {
  GameFixture f({"UNO"});
  std::filesystem::create_directory(f.folder.path() / "Config.dat");
  f.start('A');
  ASSERT_EQ(f.boxes.shown.size(), 1u);
  EXPECT_EQ(f.boxes.shown[0].title, "Error");
  EXPECT_EQ(f.game.strPelícula, "");
}

TEST(BadInput, DamagedScratchFileFailsTheGuessAndKeepsTheLetter) {
  GameFixture f({"Mono azul"});
  f.start('A');
  f.folder.write("Temp.dat", record("A", 3) + std::string("\x07\x00" "a", 3));
  f.game.setTxtIntroducir("m");
  ASSERT_EQ(f.boxes.shown.size(), 1u);
  expectGeneralError(f.boxes.shown[0], "Error 59:\r\n\r\nLongitud de registro incorrecta");
  EXPECT_EQ(f.game.model().cell(1), "M");   // what the steps did before the failure stays
  EXPECT_EQ(f.game.intRegistrosTemp(), 3);
  EXPECT_EQ(f.game.model().txtIntroducir, "m");
  EXPECT_EQ(f.game.model().tmrContadorInterval, 0);   // not armed
  EXPECT_FALSE(f.game.files().isOpen(1));
  f.game.setTxtIntroducir("");   // the player deletes the letter: the game goes on
  EXPECT_EQ(f.boxes.shown.size(), 1u);
}

TEST(BadInput, FullDiskFailsTheGuessWithoutDamagingTheScratchFile) {
  GameFixture f({"Mono azul"});
  f.start('A');
  {
    testing::FileSizeLimit limit(7);
    f.game.setTxtIntroducir("m");
  }
  ASSERT_EQ(f.boxes.shown.size(), 1u);
  expectGeneralError(f.boxes.shown[0], "Error 61:\r\n\r\nDisco lleno");
  EXPECT_EQ(f.folder.read("Temp.dat"), kGivenA);
  EXPECT_EQ(f.game.intFallos(), 0);
  f.game.setTxtIntroducir("");
  f.game.setTxtIntroducir("n");   // room again: the reserved number 3 stays empty
  EXPECT_EQ(f.folder.read("Temp.dat"), kGivenA + std::string(3, '\0') + record("n", 3));
}

TEST(BadInput, UnwritableScratchFileFailsTheGuessAndCrashesNothing) {
  GameFixture f({"Mono azul"});
  f.start('A');
  {
    testing::Unwritable readOnly(f.folder.file("Temp.dat"));
    f.game.setTxtIntroducir("x");
  }
  ASSERT_EQ(f.boxes.shown.size(), 1u);
  expectGeneralError(f.boxes.shown[0], "Error 70:\r\n\r\nPermiso denegado");
  EXPECT_EQ(f.folder.read("Temp.dat"), kGivenA);
  EXPECT_EQ(f.game.model().panelText(2), "Letras no acertadas: ");
}

TEST(BadInput, CharacterNoDataFileCanHoldIsNotJudged) {
  GameFixture g({"Mono azul"});
  g.start('A');
  g.game.setTxtIntroducir("Ł");
  EXPECT_EQ(g.game.model().txtIntroducir, "");
  EXPECT_EQ(g.game.intRegistrosTemp(), 2);
  EXPECT_EQ(g.game.intFallos(), 0);
  EXPECT_EQ(g.folder.read("Temp.dat"), kGivenA);
}

}  // namespace
}  // namespace filmotas
