#pragma once
// What the engine needs from the world around it. The window implements these with
// Qt; tests script them.
#include <chrono>
#include <string>

namespace filmotas {

// Button-and-icon codes of a message box, and its answers.
namespace box {
inline constexpr int kOk = 0;                // OK, no icon
inline constexpr int kCritical = 16;         // OK, critical-stop icon
inline constexpr int kYesNoQuestion = 36;    // Yes and No, question icon
inline constexpr int kExclamation = 48;      // OK, exclamation icon
inline constexpr int kInformation = 64;      // OK, information icon
inline constexpr int kAnswerOk = 1;
inline constexpr int kAnswerYes = 6;
inline constexpr int kAnswerNo = 7;
}  // namespace box

class MessageBoxPort {
 public:
  virtual ~MessageBoxPort() = default;
  // Shows a modal box and returns the pressed button's answer code. Line breaks in
  // `text` are CR LF.
  virtual int show(const std::string& text, const std::string& title, int code) = 0;
  // The system's beep: an input that is not taken, told without a box.
  virtual void beep() = 0;
};

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  virtual void reseed() = 0;     // from the clock
  virtual float next() = 0;      // uniform in [0, 1)
};

// The wall clock, for how long a game took and when it ended.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual std::chrono::system_clock::time_point now() = 0;
};

// The real clock.
Clock& systemClock();

// The program's windows, closed by the exit operation in this order.
class ProgramWindows {
 public:
  virtual ~ProgramWindows() = default;
  virtual void closeAddDialog() = 0;   // no effect when it is not open
  virtual void closeHelpWindow() = 0;  // no effect when it is not open
  // Closes the game window; its about-to-close event (FrmFilmotas::Form_QueryUnload)
  // runs first.
  virtual void closeGameWindow() = 0;
};

}  // namespace filmotas
