#pragma once
// The data that ships with the program: the UTF-8 sources under data/ and the files
// the build step writes from them beside the program.
#include <string>
#include <vector>

namespace filmotas::testing {

// The lines of a UTF-8 source under data/, without their terminators (LF or CR LF).
// A final line break does not start another line.
std::vector<std::string> sourceLines(const std::string& name);

// The whole file, bytes; empty when it cannot be read.
std::string fileBytes(const std::string& path);

// Runs the build step that writes the data files into `programFolder` from the sources
// in `dataFolder` (by default the shipped ones); its exit status, 0 on success.
int runMakeData(const std::string& programFolder,
                const std::string& dataFolder = FILMOTAS_SOURCE_DIR "/data");

// The help entries that the help window shows, numbered from 1, in file order.
std::vector<int> shownHelpEntries();

}  // namespace filmotas::testing
