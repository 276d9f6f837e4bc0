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

// Each line written reads back as itself: every field is found where it was written.
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
    const auto back = parseLine(std::string_view(line).substr(0, line.size() - 1));
    ASSERT_TRUE(back) << line;
    EXPECT_EQ(formatLine(*back), line);
  }
}

// The games read and the lines that could not be.
std::pair<int, int> counts(std::string_view bytes) {
  int read = 0;
  const int unreadable = readGames(bytes, [&read](const GameLine&) { ++read; });
  return {read, unreadable};
}

TEST(RecordLine, EveryDamagedLineIsSkippedAndCounted) {
  const std::string good = std::string(kDate) + "\tganada\t0\tab\t5\tRan\n";
  const std::string unended = good.substr(0, good.size() - 1);
  const std::string header(kHistoryHeader);
  const struct { std::string bytes; int read, unreadable; } files[] = {
      {header + good + good, 2, 0},
      {"\xEF\xBB\xBF" + header + good, 1, 0},            // a byte-order mark
      {header + unended + "\r\n", 1, 0},                  // an editor's CR LF
      {header + good + "\n" + header + good, 2, 0},       // a blank line, a second header
      {header + good + unended, 1, 1},                    // the last line cut short by a crash
      {"fecha\tresultado\n" + good, 1, 1},                // a damaged header
  };
  for (const auto& c : files) EXPECT_EQ(counts(c.bytes), std::pair(c.read, c.unreadable)) << c.bytes;
  // Too few or too many fields, an unknown result, misses the result cannot have (a loss
  // is the fifth), seconds that are not a whole number of at most ten digits.
  for (const char* fields : {"ganada\t0\tab\t5", "ganada\t0\tab\t5\tRan\tdos", "ganado\t0\tab\t5\tRan",
                             "ganada\t6\tab\t5\tRan", "ganada\t5\tab\t5\tRan", "perdida\t4\tab\t5\tRan",
                             "ganada\t\tab\t5\tRan", "ganada\t0\tab\t-5\tRan", "ganada\t0\tab\t5s\tRan",
                             "ganada\t0\tab\t\tRan", "ganada\t0\tab\t12345678901\tRan"}) {
    EXPECT_EQ(counts(std::string(kDate) + "\t" + fields + "\n"), std::pair(0, 1)) << fields;
  }
  const std::pair<const char*, bool> dates[] = {
      {"2028-02-29T03:15:22+01:00", true},  {"2026-02-29T03:15:22+01:00", false},   // a leap year's day only
      {"2026-12-07T03:15:22Z", true},       {"2026-12-07T03:15:22-03:30", true},
      {"2026-13-07T03:15:22+01:00", false}, {"2026-12-07T24:15:22+01:00", false},
      {"2026-12-07T03:60:22+01:00", false}, {"2026-12-07 03:15:22+01:00", false},
      {"2026-12-07T03:15:22", false},       {"2026-12-07T03:15:22+0100", false}};
  for (const auto& [date, readable] : dates) {
    EXPECT_EQ(counts(std::string(date) + "\tganada\t0\tab\t5\tRan\n"), std::pair(int{readable}, int{!readable})) << date;
  }
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
