// The game's events, told to every subscriber as they happen.
#include "engine/frm_filmotas.h"
#include "files/windows1252.h"

namespace filmotas {

namespace {

class SystemClock : public Clock {
 public:
  std::chrono::system_clock::time_point now() override { return std::chrono::system_clock::now(); }
};

std::vector<std::string> decoded(std::vector<std::string>::const_iterator from,
                                 std::vector<std::string>::const_iterator to) {
  std::vector<std::string> out;
  for (; from != to; ++from) out.push_back(windows1252::decode(*from));
  return out;
}

}  // namespace

Clock& systemClock() {
  static SystemClock clock;
  return clock;
}

BoardView FrmFilmotas::board() const {
  BoardView view;
  for (int cell = 1; cell <= rules_.length(); ++cell) {
    view.captions.push_back(model_.cell(cell));
    view.hidden.push_back(!rules_.revealed(cell));
  }
  view.misses = rules_.misses();
  const auto& missed = rules_.missedLetters();
  view.missedLetters = decoded(missed.begin(), missed.end());
  return view;
}

void FrmFilmotas::announceStart() {
  gameStartedAt_ = clock_.now();
  tell(&GameEvents::gameStarted, GameStarted{title(), givenVowel_, board()});
}

void FrmFilmotas::announceLetter(const std::string& letter, LetterOutcome outcome, std::vector<int> uncovered) {
  tell(&GameEvents::letterJudged, LetterJudged{letter, outcome, std::move(uncovered), board()});
}

// A won, lost or answered game is told by the verdict that ended it; a game still under
// way when a new one starts or the window closes is told abandoned.
void FrmFilmotas::announceEnd(GameResult result) {
  if (result == GameResult::abandoned && !rules_.underWay()) return;
  const auto& said = rules_.lettersSaid();   // the given vowel's two records first
  const auto now = clock_.now();
  GameEnded ended{result, title(), rules_.misses(), decoded(said.begin() + std::min<std::ptrdiff_t>(2, std::ssize(said)), said.end()),
                  now, std::chrono::duration_cast<std::chrono::seconds>(now - gameStartedAt_)};
  tell(&GameEvents::gameEnded, ended);
}

}  // namespace filmotas
