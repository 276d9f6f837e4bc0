#include "rules/game_rules.h"

#include <algorithm>

#include "rules/letter_case.h"

namespace filmotas {

namespace {

constexpr std::uint8_t kCaseDistance = 32;   // "A" 65, "a" 97

bool isPlainVowel(std::string_view letter) {
  return letter.size() == 1 && std::string_view("AaEeIiOoUu").find(letter[0]) != std::string_view::npos;
}

std::uint8_t codeOf(std::string_view letter) { return static_cast<std::uint8_t>(letter[0]); }

// The letter itself, or its other case: whether the option ignores case or not.
bool sameLetter(std::uint8_t candidate, std::uint8_t code) {
  const auto partner = partnerCode(code);
  return candidate == code || (partner && candidate == *partner);
}

}  // namespace

void GameRules::start(std::string title, char vowel) {
  title_ = std::move(title);
  const auto upper = static_cast<std::uint8_t>(vowel);
  const auto lower = static_cast<std::uint8_t>(upper + kCaseDistance);
  revealed_.assign(title_.size(), false);
  for (std::size_t i = 0; i < title_.size(); ++i) {
    const auto code = static_cast<std::uint8_t>(title_[i]);
    revealed_[i] = code == upper || code == lower || code == ' ' || code == 0;
  }
  said_ = {std::string(1, static_cast<char>(upper)), std::string(1, static_cast<char>(lower))};
  missed_.clear();
  started_ = true;
  ending_ = Ending::none;
}

void GameRules::stop() {
  title_.clear();
  revealed_.clear();
  said_.clear();
  missed_.clear();
  started_ = false;
  ending_ = Ending::none;
}

Verdict GameRules::judgeLetter(std::string_view letter, const std::function<void()>& writeDown) {
  if (!underWay()) return {Judged::noGame, {}, misses()};
  if (!options_.vowelsAllowed && isPlainVowel(letter)) return {Judged::vowelRefused, {}, misses()};
  if (letter.empty()) return {Judged::notALetter, {}, misses()};

  const std::uint8_t code = codeOf(letter);
  Verdict verdict{Judged::repeated, uncover(code), misses()};
  if (!wasSaid(code)) {
    if (writeDown) writeDown();
    said_.emplace_back(letter);
    verdict.judged = inTitle(code) ? Judged::hit : Judged::miss;
    if (verdict.judged == Judged::miss) missed_.emplace_back(letter);
    verdict.misses = misses();
  }
  // A repeat in the other case can uncover the last hidden cells: that wins too.
  ending_ = verdict.ending = endingNow();
  return verdict;
}

AnswerVerdict GameRules::judgeAnswer(const std::optional<std::string>& answer) {
  if (!underWay()) return AnswerVerdict::noGame;
  const bool right = answer && *answer == title_;
  ending_ = right ? Ending::won : Ending::lost;
  return right ? AnswerVerdict::right : AnswerVerdict::wrong;
}

// A hyphen in the title is a character like any other: it shows "-" before and after.
bool GameRules::complete() const {
  return std::all_of(revealed_.begin(), revealed_.end(), [](bool shown) { return shown; });
}

// Case never matters here: "b" after "B" is a repeat whatever the option says.
bool GameRules::wasSaid(std::uint8_t code) const {
  return std::any_of(said_.begin(), said_.end(), [code](const std::string& said) { return sameLetter(codeOf(said), code); });
}

bool GameRules::inTitle(std::uint8_t code) const {
  return std::any_of(title_.begin(), title_.end(), [code](char c) { return sameLetter(static_cast<std::uint8_t>(c), code); });
}

// Every cell holding the letter; its other case too when the option ignores case.
std::vector<int> GameRules::uncover(std::uint8_t code) {
  const auto partner = options_.ignoreCase ? partnerCode(code) : std::nullopt;
  std::vector<int> uncovered;
  for (std::size_t i = 0; i < title_.size(); ++i) {
    const auto c = static_cast<std::uint8_t>(title_[i]);
    if (c != code && !(partner && c == *partner)) continue;
    if (!revealed_[i]) uncovered.push_back(static_cast<int>(i) + 1);
    revealed_[i] = true;
  }
  return uncovered;
}

Ending GameRules::endingNow() const {
  if (misses() >= kLosingMisses) return Ending::lost;
  return complete() ? Ending::won : Ending::none;
}

}  // namespace filmotas
