#include "support/fakes.h"

#include <unistd.h>

#include <csignal>
#include <fstream>
#include <iterator>
#include <random>

#include "files/record_codec.h"
#include "files/windows1252.h"

namespace filmotas::testing {

int ScriptedBoxes::show(const std::string& text, const std::string& title, int code) {
  shown.push_back({text, title, code});
  if (whileShown) whileShown();
  if (code != box::kYesNoQuestion) return box::kAnswerOk;
  if (answers.empty()) return box::kAnswerYes;
  const int answer = answers.front();
  answers.pop_front();
  return answer;
}

TempFolder::TempFolder() {
  std::random_device rd;
  path_ = std::filesystem::temp_directory_path() / ("filmotas-test-" + std::to_string(rd()) + std::to_string(rd()));
  std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
  std::error_code ec;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ec);
  std::filesystem::remove_all(path_, ec);
}

std::string TempFolder::read(const std::string& name) const {
  std::ifstream in(path_ / name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void TempFolder::write(const std::string& name, const std::string& bytes) const {
  std::ofstream(path_ / name, std::ios::binary) << bytes;
}

std::string record(const std::string& text, int length) { return filmotas::record::encode(text, length); }

std::string movieList(const std::vector<std::string>& titles) {
  std::string out;
  for (const auto& t : titles) out += record(*windows1252::encode(t), 52);
  return out;
}

GameFixture::GameFixture(const std::vector<std::string>& titles, const std::string& config) : GameFixture() {
  folder.write("Filmotas.dat", movieList(titles));
  if (!config.empty()) folder.write("Config.dat", config);
  titleCount = static_cast<int>(titles.size());
}

// r × N = record − 0.25 rounds to `record`; the middle of the vowel's fifth gives it.
// Every game the test did not plan (a play-again answered Yes by default) draws the same.
void GameFixture::nextGame(char vowel, int record) {
  const float title = (static_cast<float>(record) - 0.25f) / static_cast<float>(std::max(titleCount, 1));
  const float given = (static_cast<float>(std::string_view("AEIOU").find(vowel)) + 0.5f) / 5.0f;
  random.script(titleCount > 0 ? std::vector<float>{title, given} : std::vector<float>{given});
}

std::string cells(const GameFixture& f) {
  std::string out;
  for (int i = 1; i <= kCellCount; ++i) out += f.game.model().cell(i);
  return out;
}

Unwritable::Unwritable(std::filesystem::path path)
    : path_(std::move(path)), old_(std::filesystem::status(path_).permissions()) {
  using std::filesystem::perms;
  std::filesystem::permissions(path_, perms::owner_write | perms::group_write | perms::others_write,
                               std::filesystem::perm_options::remove);
  if (::geteuid() == 0) droppedRoot_ = ::seteuid(65534) == 0;   // nobody
}

Unwritable::~Unwritable() {
  if (droppedRoot_ && ::seteuid(0) != 0) std::abort();   // later tests need their rights back
  std::error_code ec;
  std::filesystem::permissions(path_, old_, ec);
}

FileSizeLimit::FileSizeLimit(rlim_t bytes) {
  ::getrlimit(RLIMIT_FSIZE, &old_);
  oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
  rlimit capped = old_;
  capped.rlim_cur = bytes;
  ::setrlimit(RLIMIT_FSIZE, &capped);
}

FileSizeLimit::~FileSizeLimit() {
  ::setrlimit(RLIMIT_FSIZE, &old_);
  std::signal(SIGXFSZ, oldHandler_);
}

}  // namespace filmotas::testing
