#include "history/record_summary.h"

#include <algorithm>
#include <deque>
#include <unordered_map>

#include "history/game_line.h"

namespace filmotas {

namespace {

// Counts as the games go by; keeps the last games and the losses by title as views into
// the bytes, which outlive it, so a long record costs no copy per line.
class Tally {
 public:
  void add(const GameLine& game) {
    RecordSummary& s = summary_;
    ++s.played;
    if (isWin(game.result)) {
      ++s.won;
      ++s.chart[static_cast<std::size_t>(game.misses)];
      s.bestStreak = std::max(s.bestStreak, ++s.currentStreak);
    } else {
      s.currentStreak = 0;
    }
    if (game.result == GameResult::abandoned) ++s.abandoned;
    if (isLoss(game.result)) {
      ++s.chart[kLostBar];
      ++losses_[game.title];
    }
    last_.push_back(game);
    if (last_.size() > kLastGamesShown) last_.pop_front();
  }

  RecordSummary finish(int unreadable) {
    summary_.unreadable = unreadable;
    for (auto g = last_.rbegin(); g != last_.rend(); ++g) {
      summary_.lastGames.push_back({std::string(g->date), g->result, g->misses, std::string(g->title)});
    }
    summary_.mostBeatenBy = mostBeatenBy();
    return std::move(summary_);
  }

 private:
  std::vector<BeatenBy> mostBeatenBy() const {
    std::vector<std::pair<std::string_view, int>> titles(losses_.begin(), losses_.end());
    const auto first = [](const auto& a, const auto& b) { return a.second != b.second ? a.second > b.second : a.first < b.first; };
    const std::size_t shown = std::min(titles.size(), kBeatenByShown);
    std::partial_sort(titles.begin(), titles.begin() + static_cast<std::ptrdiff_t>(shown), titles.end(), first);
    std::vector<BeatenBy> out;
    for (std::size_t i = 0; i < shown; ++i) out.push_back({std::string(titles[i].first), titles[i].second});
    return out;
  }

  RecordSummary summary_;
  std::deque<GameLine> last_;
  std::unordered_map<std::string_view, int> losses_;
};

}  // namespace

bool isWin(GameResult result) { return result == GameResult::won || result == GameResult::answerRight; }

bool isLoss(GameResult result) { return result == GameResult::lost || result == GameResult::answerWrong; }

int RecordSummary::wonPercent() const {
  if (played == 0) return 0;
  return static_cast<int>((200LL * won + played) / (2LL * played));   // half up
}

RecordSummary summarise(std::string_view bytes) {
  Tally tally;
  const int unreadable = readGames(bytes, [&tally](const GameLine& game) { tally.add(game); });
  return tally.finish(unreadable);
}

}  // namespace filmotas
