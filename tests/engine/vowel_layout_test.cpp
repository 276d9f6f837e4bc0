// The vowel give-away and the layout of the title into the fifty letter cells.
#include <gtest/gtest.h>

#include "engine/windows1252.h"
#include "support/fakes.h"

namespace filmotas {
namespace {

using testing::GameFixture;

// Cells 1 to `count` joined, one character each; an empty cell reads as "·".
std::string row(const FrmFilmotas& game, int count) {
  std::string out;
  for (int i = 1; i <= count; ++i) out += game.model().cell(i).empty() ? "·" : game.model().cell(i);
  return out;
}

std::string laidOut(const std::string& title, char vowel, int cells) {
  GameFixture f({title});
  f.start(vowel);
  EXPECT_TRUE(f.boxes.shown.empty());
  return row(f.game, cells);
}

TEST(VowelLayout, ExamplesWithPlainVowelsOnly) {
  EXPECT_EQ(laidOut("EL BARCO DE PAPEL", 'A', 19), "-- -A--- -- -A---··");
  EXPECT_EQ(laidOut("la casa roja", 'A', 12), "-a -a-a ---a");
  EXPECT_EQ(laidOut("Café París", 'E', 10), "---- -----");          // é is another character
  EXPECT_EQ(laidOut("Café París", 'A', 10), "-a-- -a---");          // í stays hidden
  EXPECT_EQ(laidOut("Los 3 años: fin", 'O', 15), "-o- - --o-- ---");  // digit, ñ and colon hidden
  EXPECT_EQ(laidOut("DIA DE SOL", 'U', 10), "--- -- ---");
}

TEST(VowelLayout, ScratchFileHoldsTheVowelInBothCases) {
  for (const char vowel : std::string("AEIOU")) {
    GameFixture f({"X"});
    f.start(vowel);
    EXPECT_EQ(f.game.strVocal, std::string(1, vowel));
    EXPECT_EQ(f.game.model().panelText(3), std::string("Vocal asignada: ") + vowel);
    EXPECT_EQ(f.folder.read("Temp.dat"),
              std::string("\x01\x00", 2) + vowel + std::string("\x01\x00", 2) + char(vowel + 32));
  }
}

TEST(VowelLayout, NullCharacterShowsAsABlankAndCountsAsShown) {
  GameFixture f({std::string("A\0B", 3)});
  f.start('A');
  EXPECT_EQ(row(f.game, 3), "A -");
  f.game.setChkSePuedenVocales(1);
  f.boxes.answer(box::kAnswerNo);
  f.say("B");
  EXPECT_EQ(f.lastBoxTitle(), "¿Otra vez?");   // nothing hidden is left
}

// Every code of the page in titles of fifty: hidden on the layout, each one uncovered
// by typing it (or its other case), and the game won when the last one is.
TEST(VowelLayout, EveryWindows1252CharacterIsHiddenAndCanBeUncovered) {
  for (int first = 0; first < 256; first += 50) {
    std::string codes;
    for (int c = first; c < std::min(first + 50, 256); ++c) codes += static_cast<char>(c);
    const std::string title = windows1252::decode(codes);
    SCOPED_TRACE(first);
    GameFixture f({title});
    f.folder.write("Config.dat", testing::settingsFile("0", "1", "1"));   // vowels allowed
    f.start('U');
    for (std::size_t i = 0; i < codes.size(); ++i) {
      const auto code = static_cast<unsigned char>(codes[i]);
      const std::string expected = code == 0 || code == ' ' ? " " : (code == 'U' || code == 'u') ? std::string(1, char(code)) : "-";
      EXPECT_EQ(f.game.model().cell(static_cast<int>(i + 1)), expected) << int(code);
    }
    f.boxes.answer(box::kAnswerNo);   // leave after the win, so the cells stay to be read
    for (char code : codes) {
      if (code != 0) f.say(windows1252::decode(std::string(1, code)));
    }
    for (std::size_t i = 0; i < codes.size(); ++i) {
      const std::string shown = codes[i] == 0 ? " " : windows1252::decode(codes.substr(i, 1));
      EXPECT_EQ(f.game.model().cell(static_cast<int>(i + 1)), shown) << int(static_cast<unsigned char>(codes[i]));
    }
    ASSERT_FALSE(f.boxes.shown.empty());
    EXPECT_EQ(f.boxes.shown.back().title, "¿Otra vez?");
    EXPECT_TRUE(f.game.closed());
    EXPECT_EQ(f.game.intFallos(), 0);
  }
}

}  // namespace
}  // namespace filmotas
