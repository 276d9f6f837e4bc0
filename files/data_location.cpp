#include "files/data_location.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "files/data_folder.h"
#include "files/failure.h"
#include "files/file_open.h"
#include "files/file_replace.h"
#include "files/whole_file.h"

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
  // There another user could put links to the player's own files in place of the game's.
  struct stat st {};
  if (::stat(folder.c_str(), &st) == 0 && st.st_uid != ::geteuid() && othersMayWrite(st.st_mode)) {
    throw LocationProblem("La carpeta de datos " + quoted(folder) +
                          " es de otro usuario y otros pueden escribir en ella.");
  }
}

// Copies the shipped list in under its own name: a list that appeared meanwhile is never
// replaced, and the player never sees a half-copied one.
void copyShippedList(const std::string& from, const std::string& folder) {
  std::string bytes;
  try {
    bytes = readFileBytes(DataFolder(from).path(kMovieListFile));
  } catch (const Failure&) {
    return;   // unreadable: the game reports a list without titles
  }
  try {
    createFile(folder + "/" + kMovieListFile, bytes);
  } catch (const Failure&) {
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
