#pragma once
// One game of Filmotas by its rules alone: the title, the cells the player has uncovered,
// the letters said and the misses. Judging a letter or a whole-title answer returns a
// verdict; what the player sees, the boxes and the files belong to the game window.
// Texts here are Windows-1252 codes, one byte a character.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rules/verdict.h"

namespace filmotas {

inline constexpr int kLosingMisses = 5;

// The two options that change how a letter is judged.
struct JudgingOptions {
  bool vowelsAllowed = false;   // "Se pueden decir vocales"
  bool ignoreCase = true;       // a letter uncovers the title's other case too
};

class GameRules {
 public:
  // Starts a game of `title` with `vowel` (one of "AEIOU") given away: it counts as said
  // in both cases and shows wherever the title has it in either case. Spaces show from
  // the start; every other character waits to be uncovered.
  void start(std::string title, char vowel);
  // Leaves no game under way: a new game that found no title, or stopped half-way.
  void stop();

  void setOptions(JudgingOptions options) { options_ = options; }
  const JudgingOptions& options() const { return options_; }

  // Judges `letter`, the codes of what the player typed (empty when it has none). A
  // letter not said before is handed to `writeDown` before it counts: when that throws,
  // the letter has uncovered its cells and nothing else, and may be said again.
  Verdict judgeLetter(std::string_view letter, const std::function<void()>& writeDown = {});
  // One answer ends the game: right only when it is the title, code for code.
  // `answer` is nullopt when it holds a character no title can hold.
  AnswerVerdict judgeAnswer(const std::optional<std::string>& answer);

  // A game has started and has not ended.
  bool underWay() const { return started_ && ending_ == Ending::none; }
  const std::string& title() const { return title_; }
  int length() const { return static_cast<int>(title_.size()); }
  // Cell `cell` (from 1) shows its character: uncovered, a space, or the given vowel.
  bool revealed(int cell) const { return revealed_[static_cast<std::size_t>(cell - 1)]; }
  // Every cell shows its character: the game is won with the next verdict.
  bool complete() const;
  int misses() const { return static_cast<int>(missed_.size()); }
  // The letters said, in order: the given vowel in upper and lower case, then every
  // letter the player got judged as a hit or a miss.
  const std::vector<std::string>& lettersSaid() const { return said_; }
  const std::vector<std::string>& missedLetters() const { return missed_; }

 private:
  bool wasSaid(std::uint8_t code) const;
  bool inTitle(std::uint8_t code) const;
  std::vector<int> uncover(std::uint8_t code);
  Ending endingNow() const;

  std::string title_;
  std::vector<bool> revealed_;
  std::vector<std::string> said_;
  std::vector<std::string> missed_;
  JudgingOptions options_;
  bool started_ = false;
  Ending ending_ = Ending::none;
};

}  // namespace filmotas
