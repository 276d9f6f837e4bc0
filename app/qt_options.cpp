#include "app/qt_options.h"

#include <string_view>

namespace filmotas::app {

namespace {

struct Option {
  std::string_view name;   // after its single dash
  bool takesValue;
  bool valueAfterEquals;   // Qt also reads "-name=value"
};

// The options that QCoreApplication, QGuiApplication, QApplication and the X11 platform
// take out of the arguments (Qt 6). "-geometry", "-title" and "-icon" are the X11 names of
// the "-qwindow..." ones.
constexpr Option kOptions[] = {
    {"platform", true, false},        {"platformpluginpath", true, false},
    {"platformtheme", true, false},   {"plugin", true, false},
    {"qwindowgeometry", true, false}, {"qwindowtitle", true, false},
    {"qwindowicon", true, false},     {"session", true, false},
    {"reverse", false, false},        {"testability", false, false},
    {"style", true, true},            {"stylesheet", true, true},
    {"widgetcount", false, false},    {"qmljsdebugger", true, true},
    {"display", true, false},         {"geometry", true, false},
    {"title", true, false},           {"icon", true, false},
    {"name", true, false},            {"visual", true, false},
    {"nograb", false, false},         {"dograb", false, false},
};

}  // namespace

QtOption qtOptionOf(const std::string& argument) {
  std::string_view spelled(argument);
  if (spelled.starts_with("--")) spelled.remove_prefix(2);
  else if (spelled.starts_with("-")) spelled.remove_prefix(1);
  else return QtOption::none;
  const std::size_t equals = spelled.find('=');
  const std::string_view name = spelled.substr(0, equals);
  for (const Option& option : kOptions) {
    if (option.name != name) continue;
    if (equals != std::string_view::npos) return option.valueAfterEquals ? QtOption::whole : QtOption::none;
    return option.takesValue ? QtOption::valueFollows : QtOption::whole;
  }
  return QtOption::none;
}

}  // namespace filmotas::app
