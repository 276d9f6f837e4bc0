// Partner codes are real case pairs of Windows-1252: punctuation never stands in for a
// capital, accented letters pair both ways, and a hyphen in a title can be uncovered.
#include <gtest/gtest.h>

#include "engine/letter_case.h"
#include "support/fakes.h"

namespace filmotas {
namespace {

using testing::GameFixture;

std::optional<std::uint8_t> expectedPartner(int code) {
  const auto pair = [](int other) { return std::optional<std::uint8_t>(static_cast<std::uint8_t>(other)); };
  if (code >= 'a' && code <= 'z') return pair(code - 32);
  if (code >= 'A' && code <= 'Z') return pair(code + 32);
  if (code >= 0xE0 && code <= 0xFE && code != 0xF7) return pair(code - 32);   // à–þ but ÷
  if (code >= 0xC0 && code <= 0xDE && code != 0xD7) return pair(code + 32);   // À–Þ but ×
  const std::pair<int, int> others[] = {{0x9A, 0x8A}, {0x9C, 0x8C}, {0x9E, 0x8E}, {0xFF, 0x9F}};
  for (const auto& [lower, upper] : others) {
    if (code == lower) return pair(upper);
    if (code == upper) return pair(lower);
  }
  return std::nullopt;
}

TEST(PartnerCode, EveryCodeHasItsCasePartnerOrNone) {
  for (int code = 0; code < 256; ++code) {
    const auto partner = partnerCode(static_cast<std::uint8_t>(code));
    EXPECT_EQ(partner, expectedPartner(code)) << code;
    if (partner) {
      EXPECT_EQ(partnerCode(*partner), static_cast<std::uint8_t>(code)) << code;
    }
  }
  for (int none : {int{'!'}, int{'-'}, int{'0'}, int{' '}, 0xDF /* ß */, 0xF7 /* ÷ */, 0xD7 /* × */, 0xB5 /* µ */, 0xAA, 0xBA}) {
    EXPECT_FALSE(partnerCode(static_cast<std::uint8_t>(none)).has_value()) << none;
  }
}

// A title with case ignored and vowels allowed, the vowel E given away.
struct Game : GameFixture {
  explicit Game(const std::string& title) : GameFixture({title}) {
    folder.write("Config.dat", testing::settingsFile("0", "1", "1"));
    start('E');
  }
  std::string row() const {
    std::string out;
    for (int i = 1; i <= game.lngLongitud(); ++i) out += game.model().cell(i);
    return out;
  }
};

TEST(PartnerCode, PunctuationNeitherRevealsNorRepeatsCapitals) {
  Game f("ÁLAMO-MÁS!");
  f.say("!");
  EXPECT_EQ(f.row(), "---------!");
  f.say("a");
  EXPECT_EQ(f.row(), "--A------!");
  f.say("-");
  EXPECT_EQ(f.row(), "--A------!");   // the hyphen shows as before, but it is uncovered now
  f.say("m");
  EXPECT_EQ(f.row(), "--AM--M--!");
  EXPECT_TRUE(f.boxes.shown.empty());   // no letter was taken for a repeat
  EXPECT_EQ(f.game.intFallos(), 0);
}

TEST(PartnerCode, AccentedLettersPairInBothDirections) {
  Game f("ÁLAMO-MÁS!");
  f.say("á");
  EXPECT_EQ(f.row(), "Á------Á--");
  f.say("Á");
  EXPECT_EQ(f.lastBoxTitle(), "Letra repetida");

  Game g("pájaro");
  g.say("Á");
  EXPECT_EQ(g.game.model().cell(2), "á");
}

TEST(PartnerCode, LettersWithoutAPartnerMatchOnlyThemselves) {
  Game f("÷ÿ");
  f.say("×");
  f.say("ß");
  EXPECT_EQ(f.row(), "--");
  EXPECT_EQ(f.game.intFallos(), 2);
  EXPECT_EQ(f.game.model().panelText(2), "Letras no acertadas: ×ß");
  f.say("Ÿ");
  EXPECT_EQ(f.row(), "-ÿ");
  EXPECT_EQ(f.game.intFallos(), 2);
}

TEST(PartnerCode, TitleWithAHyphenIsWonLetterByLetter) {
  Game f("ŠŒŽ-ÿ");
  f.boxes.answer(box::kAnswerNo);
  for (const char* letter : {"š", "œ", "ž", "Ÿ"}) f.say(letter);
  EXPECT_EQ(f.row(), "ŠŒŽ-ÿ");
  EXPECT_TRUE(f.boxes.shown.empty());   // the hyphen is still to be said
  f.game.setTxtIntroducir("-");
  EXPECT_EQ(f.row(), "ŠŒŽ-ÿ");
  ASSERT_EQ(f.boxes.shown.size(), 1u);
  EXPECT_EQ(f.boxes.shown[0].title, "¿Otra vez?");
  EXPECT_TRUE(f.game.blnCompleto());
}

}  // namespace
}  // namespace filmotas
