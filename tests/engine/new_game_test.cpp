// NuevaPartida: count the list, draw a title, rebuild the scratch file, reset the game.
#include <gtest/gtest.h>

#include "support/fakes.h"

namespace filmotas {
namespace {

using testing::GameFixture;
using testing::movieList;
using testing::record;
using testing::vowelDraw;

const std::string kNoTitles =
    "No hay ninguna película almacenada. Para poder jugar tendrá que agregar filmotas o instalar de "
    "nuevo el programa.";

std::vector<std::string> numbered(int count) {
  std::vector<std::string> titles;
  for (int i = 1; i <= count; ++i) titles.push_back("T" + std::to_string(i));
  return titles;
}

// The record that a game draws from `count` titles with the scripted values `draws`.
int drawn(int count, std::vector<float> draws) {
  GameFixture f(numbered(count));
  draws.push_back(vowelDraw('A'));
  f.random.script(draws);
  f.game.Form_Load();
  EXPECT_EQ(f.game.strPelícula, "T" + std::to_string(f.game.intElegido()));
  return f.game.intElegido();
}

TEST(Draw, RoundsHalfToEvenAndDrawsAgainOutsideTheList) {
  EXPECT_EQ(drawn(4, {0.625f}), 2);          // 2.5 → 2
  EXPECT_EQ(drawn(4, {0.875f}), 4);          // 3.5 → 4
  EXPECT_EQ(drawn(4, {0.6f}), 2);            // 2.4 → 2
  EXPECT_EQ(drawn(4, {0.65f}), 3);           // 2.6 → 3
  EXPECT_EQ(drawn(4, {0.1f, 0.3f}), 1);      // 0.4 → 0: drawn again; 1.2 → 1
  EXPECT_EQ(drawn(2, {0.25f, 0.5f}), 1);     // 0.5 → 0 (even): drawn again
  EXPECT_EQ(drawn(2, {0.99f}), 2);
}

TEST(Draw, OneTitleIsDrawnAgainUntilTheValuePassesOneHalf) {
  GameFixture f({"UNICA"});
  f.random.script({0.4f, 0.0f, 0.49f, 0.5f, 0.51f, vowelDraw('O')});   // 0.5 rounds to 0
  f.game.Form_Load();
  EXPECT_EQ(f.game.intElegido(), 1);
  EXPECT_EQ(f.game.strVocal, "O");   // the vowel took the sixth value: five title draws
  EXPECT_EQ(f.random.reseeds, 6);    // reseeded before every draw
}

TEST(NewGame, LeavesTheListMembersAndAFreshScratchFile) {
  GameFixture f({"UNO", "DOS", "TRES"});
  f.start('E', 3);
  EXPECT_EQ(f.game.intRegistros, 3);
  EXPECT_EQ(f.game.intElegido(), 3);
  EXPECT_EQ(f.game.strPelícula, "TRES");
  EXPECT_EQ(f.game.strArchivo, f.folder.file("Filmotas.dat"));
  EXPECT_EQ(f.game.intTamaño, 52);
  EXPECT_EQ(f.game.intRegistrosTemp(), 2);
  EXPECT_EQ(f.folder.read("Temp.dat"), std::string("\x01\x00" "E\x01\x00" "e", 6));
  EXPECT_EQ(f.game.model().panelText(2), "Letras no acertadas: ");
  EXPECT_EQ(f.game.model().panelText(3), "Vocal asignada: E");
  EXPECT_FALSE(f.game.files().isOpen(f.game.intArchivo));

  f.say("x");
  f.say("D");
  f.nextGame('U');
  f.game.mnuArchivoNuevaPartida_Click();
  EXPECT_EQ(f.folder.read("Temp.dat"), std::string("\x01\x00" "U\x01\x00" "u", 6));
  EXPECT_EQ(f.game.intRegistrosTemp(), 2);
}

TEST(NewGame, MissingOrEmptyListShowsTheBoxAndStillGivesAVowel) {
  for (const bool missing : {true, false}) {
    SCOPED_TRACE(missing ? "missing" : "empty");
    GameFixture f;
    if (!missing) f.folder.write("Filmotas.dat", "");
    f.start('I');
    ASSERT_EQ(f.boxes.shown.size(), 1u);
    EXPECT_EQ(f.boxes.shown[0].text, kNoTitles);
    EXPECT_EQ(f.boxes.shown[0].title, "No hay filmotas");
    EXPECT_EQ(f.boxes.shown[0].code, 48);
    EXPECT_EQ(f.folder.read("Filmotas.dat"), "");
    EXPECT_TRUE(f.folder.exists("Filmotas.dat"));
    EXPECT_EQ(f.game.model().panelText(3), "Vocal asignada: I");
    EXPECT_EQ(f.folder.read("Temp.dat").size(), 6u);
    EXPECT_EQ(f.game.strPelícula, "");
    EXPECT_EQ(f.game.intElegido(), 0);
    for (int i = 1; i <= 50; ++i) EXPECT_EQ(f.game.model().cell(i), "");
    EXPECT_FALSE(f.game.model().visible(Piece::linPalo1));
  }
}

TEST(NewGame, TrailingPartialRecordIsNoTitle) {
  GameFixture f;
  f.folder.write("Filmotas.dat", movieList({"UNO", "DOS"}) + record("TRES", 52).substr(0, 26));
  f.titleCount = 2;
  f.start('A', 2);
  EXPECT_EQ(f.game.intRegistros, 2);
  EXPECT_EQ(f.game.strPelícula, "DOS");
}

TEST(NewGame, CountsUpTo32767TitlesAndOverflowsBeyond) {
  GameFixture f;
  const std::string many = movieList({"X"});
  std::string list;
  list.reserve(many.size() * 32768);
  for (int i = 0; i < 32767; ++i) list += many;
  f.folder.write("Filmotas.dat", list);
  f.titleCount = 32767;
  f.start('A', 32767);
  EXPECT_EQ(f.game.intRegistros, 32767);
  EXPECT_EQ(f.game.strPelícula, "X");
  EXPECT_TRUE(f.boxes.shown.empty());

  f.folder.write("Filmotas.dat", list + many);
  f.game.mnuArchivoNuevaPartida_Click();
  ASSERT_EQ(f.boxes.shown.size(), 1u);
  EXPECT_EQ(f.boxes.shown[0].text, "Error 6:\r\n\r\nDesbordamiento");
  EXPECT_EQ(f.boxes.shown[0].title, "Error");
  EXPECT_EQ(f.boxes.shown[0].code, 16);
  EXPECT_EQ(f.game.strPelícula, "");
  EXPECT_EQ(f.game.model().cell(1), "");
  EXPECT_FALSE(f.game.files().isOpen(f.game.intArchivo));   // the list was closed all the same
}

TEST(NewGame, FiftyCharacterTitleUsesEveryCellAndAShorterOneLeavesTheRestEmpty) {
  const std::string fifty = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwx";
  GameFixture f({fifty, "Tres"});
  f.start('U', 1);
  ASSERT_EQ(f.game.lngLongitud(), 50);
  for (int i = 1; i <= 50; ++i) {
    const char c = fifty[static_cast<std::size_t>(i - 1)];
    EXPECT_EQ(f.game.model().cell(i), c == 'U' || c == 'u' ? std::string(1, c) : "-") << i;
  }
  f.nextGame('E', 2);
  f.game.NuevaPartida();
  EXPECT_EQ(f.game.model().cell(3), "e");
  EXPECT_EQ(f.game.model().cell(4), "-");
  for (int i = 5; i <= 50; ++i) EXPECT_EQ(f.game.model().cell(i), "") << i;
}

TEST(NewGame, AfterThreeMissesHidesTheGallowsAndResetsTheMisses) {
  GameFixture f({"Mono azul"});
  f.start('A');
  for (const char* miss : {"x", "k", "w"}) f.say(miss);
  ASSERT_EQ(f.game.intFallos(), 3);
  ASSERT_TRUE(f.game.model().visible(Piece::linCuerpo));
  f.nextGame('A');
  f.game.mnuArchivoNuevaPartida_Click();
  EXPECT_EQ(f.game.intFallos(), 0);
  for (int p = 0; p < kPieceCount; ++p) EXPECT_FALSE(f.game.model().piezaVisible[static_cast<std::size_t>(p)]);
  EXPECT_EQ(f.game.model().panelText(2), "Letras no acertadas: ");
  f.say("x");   // the misses of the old game are forgotten
  EXPECT_EQ(f.game.intFallos(), 1);
  EXPECT_EQ(f.game.model().panelText(2), "Letras no acertadas: x");
}

// The scratch file still held open cannot be deleted (55): the game in progress stays.
TEST(NewGame, ScratchFileHeldOpenLeavesTheGameAsItWas) {
  GameFixture f({"Mono azul", "DOS"});
  f.start('A');
  f.say("x");
  const GameWindowModel before = f.game.model();
  f.game.files().open(9, f.folder.file("Temp.dat"), 3);
  f.nextGame('E', 2);
  f.game.NuevaPartida();
  EXPECT_TRUE(f.boxes.shown.empty());
  EXPECT_EQ(f.game.strPelícula, "Mono azul");
  EXPECT_EQ(f.game.intFallos(), 1);
  EXPECT_EQ(f.game.model().lblCaracter, before.lblCaracter);
  EXPECT_EQ(f.game.model().panel, before.panel);
  EXPECT_EQ(f.folder.read("Temp.dat").size(), 9u);
  f.game.files().close(9);
  f.game.NuevaPartida();
  EXPECT_EQ(f.game.strPelícula, "DOS");
}

TEST(NewGame, UnwritableFolderReportsTheScratchFileAndKeepsTheCellsEmpty) {
  GameFixture f({"Mono azul"});
  f.folder.write("Config.dat", testing::settingsFile("1", "0", "1"));
  {
    testing::Unwritable readOnly(f.folder.path());
    f.start('O');
  }
  ASSERT_EQ(f.boxes.shown.size(), 1u);
  EXPECT_EQ(f.boxes.shown[0].text, "Error 70:\r\n\r\nPermiso denegado");
  EXPECT_EQ(f.boxes.shown[0].code, 16);
  EXPECT_EQ(f.game.model().panelText(3), "Vocal asignada: O");
  EXPECT_EQ(f.game.model().cell(1), "");
  EXPECT_FALSE(f.folder.exists("Temp.dat"));
  EXPECT_FALSE(f.game.files().isOpen(1));
  f.nextGame('O');
  f.game.NuevaPartida();   // once the folder can be written again, games go on
  EXPECT_EQ(f.game.model().cell(2), "o");
}

}  // namespace
}  // namespace filmotas
