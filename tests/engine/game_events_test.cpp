// What subscribers hear of a game: its start, each letter's verdict with the board after
// it, the answer, and how and when the game ended.
#include <gtest/gtest.h>

#include "support/fakes.h"

namespace filmotas {
namespace {

using namespace testing;
using namespace std::chrono_literals;

// Each event as one line, so a whole game compares at once.
struct Transcript : GameEvents {
  static std::string join(const std::vector<std::string>& parts) {
    std::string out;
    for (const auto& p : parts) out += p;
    return out;
  }
  static std::string shown(const BoardView& b) {
    std::string out;
    for (std::size_t i = 0; i < b.captions.size(); ++i) out += b.hidden[i] ? "_" : b.captions[i];
    return out + " " + std::to_string(b.misses) + join(b.missedLetters);
  }
  void gameStarted(const GameStarted& e) override { lines.push_back("start " + e.title + " " + e.vowel + " " + shown(e.board)); }
  void letterJudged(const LetterJudged& e) override {
    static const char* kNames[] = {"notALetter", "vowelRefused", "repeated", "hit", "miss"};
    std::string cells;
    for (int c : e.uncovered) cells += std::to_string(c);
    lines.push_back(e.letter + " " + kNames[static_cast<int>(e.outcome)] + " " + cells + " " + shown(e.board));
  }
  void answerJudged(const AnswerJudged& e) override { lines.push_back("answer " + e.answer + (e.right ? " right" : " wrong")); }
  void gameEnded(const GameEnded& e) override {
    static const char* kNames[] = {"won", "lost", "answerRight", "answerWrong", "abandoned"};
    lines.push_back(std::string("end ") + kNames[static_cast<int>(e.result)] + " " + e.title + " " +
                    std::to_string(e.misses) + " " + join(e.lettersJudged) + " " + std::to_string(e.duration.count()) + "s");
  }
  std::vector<std::string> lines;
};

// "Mono azul" with the A given away, vowels allowed and case ignored; the next game draws
// "DOS" with the O.
struct Played : GameFixture {
  Played() : GameFixture({"Mono azul", "DOS"}, settingsFile("1", "1", "1")) {
    game.subscribe(heard);
    start('A');
    nextGame('O', 2);
  }
  void sayAll(std::initializer_list<const char*> letters) {
    for (const char* l : letters) say(l);
  }
  Transcript heard;
};

TEST(GameEvents, EveryVerdictWithTheBoardAfterIt) {
  Played f;
  f.sayAll({"m", "x", "M", "ж", "o"});
  f.clock.at += 7s;
  f.sayAll({"n", "z", "u", "l"});   // the win; Yes starts "DOS"
  EXPECT_EQ(f.heard.lines, (std::vector<std::string>{
      "start Mono azul A ____ a___ 0", "m hit 1 M___ a___ 0", "x miss  M___ a___ 1x",
      "M repeated  M___ a___ 1x", "ж notALetter  M___ a___ 1x", "o hit 24 Mo_o a___ 1x",
      "n hit 3 Mono a___ 1x", "z hit 7 Mono az__ 1x", "u hit 8 Mono azu_ 1x", "l hit 9 Mono azul 1x",
      "end won Mono azul 1 mxonzul 7s", "start DOS O _O_ 0"}));
}

// How a game ends, heard once: the play-again "Sí" that follows starts the next game
// without an abandoned game between them.
TEST(GameEvents, EachEndingOnceThenTheNextGame) {
  const struct { std::function<void(Played&)> play; std::vector<std::string> tail; } cases[] = {
      {[](Played& f) { f.sayAll({"x", "k", "w", "q", "j"}); },
       {"j miss  ____ a___ 5xkwqj", "end lost Mono azul 5 xkwqj 0s", "start DOS O _O_ 0"}},
      {[](Played& f) { f.game.setChkResponder(1); f.game.setTxtResponder("Mono azul"); f.game.cmdAceptar_Click(); },
       {"answer Mono azul right", "end answerRight Mono azul 0  0s", "start DOS O _O_ 0"}},
      {[](Played& f) { f.say("k"); f.game.setChkResponder(1); f.game.setTxtResponder("Mono"); f.game.cmdAceptar_Click(); },
       {"answer Mono wrong", "end answerWrong Mono azul 1 k 0s", "start DOS O _O_ 0"}},
      {[](Played& f) { f.say("m"); f.game.NuevaPartida(); },
       {"end abandoned Mono azul 0 m 0s", "start DOS O _O_ 0"}},
      {[](Played& f) { f.game.Form_QueryUnload(); }, {"end abandoned Mono azul 0  0s"}},
      {[](Played& f) { f.sayAll({"x", "k", "w", "q"}); f.boxes.answer(box::kAnswerNo); f.say("j"); },
       {"j miss  ____ a___ 5xkwqj", "end lost Mono azul 5 xkwqj 0s"}},
  };
  for (const auto& c : cases) {
    Played f;
    c.play(f);
    const auto& lines = f.heard.lines;
    ASSERT_GE(lines.size(), c.tail.size());
    EXPECT_EQ(std::vector<std::string>(lines.end() - static_cast<std::ptrdiff_t>(c.tail.size()), lines.end()), c.tail);
  }
}

}  // namespace
}  // namespace filmotas
