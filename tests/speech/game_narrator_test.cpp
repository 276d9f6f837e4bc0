// What a screen reader is told of a game: each event's sentence with its singulars, the
// board read out, and a real game heard from start to end.
#include <gtest/gtest.h>

#include "speech/game_narrator.h"
#include "speech/sentences.h"
#include "support/fakes.h"

namespace filmotas::speech {
namespace {

// A board from a pattern: "_" a hidden cell, anything else a shown caption.
BoardView board(const std::string& pattern) {
  BoardView b;
  for (char c : pattern) {
    b.captions.push_back(c == '_' ? "-" : std::string(1, c));
    b.hidden.push_back(c == '_');
  }
  return b;
}

// What the real game below does not say: spaces around a title's one word, one letter to
// find, and a hyphen the title shows, which is no gap.
TEST(Sentences, SingularsAndAShownHyphen) {
  EXPECT_EQ(newGameSentence({"  Up ", "U", board("  U_ ")}),
            "Nueva película: 1 palabra, 1 letra por descubrir. Vocal regalada: U.");
  EXPECT_EQ(boardSentence(board("_-_")), "hueco, -, hueco. Fallos: 0 de 5.");
}

struct Heard : ReaderPort {
  void announce(const std::string& sentence) override { said.push_back(sentence); }
  void boardIs(const std::string& sentence) override { boards.push_back(sentence); }
  std::vector<std::string> said, boards;
};

// "Mono azul" with the O given away, vowels allowed and case ignored, as the game tells it:
// a hit, a repeat, a miss, the board asked for, then the last letters win and "Sí" starts
// "DOS".
TEST(GameNarrator, HearsARealGame) {
  testing::GameFixture f({"Mono azul", "DOS"}, testing::settingsFile("0", "1", "1"));
  Heard heard;
  GameNarrator narrator(heard);
  EXPECT_EQ(narrator.board(), kNoGame);
  f.game.subscribe(narrator);
  f.start('O');
  f.nextGame('O', 2);
  for (const char* letter : {"m", "M", "K"}) f.say(letter);
  const std::string asked = "M, o, hueco, o, espacio, hueco, hueco, hueco, hueco. Fallos: 1 de 5: K.";
  narrator.readBoard();
  EXPECT_EQ(narrator.latest(), asked);
  for (const char* letter : {"n", "a", "z", "u", "l"}) f.say(letter);
  EXPECT_EQ(heard.said, (std::vector<std::string>{
      "Nueva película: 2 palabras, 6 letras por descubrir. Vocal regalada: O.",
      "Sí, la m está. Quedan 5 letras por descubrir.", "No, la K no está. Fallos: 1 de 5.", asked,
      "Sí, la n está. Quedan 4 letras por descubrir.", "Sí, la a está. Quedan 3 letras por descubrir.",
      "Sí, la z está. Quedan 2 letras por descubrir.", "Sí, la u está. Queda 1 letra por descubrir.",
      "Sí, la l está. Ya no quedan letras por descubrir.",
      "Nueva película: 1 palabra, 2 letras por descubrir. Vocal regalada: O."}));
  // The won board, none while the play-again box is open, then the next game's.
  EXPECT_EQ(std::vector<std::string>(heard.boards.end() - 3, heard.boards.end()),
            (std::vector<std::string>{"M, o, n, o, espacio, a, z, u, l. Fallos: 1 de 5: K.", kNoGame,
                                      "hueco, O, hueco. Fallos: 0 de 5."}));
}

}  // namespace
}  // namespace filmotas::speech
