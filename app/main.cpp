// Filmotas: the command line, the folder of the data files, one running copy per folder,
// then the game window.
#include <QApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdio>

#include "app/command_line.h"
#include "app/running_copy.h"
#include "files/data_location.h"
#include "files/file_replace.h"
#include "ui/game_window.h"
#include "ui/message_boxes.h"
#include "ui/single_instance.h"

namespace {

using filmotas::app::CommandLine;

constexpr const char* kDesktopId = "io.github.filmotas.Filmotas";
constexpr int kFolderRefused = 1;

QStringList argumentsOf(int argc, char** argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  return arguments;
}

std::string bytesOf(const QString& path) { return QFile::encodeName(path).toStdString(); }

// The standard texts of Qt's own widgets (context menus, dialog buttons) in Spanish,
// whatever the locale: the whole game is in Spanish.
void loadSpanishQtTexts(QTranslator& translator) {
  if (translator.load(QStringLiteral("qtbase_es"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(&translator);
  }
}

filmotas::LocationInputs locationInputs(const CommandLine& line) {
  filmotas::LocationInputs inputs;
  inputs.programFolder = bytesOf(QCoreApplication::applicationDirPath());
  if (line.dataDir) inputs.dataDir = bytesOf(*line.dataDir);
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

}  // namespace

int main(int argc, char** argv) {
  const CommandLine line = filmotas::app::parseCommandLine(argumentsOf(argc, argv));
  if (line.action != CommandLine::Action::play) {
    const bool refused = line.action == CommandLine::Action::refuse;
    std::fputs(line.output.toLocal8Bit().constData(), refused ? stderr : stdout);
    if (refused) std::fputc('\n', stderr);
    return refused ? filmotas::app::kUsageError : 0;
  }

  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Filmotas"));
  QApplication::setApplicationVersion(QStringLiteral(FILMOTAS_VERSION));
  QApplication::setDesktopFileName(QString::fromLatin1(kDesktopId));
  QTranslator qtTexts;
  loadSpanishQtTexts(qtTexts);

  filmotas::DataLocation location = filmotas::locateData(locationInputs(line));
  try {
    filmotas::preparePlayerFolder(location);
  } catch (const filmotas::LocationProblem& problem) {
    tellWhyItEnds(problem.what(), "Filmotas", filmotas::box::kCritical);
    return kFolderRefused;
  }

  const QString folder = QFile::decodeName(location.playerFolder.c_str());
  const QString copyName = filmotas::app::runningCopyName(folder);
  const filmotas::ui::FolderClaim claim(location.playerFolder);
  if (!claim.acquired()) {
    // Another copy plays in this folder: bring it forward, tell the player, touch nothing.
    filmotas::app::askRunningCopyToShow(copyName);
    tellWhyItEnds(filmotas::ui::kAlreadyRunningText, filmotas::ui::kAlreadyRunningTitle,
                  filmotas::box::kExclamation);
    return 0;
  }
  filmotas::removeStaleTemporaries(location.playerFolder);

  filmotas::ui::GameWindow window(folder);
  window.setHelpFolder(QFile::decodeName(location.helpFolder.c_str()));
  const filmotas::app::RunningCopy answering(copyName, &window);
  window.start();
  return window.game().closed() ? 0 : app.exec();
}
