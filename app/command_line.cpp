#include "app/command_line.h"

#include "app/qt_options.h"

namespace filmotas::app {

namespace {

const char* const kHelp =
    "Uso: filmotas [opciones]\n"
    "Filmotas, el juego del ahorcado con títulos de películas.\n"
    "\n"
    "Opciones:\n"
    "  -h, --help              Muestra esta ayuda y termina.\n"
    "  -v, --version           Muestra la versión y termina.\n"
    "  --data-dir <carpeta>    Guarda la lista de películas, la configuración y la\n"
    "                          partida en <carpeta>, que se crea si no existe.\n"
    "\n"
    "También se admiten las opciones comunes de Qt, como -style <estilo>,\n"
    "-platform <plataforma>, -reverse o -qwindowgeometry <geometría>.\n";

const std::string kDataDir = "--data-dir";

// One line on standard error; it always points at the help.
CommandLine refusal(const std::string& reason) {
  CommandLine line;
  line.action = CommandLine::Action::refuse;
  line.output = "filmotas: " + reason + ". Prueba «filmotas --help».\n";
  return line;
}

class Parser {
 public:
  explicit Parser(const std::vector<std::string>& arguments) : arguments_(arguments) {}

  CommandLine run() {
    for (at_ = 1; at_ < arguments_.size() && !refused_; ++at_) take(arguments_[at_]);
    if (refused_) return *refused_;
    if (help_) return {CommandLine::Action::showHelp, std::nullopt, {}, kHelp};
    if (version_) return {CommandLine::Action::showVersion, std::nullopt, {}, "Filmotas " FILMOTAS_VERSION "\n"};
    return line_;
  }

 private:
  void take(const std::string& argument) {
    if (optionsEnded_ || argument == "-" || !argument.starts_with("-")) {
      refused_ = refusal("argumento de más: " + argument);
    } else if (argument == "--") {
      optionsEnded_ = true;
    } else if (argument == "-h" || argument == "--help") {
      help_ = true;
    } else if (argument == "-v" || argument == "--version") {
      version_ = true;
    } else if (argument == kDataDir) {
      if (const std::string* folder = nextValue("la carpeta")) takeDataDir(*folder);
    } else if (argument.starts_with(kDataDir + "=")) {
      takeDataDir(argument.substr(kDataDir.size() + 1));
    } else {
      takeQtOption(argument);
    }
  }

  void takeDataDir(const std::string& folder) {
    if (folder.empty()) refused_ = refusal("la carpeta de --data-dir no puede estar vacía");
    line_.dataDir = folder;
  }

  void takeQtOption(const std::string& argument) {
    const QtOption option = qtOptionOf(argument);
    if (option == QtOption::none) {
      refused_ = refusal("opción desconocida: " + argument);
      return;
    }
    line_.qtArguments.push_back(at_);
    if (option == QtOption::valueFollows && nextValue("el valor")) line_.qtArguments.push_back(at_);
  }

  // The argument after the option at hand, which it takes whatever it looks like.
  const std::string* nextValue(const std::string& what) {
    if (at_ + 1 == arguments_.size()) {
      refused_ = refusal("falta " + what + " tras " + arguments_[at_]);
      return nullptr;
    }
    return &arguments_[++at_];
  }

  const std::vector<std::string>& arguments_;
  std::size_t at_ = 1;
  bool optionsEnded_ = false;
  bool help_ = false;
  bool version_ = false;
  std::optional<CommandLine> refused_;
  CommandLine line_;
};

}  // namespace

CommandLine parseCommandLine(const std::vector<std::string>& arguments) { return Parser(arguments).run(); }

}  // namespace filmotas::app
