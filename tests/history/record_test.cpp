// The player's record: every game that ends is kept as it ended, the summary counts and
// streaks the statistics window shows, a record that cannot be written, and clearing it.
#include <gtest/gtest.h>

#include "history/frm_estadisticas.h"
#include "history/game_line.h"
#include "history/history_file.h"
#include "history/history_recorder.h"
#include "support/fakes.h"

namespace filmotas {
namespace {

using namespace testing;
using namespace std::chrono_literals;

const std::string kHeader(kHistoryHeader);

// "Mono azul" with the A given away, vowels allowed and case ignored, kept in the record;
// every later game draws "DOS" with the O.
struct Recorded : GameFixture {
  Recorded() : GameFixture({"Mono azul", "DOS"}, settingsFile("1", "1", "1")), recorder(game.dataFolder(), boxes) {
    game.subscribe(recorder);
    start('A');
    nextGame('O', 2);
  }
  void sayAll(std::initializer_list<const char*> letters) {
    for (const char* l : letters) say(l);
  }
  void answer(const char* title) {
    game.setChkResponder(1);
    game.setTxtResponder(title);
    game.cmdAceptar_Click();
  }
  // The record's lines after the header, each without its date.
  std::vector<std::string> lines() const {
    std::string bytes = folder.read(kHistoryFile);
    EXPECT_TRUE(bytes.starts_with(kHeader));
    std::vector<std::string> out;
    readGames(bytes, [&](const GameLine& g) {
      out.push_back(std::string(resultWord(g.result)) + "\t" + std::to_string(g.misses) + "\t" +
                    std::string(g.letters) + "\t" + std::to_string(g.seconds) + "\t" + std::string(g.title));
    });
    return out;
  }
  HistoryRecorder recorder;
};

// Each ending's result, misses, letters and time are the game's events (heard in the
// engine's tests); the record keeps them as they came, one line a game, in order.
TEST(Record, EndingsKeptAsTheyEndedButAGameWithNoLetterJudged) {
  const struct { std::function<void(Recorded&)> play; std::vector<std::string> kept; } cases[] = {
      {[](Recorded& f) { f.sayAll({"m", "x", "M", "o", "n"}); f.clock.at += 61s; f.sayAll({"z", "u", "l"}); },
       {"ganada\t1\tmxonzul\t61\tMono azul"}},
      {[](Recorded& f) { f.say("m"); f.game.NuevaPartida(); }, {"abandonada\t0\tm\t0\tMono azul"}},
      // Refused and repeated letters are not judged; with none judged nothing is kept.
      {[](Recorded& f) { f.say("a"); f.game.NuevaPartida(); f.game.Form_QueryUnload(); }, {}},
      // Two games: the won one, then "DOS" abandoned at the closing.
      {[](Recorded& f) { f.answer("Mono azul"); f.say("d"); f.game.Form_QueryUnload(); },
       {"acertada\t0\t\t0\tMono azul", "abandonada\t0\td\t0\tDOS"}},
  };
  for (const auto& c : cases) {
    Recorded f;
    c.play(f);
    if (c.kept.empty()) {
      EXPECT_FALSE(f.folder.exists(kHistoryFile));
    } else {
      EXPECT_EQ(f.lines(), c.kept);
    }
    for (const ShownBox& b : f.boxes.shown) EXPECT_NE(b.title, "Error") << b.text;
  }
}

// Whatever the spelling of its name; a line a crash cut short does not swallow the next one.
TEST(Record, AppendsToTheFileThereAfterACutLine) {
  Recorded f;
  const std::string before = kHeader + "2026-12-07T03:15:22+01:00\tganada\t0\tab\t5\tRan\n2026-12-07T03:1";
  f.folder.write("HISTORIAL.TSV", before);
  f.answer("Mono azul");
  const std::string after = f.folder.read("HISTORIAL.TSV");
  EXPECT_FALSE(f.folder.exists(kHistoryFile));
  ASSERT_TRUE(after.starts_with(before + "\n"));
  const RecordSummary s = summarise(after);
  EXPECT_EQ(std::tuple(s.played, s.unreadable), std::tuple(2, 1));
}

// The game goes on; the player hears of it once, and the record is as it was.
TEST(Record, AWriteFailureIsToldOnceAndLeavesGameAndFileAsTheyWere) {
  const std::string kept = kHeader + std::string(400, '#') + "\n";
  const struct { std::function<void(TempFolder&)> damage; int failure; } cases[] = {
      {[&](TempFolder& d) { d.write(kHistoryFile, kept); }, failure::kDiskFull},
      {[](TempFolder& d) { std::filesystem::create_directory(d.path() / kHistoryFile); }, failure::kPathFileAccessError}};
  for (const auto& c : cases) {
    Recorded f;
    c.damage(f.folder);
    const auto state = [&f] {
      return std::filesystem::is_directory(f.folder.path() / kHistoryFile) ? "a folder" : f.folder.read(kHistoryFile);
    };
    const std::string before = state();
    {
      const FileSizeLimit full(kept.size() + 10);   // the disk fills up during the line
      f.sayAll({"x", "k", "w", "q", "j"});                // lost; Yes starts "DOS"
      f.answer("DOS");                                    // won
    }
    EXPECT_EQ(state(), before);
    EXPECT_EQ(f.boxes.shown.size(), 3u);
    EXPECT_EQ(f.boxes.shown[0], errorBox(c.failure, describeFailure(c.failure)));   // before the first play-again box
    f.say("d");   // the third game is played as ever
    EXPECT_EQ(cells(f), "DO-");
  }
}

// Games as the record holds them, results by their first letter, in order.
std::string recordOf(const std::string& results, const std::vector<std::string>& titles = {}) {
  std::string bytes = kHeader;
  for (std::size_t i = 0; i < results.size(); ++i) {
    const char r = results[i];
    const GameResult result = r == 'g' ? GameResult::won : r == 'p' ? GameResult::lost : r == 'a' ? GameResult::answerRight
                            : r == 'f' ? GameResult::answerWrong : GameResult::abandoned;
    const int misses = result == GameResult::lost ? 5 : static_cast<int>(i % 5);
    const std::string title = titles.empty() ? "T" + std::to_string(i) : titles[i % titles.size()];
    bytes += formatLine({"2026-12-07T03:15:22+01:00", result, misses, "ab", 5, title});
  }
  return bytes;
}

TEST(Record, CountsStreaksAndTheChart) {
  const struct { std::string results; int played, won, percent, current, best, abandoned; std::array<int, 6> chart; } cases[] = {
      {"", 0, 0, 0, 0, 0, 0, {}},
      {"gap", 3, 2, 67, 0, 2, 0, {1, 1, 0, 0, 0, 1}},
      {"pfb", 3, 0, 0, 0, 0, 1, {0, 0, 0, 0, 0, 2}},
      {"ggbgaaga", 8, 7, 88, 5, 5, 1, {2, 2, 1, 1, 1, 0}},   // an abandoned game ends a streak
      {"gggfgg", 6, 5, 83, 2, 3, 0, {2, 1, 1, 0, 1, 1}},
      {"gbbbbbbb", 8, 1, 13, 0, 1, 7, {1, 0, 0, 0, 0, 0}},    // 12.5 rounds up
  };
  for (const auto& c : cases) {
    const RecordSummary s = summarise(recordOf(c.results));
    EXPECT_EQ(std::tuple(s.played, s.won, s.wonPercent(), s.currentStreak, s.bestStreak, s.abandoned, s.chart),
              std::tuple(c.played, c.won, c.percent, c.current, c.best, c.abandoned, c.chart)) << c.results;
  }
}

TEST(Record, LastHundredNewestFirstAndTheTitlesThatWonMost) {
  const RecordSummary s = summarise(recordOf(std::string(105, 'g') + "pfpfpfpfpffpbg",
                                             {"A", "B", "C", "D", "E", "F", "G"}));
  ASSERT_EQ(s.lastGames.size(), 100u);
  EXPECT_EQ(s.lastGames.front(), (ShownGame{"2026-12-07T03:15:22+01:00", GameResult::won, 3, "G"}));   // game 118
  EXPECT_EQ(s.lastGames[1].result, GameResult::abandoned);
  EXPECT_EQ(s.lastGames.back().title, "F");   // game 19
  // The losses, games 105 to 116, fall on A to G, then A to E again: F and G once only.
  EXPECT_EQ(s.mostBeatenBy, (std::vector<BeatenBy>{{"A", 2}, {"B", 2}, {"C", 2}, {"D", 2}, {"E", 2}}));
}

TEST(Record, TheWindowsFiguresChartAndClearing) {
  GameFixture g;
  FrmEstadisticas window(g.game.dataFolder(), g.boxes);
  window.Form_Load();   // no record yet
  EXPECT_EQ(window.summary().played, 0);
  g.folder.write(kHistoryFile, recordOf("gapgb") + "roto\n");
  window.Form_Load();
  const Figures f = figuresOf(window.summary());
  EXPECT_EQ((std::vector<std::string>{f.played, f.won, f.currentStreak, f.bestStreak, f.abandoned, f.unreadable}),
            (std::vector<std::string>{"Partidas jugadas: 5", "Ganadas: 3 (60 %)", "Racha actual: 0", "Mejor racha: 2",
                                      "Abandonadas: 1", "Líneas que no se pudieron leer: 1"}));
  EXPECT_EQ(chartDescription(window.summary()),
            "Partidas ganadas con 0 fallos: 1, con 1 fallo: 1, con 2 fallos: 0, con 3 fallos: 1, con 4 fallos: 0. Perdidas: 1.");
  EXPECT_EQ(shownResult(GameResult::answerWrong), "Fallada");

  const std::string before = g.folder.read(kHistoryFile);
  g.boxes.answer(box::kAnswerNo);
  EXPECT_FALSE(window.cmdBorrar_Click());
  {
    const Unwritable folder(g.folder.path());   // takes no new file
    EXPECT_FALSE(window.cmdBorrar_Click());
  }
  EXPECT_EQ(g.folder.read(kHistoryFile), before);
  EXPECT_TRUE(window.cmdBorrar_Click());
  EXPECT_EQ(g.folder.read(kHistoryFile), kHeader);
  EXPECT_EQ(window.summary().played, 0);
  EXPECT_EQ(figuresOf(window.summary()).unreadable, "");
  const ShownBox question{"¿Borrar todas las partidas del historial?", "Borrar historial", box::kYesNoQuestion};
  EXPECT_EQ(g.boxes.shown, (Boxes{question, question, errorBox(70, "Permiso denegado"), question}));
}

}  // namespace
}  // namespace filmotas
