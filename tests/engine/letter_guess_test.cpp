// The letter guess: refusal, reveal, repeats, verdicts and the gallows figure.
#include <gtest/gtest.h>

#include "support/fakes.h"

namespace filmotas {
namespace {

using testing::ControlLog;
using testing::GameFixture;
using testing::record;

// "Mono azul" with the vowel A given away; `vowels` and `ignoreCase` as stored.
struct MonoAzul : GameFixture {
  explicit MonoAzul(const char* vowels = "0", const char* ignoreCase = "1") : GameFixture({"Mono azul"}) {
    folder.write("Config.dat", testing::settingsFile("1", vowels, ignoreCase));
    start('A');
  }
  const GameWindowModel& m() const { return game.model(); }
  std::string scratch() const { return folder.read("Temp.dat"); }
};

const std::string kGiven = record("A", 3) + record("a", 3);

TEST(LetterGuess, EmptyBoxDoesNothing) {
  MonoAzul f;
  ControlLog log;
  log.attach(f.game);
  f.game.setTxtIntroducir("");
  EXPECT_TRUE(log.events.empty());
  EXPECT_TRUE(f.boxes.shown.empty());
}

TEST(LetterGuess, PlainVowelIsRefusedAndNothingIsRecorded) {
  MonoAzul f;
  ControlLog log;
  log.attach(f.game);
  for (const char* vowel : {"A", "a", "E", "e", "I", "i", "O", "o", "U", "u"}) {
    SCOPED_TRACE(vowel);
    f.boxes.shown.clear();
    f.game.setTxtIntroducir(vowel);
    ASSERT_EQ(f.boxes.shown.size(), 1u);
    EXPECT_EQ(f.boxes.shown[0].text, "No se pueden decir vocales");
    EXPECT_EQ(f.boxes.shown[0].title, "Filmotas");
    EXPECT_EQ(f.boxes.shown[0].code, 0);
    EXPECT_EQ(f.m().txtIntroducir, "");
  }
  EXPECT_EQ(f.game.intRegistrosTemp(), 2);
  EXPECT_EQ(f.scratch(), kGiven);
  EXPECT_EQ(log.count(Control::tmrContador), 0);   // the wait timer was never armed
  EXPECT_EQ(f.m().cell(2), "-");
  EXPECT_EQ(f.game.intFallos(), 0);
}

TEST(LetterGuess, AccentedVowelIsJudgedLikeAnyLetter) {
  MonoAzul f;
  f.game.setTxtIntroducir("é");
  EXPECT_TRUE(f.boxes.shown.empty());
  EXPECT_EQ(f.m().panelText(1), "No es correcto");
  EXPECT_EQ(f.m().panelText(2), "Letras no acertadas: é");
  EXPECT_EQ(f.scratch(), kGiven + record("\xE9", 3));
  EXPECT_EQ(f.game.intAscii(), 0xE9);
}

TEST(LetterGuess, IgnoringCaseRevealsTheTitlesOwnCharacter) {
  MonoAzul f;
  f.game.setTxtIntroducir("m");
  EXPECT_EQ(f.m().cell(1), "M");
  EXPECT_EQ(f.m().panelText(1), "¡Correcto!");
  EXPECT_EQ(f.scratch(), kGiven + record("m", 3));   // recorded as typed
}

TEST(LetterGuess, ExactCaseRevealsOnlyExactMatchesButJudgesBothCases) {
  MonoAzul f("0", "0");
  f.say("m");
  EXPECT_EQ(f.m().cell(1), "-");
  EXPECT_EQ(f.m().panelText(1), "");   // cleared by the tick; it said "¡Correcto!"
  EXPECT_EQ(f.game.intFallos(), 0);
  EXPECT_FALSE(f.m().visible(Piece::linPalo1));
  EXPECT_FALSE(f.game.blnFallo());

  f.game.setTxtIntroducir("M");   // reveals first, then turns out repeated
  EXPECT_EQ(f.m().cell(1), "M");
  ASSERT_EQ(f.boxes.shown.size(), 1u);
  EXPECT_EQ(f.boxes.shown[0].text, "La letra ''M'' ya ha sido repetida");
  EXPECT_EQ(f.boxes.shown[0].title, "Letra repetida");
  EXPECT_EQ(f.boxes.shown[0].code, 0);
  EXPECT_EQ(f.m().tmrContadorInterval, 1001);   // a repeat arms the timer too
}

TEST(LetterGuess, RepeatsIgnoreCaseWhateverTheOption) {
  for (const char* ignoreCase : {"0", "1"}) {
    for (const auto& [first, second] : {std::pair{"B", "b"}, std::pair{"b", "B"}, std::pair{" ", " "}}) {
      SCOPED_TRACE(std::string(ignoreCase) + " [" + first + "] then [" + second + "]");
      MonoAzul f("0", ignoreCase);
      f.say(first);
      EXPECT_TRUE(f.boxes.shown.empty());
      f.say(second);
      ASSERT_EQ(f.boxes.shown.size(), 1u);
      EXPECT_EQ(f.lastBoxTitle(), "Letra repetida");
    }
  }
}

TEST(LetterGuess, TheGivenVowelCountsAsSaid) {
  MonoAzul f("1");
  for (const char* vowel : {"A", "a"}) {
    f.boxes.shown.clear();
    f.say(vowel);
    EXPECT_EQ(f.lastBoxTitle(), "Letra repetida");
  }
  f.say("o");   // another vowel is judged
  EXPECT_EQ(f.m().cell(2), "o");
}

// The number reserved for a repeated letter is never written and later reads skip it.
TEST(LetterGuess, RecordReservedForARepeatStaysEmpty) {
  MonoAzul f;
  f.say("B");
  f.say("b");
  f.say("x");
  EXPECT_EQ(f.game.intRegistrosTemp(), 5);
  EXPECT_EQ(f.scratch(), kGiven + record("B", 3) + std::string(3, '\0') + record("x", 3));
  f.boxes.shown.clear();
  f.say("X");
  EXPECT_EQ(f.lastBoxTitle(), "Letra repetida");
  EXPECT_EQ(f.game.intRegistrosTemp(), 6);
  EXPECT_EQ(f.scratch().size(), 15u);
}

TEST(LetterGuess, SpaceIsALetterLikeAnyOther) {
  MonoAzul f;
  f.say(" ");
  EXPECT_EQ(f.game.intFallos(), 0);   // "Mono azul" has one
  GameFixture noSpace({"Mar"});
  noSpace.start('A');
  noSpace.say(" ");
  EXPECT_EQ(noSpace.game.intFallos(), 1);
  EXPECT_EQ(noSpace.game.model().panelText(2), "Letras no acertadas:  ");
}

TEST(LetterGuess, MissesBuildTheGallowsInFiveStages) {
  MonoAzul f;
  const std::vector<std::vector<Piece>> stages = {
      {Piece::linPalo1, Piece::linPalo2, Piece::linPalo3, Piece::linPalo4},
      {Piece::shpCabeza},
      {Piece::linCuerpo},
      {Piece::linPierna1, Piece::linPierna2},
      {Piece::linBrazo1, Piece::linBrazo2}};
  const std::string misses = "xkwqj";
  std::array<bool, kPieceCount> expected{};
  f.boxes.answer(box::kAnswerNo);   // leave after the loss so the last stage stays to be seen
  for (std::size_t i = 0; i < misses.size(); ++i) {
    SCOPED_TRACE(i + 1);
    f.say("n");   // a hit, then repeats: neither adds a piece
    f.boxes.shown.clear();
    f.game.setTxtIntroducir(std::string(1, misses[i]));
    for (Piece p : stages[i]) expected[static_cast<std::size_t>(p)] = true;
    EXPECT_EQ(f.m().piezaVisible, expected);
    EXPECT_EQ(f.game.intFallos(), static_cast<int>(i + 1));
    EXPECT_EQ(f.m().panelText(1), "No es correcto");
    EXPECT_EQ(f.m().panelText(2), "Letras no acertadas: " + misses.substr(0, i + 1));
    EXPECT_TRUE(f.game.blnFallo());
    EXPECT_EQ(f.boxes.shown.empty(), i < 4);   // the fifth miss asks to play again
    f.game.tmrContador_Timer();
  }
  EXPECT_EQ(f.lastBoxTitle(), "Has perdido");
}

}  // namespace
}  // namespace filmotas
