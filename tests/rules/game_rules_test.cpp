// The rules without files or boxes: a title and letters in, verdicts and the board out.
#include <gtest/gtest.h>

#include <stdexcept>

#include "rules/game_rules.h"
#include "rules/letter_case.h"

namespace filmotas {
namespace {

// A verdict in a few characters: "hit 1 2", "miss 3", "repeated 1 won", "vowel", ...
std::string describe(const Verdict& v) {
  static const char* const kJudged[] = {"no game", "not a letter", "vowel", "repeated", "hit", "miss"};
  std::string out = kJudged[static_cast<int>(v.judged)];
  for (int cell : v.uncovered) out += " " + std::to_string(cell);
  if (v.judged == Judged::miss) out += " (" + std::to_string(v.misses) + ")";
  if (v.ending != Ending::none) out += v.ending == Ending::won ? " won" : " lost";
  return out;
}

// The title as the player sees it: hidden cells as "-".
std::string board(const GameRules& game) {
  std::string out = game.title();
  for (int cell = 1; cell <= game.length(); ++cell) {
    if (!game.revealed(cell)) out[static_cast<std::size_t>(cell - 1)] = '-';
  }
  return out;
}

struct Game {
  std::string title;
  char vowel;
  JudgingOptions options;
  std::vector<std::string> letters;
  std::vector<std::string> verdicts;
  std::string board;
};

constexpr JudgingOptions kDefaults{};                  // vowels refused, case ignored
constexpr JudgingOptions kVowels{true, true};
constexpr JudgingOptions kCaseCounts{true, false};

TEST(GameRules, LettersInVerdictsOut) {
  const Game games[] = {
      {"Mono azul", 'A', kDefaults, {"m", "x", "M", "a", "E", "i", "O", "u", "z"},
       {"hit 1", "miss (1)", "repeated", "vowel", "vowel", "vowel", "vowel", "vowel", "hit 7"}, "M--- az--"},
      // Case counted: "m" is a hit that uncovers nothing; "M" uncovers it and is a repeat.
      {"Mono azul", 'O', kCaseCounts, {"m", "M", "o", "A"}, {"hit", "repeated 1", "repeated", "hit"}, "Mo-o ----"},
      {"Mm", 'A', kCaseCounts, {"m", "M"}, {"hit 2", "repeated 1 won"}, "Mm"},
      // The fifth miss loses.
      {"Mono azul", 'A', kDefaults, {"x", "k", "W", "q", "j"},
       {"miss (1)", "miss (2)", "miss (3)", "miss (4)", "miss (5) lost"}, "---- a---"},
      // Real Windows-1252 pairs: "!" is no "A", "á" uncovers "Á"; a hyphen is said like a letter.
      {"\xC1LAMO-M\xC1S!", 'E', kVowels, {"!", "\xE1", "l", "a", "m", "o", "s", "-"},
       {"hit 10", "hit 1 8", "hit 2", "hit 3", "hit 4 7", "hit 5", "hit 9", "hit 6 won"}, "\xC1LAMO-M\xC1S!"},
      // Shown whole from the start (blanks, a code 0 among them, and the given vowel): the
      // first verdict wins.
      {std::string("A a\0", 4), 'A', kDefaults, {"x"}, {"miss (1) won"}, std::string("A a\0", 4)},
      {"", 'U', kDefaults, {"k"}, {"miss (1) won"}, ""},
      // Characters no file can hold arrive empty; accented vowels are letters, not the given one.
      {"Caf\xE9", 'E', kDefaults, {"", "\xE9", "\xC9"}, {"not a letter", "hit 4", "repeated"}, "---\xE9"},
      // The given vowel counts as said in both cases; a space is judged like a letter.
      {"la casa", 'A', kVowels, {"A", " ", " ", "l"}, {"repeated", "hit", "repeated", "hit 1"}, "la -a-a"},
      // The given vowel shows in the title's case; all else but blanks hides.
      {"Los 3 a\xF1os: fin", 'O', kDefaults, {}, {}, "-o- - --o-- ---"},
      // After the end nothing more is judged.
      {"Ok", 'O', kDefaults, {"x", "k", "y"}, {"miss (1)", "hit 2 won", "no game"}, "Ok"},
  };
  for (const Game& g : games) {
    SCOPED_TRACE(g.title);
    GameRules game;
    game.setOptions(g.options);
    game.start(g.title, g.vowel);
    std::vector<std::string> verdicts;
    for (const std::string& letter : g.letters) verdicts.push_back(describe(game.judgeLetter(letter)));
    EXPECT_EQ(verdicts, g.verdicts);
    EXPECT_EQ(board(game), g.board);
  }
}

TEST(GameRules, LettersSaidAndMissedInTheirOrder) {
  GameRules game;
  game.start("Mono azul", 'A');
  for (const char* letter : {"x", "m", "X", "k"}) game.judgeLetter(letter);
  EXPECT_EQ(game.lettersSaid(), (std::vector<std::string>{"A", "a", "x", "m", "k"}));
  EXPECT_EQ(game.missedLetters(), (std::vector<std::string>{"x", "k"}));
  EXPECT_EQ(game.misses(), 2);
}

// A letter that cannot be written down has uncovered its cells and nothing more.
TEST(GameRules, LetterThatCannotBeWrittenDownDoesNotCount) {
  GameRules game;
  game.start("Mono azul", 'A');
  const auto failing = [] { throw std::runtime_error("disco lleno"); };
  EXPECT_THROW(game.judgeLetter("m", failing), std::runtime_error);
  EXPECT_THROW(game.judgeLetter("x", failing), std::runtime_error);
  EXPECT_EQ(board(game), "M--- a---");
  EXPECT_EQ(game.misses(), 0);
  EXPECT_EQ(describe(game.judgeLetter("x")), "miss (1)");
  EXPECT_EQ(describe(game.judgeLetter("m")), "hit");
}

TEST(GameRules, NothingIsJudgedWithoutAGame) {
  GameRules game;
  EXPECT_EQ(game.judgeLetter("x").judged, Judged::noGame);
  EXPECT_EQ(game.judgeAnswer(std::string()), AnswerVerdict::noGame);
  game.start("Mono azul", 'A');
  game.stop();
  EXPECT_EQ(game.judgeLetter("x").judged, Judged::noGame);
  EXPECT_EQ(board(game), "");
}

TEST(GameRules, OnlyTheExactTitleAnswersRightAndAnyAnswerEndsTheGame) {
  const std::pair<std::optional<std::string>, AnswerVerdict> answers[] = {
      {"Mono azul", AnswerVerdict::right}, {"mono azul", AnswerVerdict::wrong},
      {"Mono azul ", AnswerVerdict::wrong}, {std::nullopt, AnswerVerdict::wrong}};
  for (const auto& [answer, verdict] : answers) {
    GameRules game;
    game.start("Mono azul", 'A');
    EXPECT_EQ(game.judgeAnswer(answer), verdict) << answer.value_or("(nullopt)");
    EXPECT_FALSE(game.underWay());
  }
  GameRules empty;
  empty.start("", 'E');
  EXPECT_EQ(empty.judgeAnswer(std::string()), AnswerVerdict::right);
}

// Small and capital letters pair both ways (a z à á þ š œ ž ÿ); ÷ × ß and the rest have none.
TEST(PartnerCode, OnlyRealCasePairs) {
  const std::string pairs = "aAzZ\xE0\xC0\xE1\xC1\xFE\xDE\x9A\x8A\x9C\x8C\x9E\x8E\xFF\x9F";
  for (std::size_t i = 0; i < pairs.size(); i += 2) {
    const auto small = std::uint8_t(pairs[i]), capital = std::uint8_t(pairs[i + 1]);
    EXPECT_EQ(std::pair(partnerCode(small), partnerCode(capital)), std::pair(std::optional(capital), std::optional(small)))
        << int(small);
  }
  for (const char none : std::string("!-0\xF7\xD7\xDF")) EXPECT_FALSE(partnerCode(std::uint8_t(none))) << int(none);
}

}  // namespace
}  // namespace filmotas
