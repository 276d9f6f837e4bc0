// The game's events, told to every subscriber as they happen.
#include "engine/frm_filmotas.h"

namespace filmotas {

namespace {

class SystemClock : public Clock {
 public:
  std::chrono::system_clock::time_point now() override { return std::chrono::system_clock::now(); }
};

}  // namespace

Clock& systemClock() {
  static SystemClock clock;
  return clock;
}

BoardView FrmFilmotas::board() const {
  BoardView view;
  for (std::size_t i = 0; i < titleCodes_.size() && i < revealed_.size(); ++i) {
    view.captions.push_back(model_.lblCaracter[i]);
    view.hidden.push_back(!revealed_[i]);
  }
  view.misses = intFallos_;
  view.missedLetters = missedLetters_;
  return view;
}

void FrmFilmotas::announceStart() {
  gameStartedAt_ = clock_.now();
  endAnnounced_ = false;
  lettersJudged_.clear();
  missedLetters_.clear();
  tell(&GameEvents::gameStarted, GameStarted{strPelícula, strVocal, board()});
}

void FrmFilmotas::announceLetter(const std::string& letter, LetterOutcome outcome, std::vector<int> uncovered) {
  if (outcome == LetterOutcome::hit || outcome == LetterOutcome::miss) lettersJudged_.push_back(letter);
  if (outcome == LetterOutcome::miss) missedLetters_.push_back(letter);
  tell(&GameEvents::letterJudged, LetterJudged{letter, outcome, std::move(uncovered), board()});
}

void FrmFilmotas::announceEnd(GameResult result) {
  if (!gameUnderWay_ || endAnnounced_) return;
  endAnnounced_ = true;
  const auto now = clock_.now();
  GameEnded ended{result, strPelícula, intFallos_, lettersJudged_, now,
                  std::chrono::duration_cast<std::chrono::seconds>(now - gameStartedAt_)};
  tell(&GameEvents::gameEnded, ended);
}

}  // namespace filmotas
