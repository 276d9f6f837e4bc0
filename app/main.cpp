// Filmotas: the command line, the folder of the data files, one running copy per folder,
// then the game window.
#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <utility>

#include "app/command_line.h"
#include "app/folder_for_qt.h"
#include "app/folder_hold.h"
#include "app/raise_request.h"
#include "app/running_copy.h"
#include "app/signal_closing.h"
#include "app/socket_place.h"
#include "files/data_location.h"
#include "files/file_replace.h"
#include "ui/game_window.h"
#include "ui/message_boxes.h"
#include "ui/single_instance.h"

namespace {

using filmotas::app::CommandLine;

constexpr const char* kDesktopId = "io.github.filmotas.Filmotas";
constexpr int kFolderRefused = 1;
constexpr int kIconSizes[] = {16, 32, 48, 64, 128, 256};

int tellCommandLine(const CommandLine& line) {
  const bool refused = line.action == CommandLine::Action::refuse;
  std::fputs(line.output.c_str(), refused ? stderr : stdout);
  return refused ? filmotas::app::kUsageError : 0;
}

// The program's name and Qt's own options: all that Qt is given to read.
std::vector<char*> qtArgumentsOf(char** argv, const CommandLine& line) {
  std::vector<char*> arguments{argv[0]};
  for (const std::size_t at : line.qtArguments) arguments.push_back(argv[at]);
  arguments.push_back(nullptr);
  return arguments;
}

// Every window, box and task-bar entry shows the game's icon; the desktop entry's name
// lets the desktop match the windows to it.
void presentApplication() {
  QApplication::setApplicationName(QStringLiteral("Filmotas"));
  QApplication::setApplicationVersion(QStringLiteral(FILMOTAS_VERSION));
  QApplication::setDesktopFileName(QString::fromLatin1(kDesktopId));
  QIcon icon;
  for (const int size : kIconSizes) {
    icon.addFile(QStringLiteral(":/app/filmotas-%1.png").arg(size), QSize(size, size));   // read when drawn
  }
  QApplication::setWindowIcon(icon);
}

// The standard texts of Qt's own widgets (context menus, dialog buttons) in Spanish,
// whatever the locale: the whole game is in Spanish.
void loadSpanishQtTexts(QTranslator& translator) {
  if (translator.load(QStringLiteral("qtbase_es"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(&translator);
  }
}

// The folder that holds the running binary, byte for byte.
std::string programFolder() {
  std::error_code failed;
  const std::filesystem::path binary = std::filesystem::read_symlink("/proc/self/exe", failed);
  if (failed) return QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
  return binary.parent_path().string();
}

filmotas::LocationInputs locationInputs(const CommandLine& line) {
  filmotas::LocationInputs inputs;
  inputs.programFolder = programFolder();
  inputs.dataDir = line.dataDir;
  inputs.xdgDataHome = qgetenv("XDG_DATA_HOME").toStdString();
  inputs.home = qgetenv("HOME").toStdString();
  return inputs;
}

// Why this copy ends, told in a box and on the terminal it may have been started from.
void tellWhyItEnds(const char* text, const char* title, int code) {
  std::fprintf(stderr, "filmotas: %s\n", text);
  filmotas::ui::QtMessageBoxes boxes;
  boxes.show(text, title, code);
}

// Another copy plays in this folder: it is asked to come forward, the player is told, and
// nothing is touched. A copy that does not answer in time is stopped or stuck.
int leaveToTheRunningCopy(const std::optional<filmotas::app::SocketPlace>& place) {
  if (place && !filmotas::app::askToShow(*place)) {
    std::fputs("filmotas: la copia que ya se está ejecutando no responde.\n", stderr);
  }
  tellWhyItEnds(filmotas::ui::kAlreadyRunningText, filmotas::ui::kAlreadyRunningTitle, filmotas::box::kExclamation);
  return 0;
}

void endRightHere() {
  std::fflush(nullptr);
  std::_Exit(0);
}

// A signal ends the game as its close box does: the settings are written and the folder
// let go. When a box or dialog of the game is waiting for the player inside one of its
// operations, the program ends right there, so that operation never goes on afterwards.
// A second signal while the first one closes (a failed write's box is up) ends at once.
void closeOnSignal(filmotas::ui::GameWindow& window, filmotas::app::FolderHold& hold) {
  static bool closing = false;
  if (std::exchange(closing, true)) endRightHere();
  if (!window.game().closed()) window.close();
  hold.release();
  if (QApplication::activeModalWidget()) endRightHere();
  QCoreApplication::exit(0);
}

}  // namespace

int main(int argc, char** argv) {
  const CommandLine line = filmotas::app::parseCommandLine({argv, argv + argc});
  if (line.action != CommandLine::Action::play) return tellCommandLine(line);

  std::vector<char*> qtArguments = qtArgumentsOf(argv, line);
  int qtCount = static_cast<int>(qtArguments.size()) - 1;
  QApplication app(qtCount, qtArguments.data());
  presentApplication();
  QTranslator qtTexts;
  loadSpanishQtTexts(qtTexts);

  filmotas::DataLocation location = filmotas::locateData(locationInputs(line));
  try {
    filmotas::preparePlayerFolder(location);
  } catch (const filmotas::LocationProblem& problem) {
    tellWhyItEnds(problem.what(), "Filmotas", filmotas::box::kCritical);
    return kFolderRefused;
  }

  auto place = filmotas::app::SocketPlace::find(location.playerFolder, qgetenv("XDG_RUNTIME_DIR").toStdString());
  auto claim = std::make_unique<filmotas::ui::FolderClaim>(location.playerFolder);
  if (!claim->acquired()) return leaveToTheRunningCopy(place);
  filmotas::removeStaleTemporaries(location.playerFolder);

  const filmotas::app::FolderForQt playerFolder(location.playerFolder);
  const filmotas::app::FolderForQt helpFolder(location.helpFolder);
  filmotas::ui::GameWindow window(playerFolder.name());
  window.setHelpFolder(helpFolder.name());
  auto answering = place ? std::make_unique<filmotas::app::RunningCopy>(std::move(*place), &window) : nullptr;
  filmotas::app::FolderHold hold(std::move(claim), std::move(answering), window);
  const filmotas::app::SignalClosing onSignals([&] { closeOnSignal(window, hold); });
  window.start();
  return window.game().closed() ? 0 : app.exec();
}
