#pragma once
// Qt's own command-line options, which the application object takes for itself: the
// style, the platform, the first window's geometry and title, the session to restore, ...
// The game's command line lets them through to Qt untouched.
#include <string>

namespace filmotas::app {

enum class QtOption {
  none,          // not one of Qt's options
  whole,         // a flag, or an option with its value after '=': one argument
  valueFollows,  // an option whose value is the next argument
};

// What `argument` is to Qt. Qt takes its options after one dash or two ("-style",
// "--style"), and a value after '=' only where it reads one there ("-style=Fusion").
QtOption qtOptionOf(const std::string& argument);

}  // namespace filmotas::app
