#pragma once
// What judging a letter or a whole-title answer decided.
#include <vector>

namespace filmotas {

enum class Judged {
  noGame,         // no game under way: there is nothing to judge against
  notALetter,     // a character no data file could hold
  vowelRefused,   // a plain vowel while vowels may not be said
  repeated,       // said before in this game, in either case (it may still uncover cells)
  hit,            // in the title in either case; it uncovers nothing when the title has only
                  // the other case and case counts
  miss,           // not in the title: one more stage of the gallows
};

enum class Ending { none, won, lost };

struct Verdict {
  Judged judged = Judged::noGame;
  std::vector<int> uncovered;   // cells (from 1) that this letter uncovered
  int misses = 0;               // the game's misses after this letter
  Ending ending = Ending::none;  // the game ended with this letter
  bool operator==(const Verdict&) const = default;
};

enum class AnswerVerdict { noGame, right, wrong };

}  // namespace filmotas
