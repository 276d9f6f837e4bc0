#pragma once
// One game of the player's record as a line of "Historial.tsv": when it ended, how, its
// misses, the letters judged, how long it took and the title, separated by tabs. The title
// comes last so that whatever it holds is kept.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "engine/game_events.h"

namespace filmotas {

inline constexpr const char* kHistoryFile = "Historial.tsv";
inline constexpr std::string_view kHistoryHeader = "fecha\tresultado\tfallos\tletras\tsegundos\ttítulo\n";
// The longest game a line may tell: a clock that jumped cannot write more.
inline constexpr std::int64_t kMostSeconds = 9'999'999'999;

struct GameLine {
  std::string_view date;     // ISO 8601 local time with its offset
  GameResult result = GameResult::won;
  int misses = 0;            // 5 for a lost game, 0 to 4 for every other
  std::string_view letters;  // every hit and miss as typed, in order, no separator
  std::int64_t seconds = 0;  // from the game's start to its end
  std::string_view title;    // UTF-8
};

// The result as the file says it: "ganada", "perdida", "acertada", "fallada", "abandonada".
std::string_view resultWord(GameResult result);

// The line of one game, ended by LF. A tab or line break in the letters or the title is
// written as a space; the seconds are kept within 0 and kMostSeconds.
std::string formatLine(const GameLine& game);

// The game a line holds (given without its LF), or nothing when the line cannot be read:
// another number of fields, an unknown result, misses that the result cannot have, a
// date that is not one, seconds that are not a whole number in range.
std::optional<GameLine> parseLine(std::string_view line);

// Calls `game` for every readable game in a record file's bytes, in the file's order,
// and returns how many lines could not be read. The header is skipped wherever it is;
// a last line without its LF was cut short by a crash and counts as unreadable.
int readGames(std::string_view bytes, const std::function<void(const GameLine&)>& game);

}  // namespace filmotas
