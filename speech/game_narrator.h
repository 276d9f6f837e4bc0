#pragma once
// Tells a screen reader what happens in a game: subscribed to the game's events, it keeps
// the latest sentence and the board read out, and hands each new one to the reader's side.
#include <string>

#include "engine/game_events.h"

namespace filmotas::speech {

// The screen reader's side: the window puts the sentences where the reader finds them.
class ReaderPort {
 public:
  virtual ~ReaderPort() = default;
  // A sentence to be spoken now.
  virtual void announce(const std::string& sentence) = 0;
  // The board as read out, whenever it changes.
  virtual void boardIs(const std::string& sentence) = 0;
};

class GameNarrator : public GameEvents {
 public:
  // The board starts with no game under way; `reader` must outlive the narrator.
  explicit GameNarrator(ReaderPort& reader);

  void gameStarted(const GameStarted& started) override;
  void letterJudged(const LetterJudged& judged) override;
  void gameEnded(const GameEnded& ended) override;

  // "&Leer el tablero": the board is announced as it stands.
  void readBoard();

  const std::string& latest() const { return latest_; }
  const std::string& board() const { return board_; }

 private:
  void say(std::string sentence);
  void setBoard(std::string sentence);

  ReaderPort& reader_;
  std::string latest_;
  std::string board_;
};

}  // namespace filmotas::speech
