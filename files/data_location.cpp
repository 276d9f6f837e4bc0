#include "files/data_location.h"

#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "files/data_folder.h"

namespace filmotas {

namespace fs = std::filesystem;

namespace {

std::string normal(const fs::path& path) {
  std::string text = path.lexically_normal().string();
  if (text.size() > 1 && text.back() == '/') text.pop_back();
  return text;
}

bool hasFile(const std::string& folder, const char* name) {
  std::error_code ignored;
  return fs::is_regular_file(DataFolder(folder).path(name), ignored);
}

// The base of the player's folders by the XDG rules: a relative XDG_DATA_HOME is ignored.
std::string dataHome(const LocationInputs& inputs) {
  if (!inputs.xdgDataHome.empty() && inputs.xdgDataHome.front() == '/') return inputs.xdgDataHome;
  std::string home = inputs.home;
  if (home.empty() || home.front() != '/') {
    const passwd* entry = ::getpwuid(::getuid());
    home = entry != nullptr && entry->pw_dir != nullptr ? entry->pw_dir : "/";
  }
  return home + "/.local/share";
}

std::string quoted(const std::string& folder) { return "«" + folder + "»"; }

void makeFolder(const std::string& folder) {
  std::error_code error;
  if (fs::exists(folder, error) && !fs::is_directory(folder, error)) {
    throw LocationProblem("La carpeta de datos " + quoted(folder) + " es un archivo, no una carpeta.");
  }
  // The player's files are private: a folder made here is for its owner alone.
  if (fs::create_directories(folder, error)) fs::permissions(folder, fs::perms::owner_all, error);
  if (error || !fs::is_directory(folder, error)) {
    throw LocationProblem("No se puede crear la carpeta de datos " + quoted(folder) + ".");
  }
  if (::access(folder.c_str(), W_OK | X_OK) != 0) {
    throw LocationProblem("No se puede escribir en la carpeta de datos " + quoted(folder) + ".");
  }
}

// Copies the shipped list in under its own name; link() refuses to replace a list that
// appeared meanwhile, and the player never sees a half-copied one.
void copyShippedList(const std::string& from, const std::string& folder) {
  std::ifstream in(DataFolder(from).path(kMovieListFile), std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (!in.good() && !in.eof()) return;   // unreadable: the game reports a list without titles
  const std::string target = folder + "/" + kMovieListFile;
  const std::string partial = target + ".part";
  std::ofstream out(partial, std::ios::binary | std::ios::trunc);
  out << bytes;
  out.close();
  int error = 0;
  if (!out) {
    error = EIO;
  } else if (::link(partial.c_str(), target.c_str()) != 0) {
    error = errno;
  }
  ::unlink(partial.c_str());
  if (error != 0 && error != EEXIST) {
    throw LocationProblem("No se puede escribir en la carpeta de datos " + quoted(folder) + ".");
  }
}

}  // namespace

DataLocation locateData(const LocationInputs& inputs) {
  const std::string program = normal(inputs.programFolder);
  const std::string shipped = normal(fs::path(program) / kShippedDataFolder);
  std::error_code ignored;
  const bool installed = fs::is_directory(shipped, ignored) && !hasFile(program, kMovieListFile);

  DataLocation location;
  location.shippedFolder = installed ? shipped : program;
  if (inputs.dataDir) {
    location.playerFolder = normal(fs::absolute(*inputs.dataDir, ignored));
  } else {
    location.playerFolder = installed ? normal(fs::path(dataHome(inputs)) / "filmotas") : program;
  }
  location.helpFolder = location.playerFolder;
  return location;
}

void preparePlayerFolder(DataLocation& location) {
  makeFolder(location.playerFolder);
  std::error_code ignored;
  const bool sameFolder = fs::equivalent(location.playerFolder, location.shippedFolder, ignored);
  if (!sameFolder && !hasFile(location.playerFolder, kMovieListFile) &&
      hasFile(location.shippedFolder, kMovieListFile)) {
    copyShippedList(location.shippedFolder, location.playerFolder);
  }
  location.helpFolder =
      hasFile(location.playerFolder, kHelpFile) ? location.playerFolder : location.shippedFolder;
}

}  // namespace filmotas
