#pragma once
// What happened in a game, as typed events. Features that need to know (the record of
// games, what a screen reader is told) subscribe here; nothing reads the state of a game
// from the sentences on the screen.
#include <chrono>
#include <string>
#include <vector>

namespace filmotas {

// The board as the player sees it after an event: one entry per title cell.
struct BoardView {
  std::vector<std::string> captions;   // UTF-8, as each cell shows it (" " for a space)
  std::vector<bool> hidden;            // true while the cell's character is still to be found
  int misses = 0;                      // 0..5
  std::vector<std::string> missedLetters;   // as typed, in the order said

  int hiddenCount() const {
    int n = 0;
    for (bool h : hidden) n += h ? 1 : 0;
    return n;
  }
};

// How a letter was judged.
enum class LetterOutcome {
  notALetter,     // a character no data file could hold: dropped
  vowelRefused,   // vowels may not be said
  repeated,       // said before in this game, in either case
  hit,            // in the title (it may uncover no cell when case is not ignored)
  miss,           // not in the title: one more piece of the gallows
};

struct GameStarted {
  std::string title;   // UTF-8
  std::string vowel;   // the vowel given away, as the status bar shows it ("O")
  BoardView board;
};

struct LetterJudged {
  std::string letter;        // UTF-8, as typed
  LetterOutcome outcome;
  std::vector<int> uncovered;   // cells (1-based) this letter uncovered
  BoardView board;              // after the letter
};

struct AnswerJudged {
  std::string answer;   // UTF-8, as typed
  bool right = false;
};

enum class GameResult {
  won,            // every cell uncovered
  lost,           // the fifth miss
  answerRight,    // the whole-title answer was right
  answerWrong,    // the whole-title answer was wrong
  abandoned,      // a new game started, or the window closed, while this one was under way
};

struct GameEnded {
  GameResult result;
  std::string title;                 // UTF-8
  int misses = 0;
  std::vector<std::string> lettersJudged;   // every hit or miss, in order, as typed
  std::chrono::system_clock::time_point endedAt;
  std::chrono::seconds duration{0};  // from the game's start to its end, whole seconds
};

// A subscriber overrides what it needs; events arrive in the order they happen, each
// game's GameEnded (if any) before the next game's GameStarted.
class GameEvents {
 public:
  virtual ~GameEvents() = default;
  virtual void gameStarted(const GameStarted&) {}
  virtual void letterJudged(const LetterJudged&) {}
  virtual void answerJudged(const AnswerJudged&) {}
  virtual void gameEnded(const GameEnded&) {}
};

}  // namespace filmotas
