#pragma once
// "Config.dat": three 4-byte records holding the wait time and the two options as
// decimal text. Defaults when it is absent or holds no number: 1 second, vowels
// forbidden, case ignored.
#include <cstdint>
#include <string>
#include <string_view>

#include "files/file_replace.h"

namespace filmotas {

inline constexpr int kSettingsRecordLength = 4;

struct Settings {
  int wait = 1;           // sldRapidez, 0..10
  int vowels = 0;         // chkSePuedenVocales
  int ignoreCase = 1;     // chkMayusculas
};

// A stored setting as a whole number: decimal digits with optional blanks around them.
// Anything else, the empty text included, is failure 13.
std::int32_t parseSettingNumber(std::string_view text);

// The caption of lblRapidez for a wait time's text: "1 segundo" for exactly "1",
// otherwise the text followed by " segundos".
std::string waitCaption(std::string_view text);

// Writes the three records; bytes past record 3 are left alone. The whole new file is
// written beside the old one, flushed and renamed over it, so a failure at any point
// leaves the old file as it was; only where the folder takes no new file are the 12
// bytes written in place, and put back when that write fails. `write` is the call that
// writes the bytes. Throws Failure.
void writeSettings(const std::string& path, const Settings& settings, const WriteCall& write = systemWrite);

}  // namespace filmotas
