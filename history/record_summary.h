#pragma once
// What the statistics window shows of the player's record: the counts, the streaks, the
// chart's bars, the last games and the titles that beat him most.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "engine/game_events.h"

namespace filmotas {

inline constexpr std::size_t kLastGamesShown = 100;
inline constexpr std::size_t kBeatenByShown = 5;
// The chart: games won with 0, 1, 2, 3 and 4 misses, then the games lost.
inline constexpr std::size_t kChartBars = 6;
inline constexpr std::size_t kLostBar = 5;

struct ShownGame {
  std::string date;    // as the record holds it
  GameResult result;
  int misses;
  std::string title;
  bool operator==(const ShownGame&) const = default;
};

struct BeatenBy {
  std::string title;
  int times;
  bool operator==(const BeatenBy&) const = default;
};

struct RecordSummary {
  int played = 0;        // every game recorded, abandoned ones included
  int won = 0;           // every cell uncovered, or the answer right
  int currentStreak = 0; // games won in a row up to the last one
  int bestStreak = 0;
  int abandoned = 0;
  int unreadable = 0;    // lines that could not be read
  std::array<int, kChartBars> chart{};
  std::vector<ShownGame> lastGames;     // newest first
  std::vector<BeatenBy> mostBeatenBy;   // most often first; ties in title order

  // Won games in percent of those played, rounded to a whole number; 0 with none played.
  int wonPercent() const;
};

// The summary of a record file's bytes. The file's order is the order the games ended in.
RecordSummary summarise(std::string_view bytes);

bool isWin(GameResult result);
bool isLoss(GameResult result);   // the fifth miss, or a wrong answer

}  // namespace filmotas
