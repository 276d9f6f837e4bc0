#include "history/game_line.h"

#include <algorithm>
#include <array>

#include "history/local_date.h"

namespace filmotas {

namespace {

constexpr std::array<std::pair<GameResult, std::string_view>, 5> kResultWords = {{
    {GameResult::won, "ganada"},
    {GameResult::lost, "perdida"},
    {GameResult::answerRight, "acertada"},
    {GameResult::answerWrong, "fallada"},
    {GameResult::abandoned, "abandonada"},
}};
constexpr int kLosingMisses = 5;

// Tabs and line breaks would split the line: they become spaces.
void appendField(std::string& line, std::string_view text) {
  for (const char c : text) line += (c == '\t' || c == '\n' || c == '\r') ? ' ' : c;
}

std::optional<GameResult> resultOf(std::string_view word) {
  for (const auto& [result, name] : kResultWords) {
    if (name == word) return result;
  }
  return std::nullopt;
}

// The fifth miss loses; no other ending can have it.
std::optional<int> missesOf(std::string_view text, GameResult result) {
  if (text.size() != 1 || text[0] < '0' || text[0] > '5') return std::nullopt;
  const int misses = text[0] - '0';
  if ((result == GameResult::lost) != (misses == kLosingMisses)) return std::nullopt;
  return misses;
}

std::optional<std::int64_t> secondsOf(std::string_view text) {
  if (text.empty() || text.size() > 10) return std::nullopt;
  std::int64_t seconds = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    seconds = seconds * 10 + (c - '0');
  }
  return seconds;
}

// Takes a line's fields from left to right, each up to its tab. The short fields are
// looked through by hand: on a record of many games a search call per field costs more
// than the field.
class FieldReader {
 public:
  explicit FieldReader(std::string_view line) : rest_(line) {}

  // The date: 25 characters with an offset, 20 with "Z".
  bool date(std::string_view& out) {
    for (const std::size_t length : {kDateLength, kDateLength - 5}) {
      if (rest_.size() > length && rest_[length] == '\t') return take(length, out);
    }
    return false;
  }
  // A field of at most `most` characters.
  bool shortField(std::string_view& out, std::size_t most) {
    for (std::size_t i = 0; i < rest_.size() && i <= most; ++i) {
      if (rest_[i] == '\t') return take(i, out);
    }
    return false;
  }
  bool field(std::string_view& out) {
    const std::size_t tab = rest_.find('\t');
    return tab != std::string_view::npos && take(tab, out);
  }
  // The last field: the rest of the line, with no tab in it.
  bool last(std::string_view& out) {
    out = rest_;
    return rest_.find('\t') == std::string_view::npos;
  }

 private:
  static constexpr std::size_t kDateLength = 25;

  bool take(std::size_t length, std::string_view& out) {
    out = rest_.substr(0, length);
    rest_.remove_prefix(length + 1);
    return true;
  }

  std::string_view rest_;
};

}  // namespace

std::string_view resultWord(GameResult result) {
  for (const auto& [r, name] : kResultWords) {
    if (r == result) return name;
  }
  return {};
}

std::string formatLine(const GameLine& game) {
  const std::int64_t seconds = std::clamp<std::int64_t>(game.seconds, 0, kMostSeconds);
  std::string line;
  line.reserve(game.date.size() + game.letters.size() + game.title.size() + 32);
  line.append(game.date).append("\t").append(resultWord(game.result)).append("\t");
  line.append(std::to_string(game.misses)).append("\t");
  appendField(line, game.letters);
  line.append("\t").append(std::to_string(seconds)).append("\t");
  appendField(line, game.title);
  line += '\n';
  return line;
}

std::optional<GameLine> parseLine(std::string_view line) {
  FieldReader fields(line);
  std::string_view date, word, missText, letters, secondText, title;
  if (!fields.date(date) || !fields.shortField(word, 10) || !fields.shortField(missText, 1) ||
      !fields.field(letters) || !fields.shortField(secondText, 10) || !fields.last(title) || !isIsoLocalDate(date)) {
    return std::nullopt;
  }
  const auto result = resultOf(word);
  if (!result) return std::nullopt;
  const auto misses = missesOf(missText, *result);
  const auto seconds = secondsOf(secondText);
  if (!misses || !seconds) return std::nullopt;
  return GameLine{date, *result, *misses, letters, *seconds, title};
}

int readGames(std::string_view bytes, const std::function<void(const GameLine&)>& game) {
  static constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
  const std::string_view header = kHistoryHeader.substr(0, kHistoryHeader.size() - 1);
  int unreadable = 0;
  while (!bytes.empty()) {
    const std::size_t end = bytes.find('\n');
    std::string_view line = bytes.substr(0, end);
    bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    if (end == std::string_view::npos) {   // cut short: the append that wrote it never ended
      ++unreadable;
      break;
    }
    if (line.ends_with('\r')) line.remove_suffix(1);   // an editor's CR LF
    if (line == header || line.empty()) continue;
    if (const auto parsed = parseLine(line)) {
      game(*parsed);
    } else {
      ++unreadable;
    }
  }
  return unreadable;
}

}  // namespace filmotas
