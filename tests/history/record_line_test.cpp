// The line format of "Historial.tsv": what one game writes, and what the reader makes of
// every line, damaged ones skipped and counted.
#include <gtest/gtest.h>

#include <cstdlib>

#include "history/game_line.h"
#include "history/local_date.h"

namespace filmotas {
namespace {

using namespace std::chrono_literals;

constexpr const char* kDate = "2026-12-07T03:15:22+01:00";

// Each game read, as "result misses letters seconds title".
std::pair<std::vector<std::string>, int> readAll(std::string_view bytes) {
  std::vector<std::string> games;
  const int unreadable = readGames(bytes, [&](const GameLine& g) {
    games.push_back(std::string(resultWord(g.result)) + " " + std::to_string(g.misses) + " " + std::string(g.letters) +
                    " " + std::to_string(g.seconds) + " " + std::string(g.title));
  });
  return {games, unreadable};
}

TEST(RecordLine, WrittenFieldByFieldAndReadBack) {
  const struct { GameLine game; std::string line; } cases[] = {
      {{kDate, GameResult::won, 1, "mxonzul", 73, "Mono azul"}, "ganada\t1\tmxonzul\t73\tMono azul"},
      {{kDate, GameResult::lost, 5, "xkwqj", 9, "Amélie"}, "perdida\t5\txkwqj\t9\tAmélie"},
      {{kDate, GameResult::answerRight, 0, "", 0, "Ran"}, "acertada\t0\t\t0\tRan"},
      {{kDate, GameResult::answerWrong, 4, "ñÑ", 12, "Año"}, "fallada\t4\tñÑ\t12\tAño"},
      {{kDate, GameResult::abandoned, 0, "m", 3, ""}, "abandonada\t0\tm\t3\t"},
      // Tabs and line breaks would split the line; a clock set back gives no negative time.
      {{kDate, GameResult::won, 0, "a\tb", -40, "Uno\tdos\r\ntres\n"}, "ganada\t0\ta b\t0\tUno dos  tres "},
      {{kDate, GameResult::won, 0, "a", kMostSeconds + 1, "X"}, "ganada\t0\ta\t9999999999\tX"},
  };
  for (const auto& c : cases) {
    const std::string line = formatLine(c.game);
    EXPECT_EQ(line, std::string(kDate) + "\t" + c.line + "\n");
    const auto [games, unreadable] = readAll(line);
    ASSERT_EQ(games.size(), 1u) << line;
    const auto back = parseLine(std::string_view(line).substr(0, line.size() - 1));
    EXPECT_EQ(back->date, kDate);
    EXPECT_EQ(back->title, c.line.substr(c.line.rfind('\t') + 1));
  }
}

TEST(RecordLine, EveryDamagedLineIsSkippedAndCounted) {
  const std::string good = std::string(kDate) + "\tganada\t0\tab\t5\tRan\n";
  const std::string header(kHistoryHeader);
  const struct { std::string bytes; int read; int unreadable; } cases[] = {
      {"", 0, 0},
      {header, 0, 0},
      {header + good + good, 2, 0},
      {"\xEF\xBB\xBF" + header + good, 1, 0},                        // a byte-order mark
      {header + std::string(kDate) + "\tganada\t0\tab\t5\tRan\r\n", 1, 0},   // an editor's CR LF
      {header + good + "\n" + header + good, 2, 0},                   // a blank line, a second header
      {header + good + std::string(kDate) + "\tganada\t0\ta", 1, 1},  // cut short by a crash
      {header + good + "2026-12-07T03:1", 1, 1},
      {std::string(kDate) + "\tganada\t0\tab\t5\n", 0, 1},            // five fields
      {std::string(kDate) + "\tganada\t0\tab\t5\tRan\tdos\n", 0, 1},  // seven
      {std::string(kDate) + "\tganado\t0\tab\t5\tRan\n", 0, 1},       // no such result
      {std::string(kDate) + "\tGanada\t0\tab\t5\tRan\n", 0, 1},
      {std::string(kDate) + "\tganada\t6\tab\t5\tRan\n", 0, 1},       // misses out of range
      {std::string(kDate) + "\tganada\t5\tab\t5\tRan\n", 0, 1},       // a win has no fifth miss
      {std::string(kDate) + "\tperdida\t4\tab\t5\tRan\n", 0, 1},      // a loss is the fifth
      {std::string(kDate) + "\tganada\t-1\tab\t5\tRan\n", 0, 1},
      {std::string(kDate) + "\tganada\t\tab\t5\tRan\n", 0, 1},
      {std::string(kDate) + "\tganada\t0\tab\t-5\tRan\n", 0, 1},      // seconds
      {std::string(kDate) + "\tganada\t0\tab\t5s\tRan\n", 0, 1},
      {std::string(kDate) + "\tganada\t0\tab\t\tRan\n", 0, 1},
      {std::string(kDate) + "\tganada\t0\tab\t12345678901\tRan\n", 0, 1},
      {"2026-02-29T03:15:22+01:00\tganada\t0\tab\t5\tRan\n", 0, 1},   // dates: no such day
      {"2028-02-29T03:15:22+01:00\tganada\t0\tab\t5\tRan\n", 1, 0},   // a leap year's
      {"2026-13-07T03:15:22+01:00\tganada\t0\tab\t5\tRan\n", 0, 1},
      {"2026-12-07T24:15:22+01:00\tganada\t0\tab\t5\tRan\n", 0, 1},
      {"2026-12-07T03:60:22+01:00\tganada\t0\tab\t5\tRan\n", 0, 1},
      {"2026-12-07 03:15:22+01:00\tganada\t0\tab\t5\tRan\n", 0, 1},
      {"2026-12-07T03:15:22\tganada\t0\tab\t5\tRan\n", 0, 1},         // no offset
      {"2026-12-07T03:15:22+0100\tganada\t0\tab\t5\tRan\n", 0, 1},
      {"2026-12-07T03:15:22Z\tganada\t0\tab\t5\tRan\n", 1, 0},
      {"2026-12-07T03:15:22-03:30\tganada\t0\tab\t5\tRan\n", 1, 0},
      {"07/12/2026\tganada\t0\tab\t5\tRan\n", 0, 1},
      {"fecha\tresultado\n" + good, 1, 1},                              // a damaged header
  };
  for (const auto& c : cases) {
    const auto [games, unreadable] = readAll(c.bytes);
    EXPECT_EQ(games.size(), static_cast<std::size_t>(c.read)) << c.bytes;
    EXPECT_EQ(unreadable, c.unreadable) << c.bytes;
  }
  EXPECT_EQ(readAll(good).first, std::vector<std::string>{"ganada 0 ab 5 Ran"});
}

// Sets the local time zone while it lives.
class LocalZone {
 public:
  explicit LocalZone(const char* zone) {
    if (const char* old = std::getenv("TZ")) old_ = old;
    ::setenv("TZ", zone, 1);
    ::tzset();
  }
  ~LocalZone() {
    if (old_) ::setenv("TZ", old_->c_str(), 1); else ::unsetenv("TZ");
    ::tzset();
  }

 private:
  std::optional<std::string> old_;
};

TEST(RecordLine, DatesInLocalTimeWithTheirOffset) {
  const std::chrono::sys_seconds winter = std::chrono::sys_days{std::chrono::year{2026} / 12 / 7} + 2h + 15min + 22s;
  const std::chrono::sys_seconds summer = std::chrono::sys_days{std::chrono::year{2026} / 7 / 1} + 23h + 30min;
  const struct { const char* zone; std::chrono::sys_seconds at; const char* date; } cases[] = {
      {"CET-1CEST,M3.5.0,M10.5.0/3", winter, "2026-12-07T03:15:22+01:00"},
      {"CET-1CEST,M3.5.0,M10.5.0/3", summer, "2026-07-02T01:30:00+02:00"},
      {"<-0330>3:30", winter, "2026-12-06T22:45:22-03:30"},
      {"UTC0", summer, "2026-07-01T23:30:00+00:00"},
  };
  for (const auto& c : cases) {
    const LocalZone zone(c.zone);
    EXPECT_EQ(isoLocalDate(c.at), c.date) << c.zone;
    EXPECT_TRUE(isIsoLocalDate(c.date));
  }
  EXPECT_EQ(shownDate("2026-12-07T03:15:22+01:00"), "07/12/2026 03:15");
}

}  // namespace
}  // namespace filmotas
