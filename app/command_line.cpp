#include "app/command_line.h"

#include <QCommandLineParser>

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
    "                          partida en <carpeta>, que se crea si no existe.\n";

CommandLine refusal(const QString& reason) {
  return {CommandLine::Action::refuse, std::nullopt, QStringLiteral("filmotas: ") + reason};
}

// An option as it is typed: "-x" or "--name".
QString spelled(const QString& name) { return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name; }

}  // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
  QCommandLineParser parser;
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, {});
  const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, {});
  const QCommandLineOption dataDir(QStringLiteral("data-dir"), {}, QStringLiteral("carpeta"));
  parser.addOptions({help, version, dataDir});

  if (!parser.parse(arguments)) {
    const QStringList unknown = parser.unknownOptionNames();
    return refusal(unknown.isEmpty() ? QStringLiteral("falta la carpeta tras --data-dir")
                                     : QStringLiteral("opción desconocida: ") + spelled(unknown.first()));
  }
  if (!parser.positionalArguments().isEmpty()) {
    return refusal(QStringLiteral("argumento de más: ") + parser.positionalArguments().first());
  }
  if (parser.isSet(help)) return {CommandLine::Action::showHelp, std::nullopt, QString::fromUtf8(kHelp)};
  if (parser.isSet(version)) {
    return {CommandLine::Action::showVersion, std::nullopt, QStringLiteral("Filmotas " FILMOTAS_VERSION "\n")};
  }
  CommandLine line;
  if (parser.isSet(dataDir)) line.dataDir = parser.value(dataDir);
  return line;
}

}  // namespace filmotas::app
