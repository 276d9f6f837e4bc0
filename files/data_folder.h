#pragma once
// Where the data files live: the folder that holds the program.
#include <cstdint>
#include <string>
#include <string_view>

namespace filmotas {

inline constexpr const char* kMovieListFile = "Filmotas.dat";
inline constexpr const char* kScratchFile = "Temp.dat";
inline constexpr const char* kSettingsFile = "Config.dat";
inline constexpr const char* kHelpFile = "Ayuda.dat";

// Record lengths: a title of up to 50 characters, one letter, a setting of two digits.
inline constexpr int kMovieRecordLength = 52;
inline constexpr int kScratchRecordLength = 3;
// The most titles the list may hold: the game counts them in a 16-bit member.
inline constexpr std::int64_t kMostTitles = INT16_MAX;

class DataFolder {
 public:
  explicit DataFolder(std::string folder) : folder_(std::move(folder)) {}

  const std::string& folder() const { return folder_; }

  // Path of a data file, built afresh for every use: the folder, "/" unless the folder
  // already ends with it, then the name. Names match without regard to case: when the
  // folder holds "TEMP.DAT" or "temp.dat", that file is the one meant; when no spelling
  // exists, the canonical one given here is.
  std::string path(std::string_view name) const;

 private:
  std::string folder_;
};

// Removes a file: 53 when it does not exist, the nearest failure otherwise.
void deleteFile(const std::string& path);

}  // namespace filmotas
