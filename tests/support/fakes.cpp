#include "support/fakes.h"

#include <fstream>
#include <random>
#include <sstream>

#include "engine/windows1252.h"

namespace filmotas::testing {

int ScriptedBoxes::show(const std::string& text, const std::string& title, int code) {
  shown.push_back({text, title, code});
  if (whileShown) whileShown();
  if (code != box::kYesNoQuestion) return box::kAnswerOk;
  if (answers.empty()) return box::kAnswerYes;
  const int a = answers.front();
  answers.pop_front();
  return a;
}

float ScriptedRandom::next() {
  const float v = values_[std::min(at_, values_.size() - 1)];
  ++at_;
  return v;
}

void RecordingWindows::closeGameWindow() {
  closed.push_back("frmFilmotas");
  if (game) game->Form_QueryUnload();
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
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

void TempFolder::write(const std::string& name, const std::string& bytes) const {
  std::ofstream(path_ / name, std::ios::binary) << bytes;
}

std::string record(const std::string& text, int length) {
  std::string r(static_cast<std::size_t>(length), '\0');
  r[0] = static_cast<char>(text.size() & 0xFF);
  r[1] = static_cast<char>(text.size() >> 8);
  r.replace(2, text.size(), text);
  return r;
}

std::string movieList(const std::vector<std::string>& titles) {
  std::string out;
  for (const auto& t : titles) out += record(*windows1252::encode(t), 52);
  return out;
}

GameFixture::GameFixture() : game(folder.path().string(), boxes, random, windows) { windows.game = &game; }

GameFixture::GameFixture(const std::vector<std::string>& titles) : GameFixture() {
  folder.write("Filmotas.dat", movieList(titles));
}

}  // namespace filmotas::testing
