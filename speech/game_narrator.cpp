#include "speech/game_narrator.h"

#include "speech/sentences.h"

namespace filmotas::speech {

GameNarrator::GameNarrator(ReaderPort& reader) : reader_(reader), board_(kNoGame) {}

void GameNarrator::gameStarted(const GameStarted& started) {
  setBoard(boardSentence(started.board));
  say(newGameSentence(started));
}

void GameNarrator::letterJudged(const LetterJudged& judged) {
  setBoard(boardSentence(judged.board));
  std::string sentence = letterSentence(judged);
  if (!sentence.empty()) say(std::move(sentence));
}

// Won, lost, answered or abandoned: the play-again box tells the rest, and until another
// game starts there is no board to read.
void GameNarrator::gameEnded(const GameEnded&) { setBoard(kNoGame); }

void GameNarrator::readBoard() { say(board_); }

void GameNarrator::say(std::string sentence) {
  latest_ = std::move(sentence);
  reader_.announce(latest_);
}

void GameNarrator::setBoard(std::string sentence) {
  if (sentence == board_) return;
  board_ = std::move(sentence);
  reader_.boardIs(board_);
}

}  // namespace filmotas::speech
