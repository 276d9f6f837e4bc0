#pragma once
// Which folders hold the data files, and the player's folder made ready before the game
// window opens.
//
// A program that was not installed keeps all four files in the folder that holds it. An
// installed program (its shipped data folder `<bindir>/../share/filmotas` exists and no
// movie list lies beside it) reads the shipped files from there and keeps the player's own
// files in `$XDG_DATA_HOME/filmotas`, or `~/.local/share/filmotas`. A folder chosen on the
// command line takes the player's folder's place in either case.
#include <optional>
#include <stdexcept>
#include <string>

namespace filmotas {

// The shipped data folder of an installed program, relative to the folder of its binary.
inline constexpr const char* kShippedDataFolder = "../share/filmotas";

struct LocationInputs {
  std::string programFolder;            // the folder that holds the running binary
  std::optional<std::string> dataDir;   // chosen on the command line
  std::string xdgDataHome;              // $XDG_DATA_HOME, empty when unset
  std::string home;                     // $HOME, empty when unset
};

struct DataLocation {
  std::string playerFolder;    // "Filmotas.dat", "Config.dat" and "Temp.dat"
  std::string shippedFolder;   // the shipped movie list and help file
  std::string helpFolder;      // where "Ayuda.dat" is read: decided by prepare
};

// The folders, decided from the files present; nothing is written.
DataLocation locateData(const LocationInputs& inputs);

// A folder that cannot hold the player's files; what() is the Spanish text for the player.
class LocationProblem : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Creates the player's folder when missing and checks that it takes files and that no
// other user may slip files into it (a folder of another user's that others may write is
// refused); gives it a copy
// of the shipped movie list when it has none (an existing list, in any spelling, is never
// replaced); then picks the help file's folder: the player's when it holds one, else the
// shipped one. Throws LocationProblem naming the folder.
void preparePlayerFolder(DataLocation& location);

}  // namespace filmotas
