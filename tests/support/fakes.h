#pragma once
// Scripted stand-ins for the engine's ports, and a temporary program folder.
#include <deque>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "engine/frm_filmotas.h"

namespace filmotas::testing {

struct ShownBox {
  std::string text;
  std::string title;
  int code;
};

// Records every box and answers from a script (OK for OK boxes, otherwise the next
// scripted answer; Yes when the script has run dry).
class ScriptedBoxes : public MessageBoxPort {
 public:
  int show(const std::string& text, const std::string& title, int code) override;
  void answer(int code) { answers.push_back(code); }
  std::vector<ShownBox> shown;
  std::deque<int> answers;
  std::function<void()> whileShown;   // runs inside the box, as a nested event loop would
};

// Returns the scripted values in order; repeats the last one when it runs dry.
class ScriptedRandom : public RandomSource {
 public:
  explicit ScriptedRandom(std::vector<float> values = {0.0f}) : values_(std::move(values)) {}
  void reseed() override { ++reseeds; }
  float next() override;
  void script(std::vector<float> values) { values_ = std::move(values); at_ = 0; }
  int reseeds = 0;

 private:
  std::vector<float> values_;
  std::size_t at_ = 0;
};

// Records the closing order; closing the game window runs its about-to-close event.
class RecordingWindows : public ProgramWindows {
 public:
  void closeAddDialog() override { closed.push_back("frmAgregar"); }
  void closeHelpWindow() override { closed.push_back("frmAyuda"); }
  void closeGameWindow() override;
  FrmFilmotas* game = nullptr;
  std::vector<std::string> closed;
};

// A fresh folder under the system's temporary folder, removed afterwards.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  const std::filesystem::path& path() const { return path_; }
  std::string file(const std::string& name) const { return (path_ / name).string(); }
  std::string read(const std::string& name) const;          // whole file, bytes
  void write(const std::string& name, const std::string& bytes) const;
  bool exists(const std::string& name) const { return std::filesystem::exists(path_ / name); }

 private:
  std::filesystem::path path_;
};

// A movie list in record format from UTF-8 titles.
std::string movieList(const std::vector<std::string>& titles);
// One record of `length` bytes holding `text` (bytes) with zero padding.
std::string record(const std::string& text, int length);

// A game in a temporary folder with scripted ports, ready for Form_Load.
struct GameFixture {
  GameFixture();
  explicit GameFixture(const std::vector<std::string>& titles);
  TempFolder folder;
  ScriptedBoxes boxes;
  ScriptedRandom random;
  RecordingWindows windows;
  FrmFilmotas game;
};

}  // namespace filmotas::testing
