#pragma once
// Scripted stand-ins for the engine's ports, and a temporary data folder.
#include <deque>
#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include <sys/resource.h>

#include "engine/frm_filmotas.h"

namespace filmotas::testing {

struct ShownBox {
  std::string text;
  std::string title;
  int code;
  bool operator==(const ShownBox&) const = default;
};
using Boxes = std::vector<ShownBox>;
inline void PrintTo(const ShownBox& b, std::ostream* out) { *out << b.title << " (" << b.code << "): " << b.text; }

// Records every box and answers from a script (OK for OK boxes, otherwise the next
// scripted answer; Yes when the script has run dry).
class ScriptedBoxes : public MessageBoxPort {
 public:
  int show(const std::string& text, const std::string& title, int code) override;
  void beep() override { ++beeps; }
  void answer(int code) { answers.push_back(code); }
  Boxes shown;
  int beeps = 0;
  std::deque<int> answers;
  std::function<void()> whileShown;   // runs inside the box, as a nested event loop would
};

// Returns the scripted values in order, over and over, and counts reseeds and draws.
struct ScriptedRandom : RandomSource {
  void reseed() override { ++reseeds; }
  float next() override {
    ++draws;
    return values[at++ % values.size()];
  }
  void script(std::vector<float> next) { values = std::move(next); at = 0; }
  std::vector<float> values{0.0f};
  std::size_t at = 0;
  int reseeds = 0;
  int draws = 0;
};

// Records the closing order; closing the game window runs its about-to-close event.
class RecordingWindows : public ProgramWindows {
 public:
  void closeAddDialog() override { closed.push_back("frmAgregar"); }
  void closeHelpWindow() override { closed.push_back("frmAyuda"); }
  void closeGameWindow() override {
    closed.push_back("frmFilmotas");
    if (game) game->Form_QueryUnload();
  }
  FrmFilmotas* game = nullptr;
  std::vector<std::string> closed;
};

// A clock that moves only when told to.
struct SteppedClock : Clock {
  std::chrono::system_clock::time_point now() override { return at; }
  std::chrono::system_clock::time_point at{std::chrono::seconds(1'800'000'000)};
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

// One record of `length` bytes holding `text` (bytes) with zero padding.
std::string record(const std::string& text, int length);
// A movie list in record format from UTF-8 titles.
std::string movieList(const std::vector<std::string>& titles);
// Config.dat holding three stored texts: wait time, vowels allowed, case ignored.
inline std::string settingsFile(const std::string& wait, const std::string& vowels, const std::string& ignoreCase) {
  return record(wait, 4) + record(vowels, 4) + record(ignoreCase, 4);
}

// A game in a temporary folder with scripted ports, ready for Form_Load.
struct GameFixture {
  GameFixture() : game(folder.path().string(), boxes, random, windows, clock) { windows.game = &game; }
  // A list of `titles` and, unless empty, the settings file `config`.
  explicit GameFixture(const std::vector<std::string>& titles, const std::string& config = "");
  // Form_Load with record `record` of the list drawn and `vowel` given away.
  void start(char vowel, int record = 1) {
    nextGame(vowel, record);
    game.Form_Load();
  }
  // Scripts the draws of the next new game, and of any that follow it unplanned.
  void nextGame(char vowel, int record = 1);
  // The player types a letter and waits for the tick that clears it.
  void say(const std::string& letter) {
    game.setTxtIntroducir(letter);
    game.tmrContador_Timer();
  }
  const GameWindowModel& m() const { return game.model(); }
  TempFolder folder;
  ScriptedBoxes boxes;
  ScriptedRandom random;
  RecordingWindows windows;
  SteppedClock clock;
  FrmFilmotas game;
  int titleCount = 0;
};

// "Mono azul", then "DOS", over the settings file `config` (none when empty); the vowel A
// is given away.
struct MonoAzul : GameFixture {
  explicit MonoAzul(const std::string& config = "") : GameFixture({"Mono azul", "DOS"}, config) { start('A'); }
};

// The general error box for failure `number` with its text.
inline ShownBox errorBox(int number, const std::string& text) {
  return {"Error " + std::to_string(number) + ":\r\n\r\n" + text, "Error", 16};
}

// Every letter cell of the game joined: the title's pattern, nothing after it.
std::string cells(const GameFixture& f);

// Makes a file or folder unwritable while it lives. Root writes anywhere, so when the
// tests run as root the process also acts as an unprivileged user meanwhile.
class Unwritable {
 public:
  explicit Unwritable(std::filesystem::path path);
  ~Unwritable();

 private:
  std::filesystem::path path_;
  std::filesystem::perms old_;
  bool droppedRoot_ = false;
};

// Caps the size of files this process may write, as a full disk would; SIGXFSZ is
// ignored meanwhile so the write fails instead of ending the process.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes);
  ~FileSizeLimit();

 private:
  rlimit old_{};
  void (*oldHandler_)(int) = nullptr;
};

}  // namespace filmotas::testing
