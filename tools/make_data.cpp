// Build step: writes the shipped movie list and help file beside the program, each
// only when no file of that name is there yet, so a list the player has extended is
// never overwritten by a rebuild.
//   make_data <data folder with peliculas.txt and ayuda.txt> <program folder>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/data_folder.h"
#include "engine/record_file.h"
#include "engine/windows1252.h"

namespace {

constexpr int kMovieRecordLength = 52;
constexpr std::size_t kLongestTitle = 50;

std::vector<std::string> readLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

std::string encodeOrFail(const std::string& text, const std::string& where) {
  const auto bytes = filmotas::windows1252::encode(text);
  if (!bytes) throw std::runtime_error(where + ": not encodable in Windows-1252: " + text);
  return *bytes;
}

bool existsAnySpelling(const filmotas::DataFolder& folder, const char* name) {
  return std::ifstream(folder.path(name)).good();
}

void writeMovieList(const std::string& source, const filmotas::DataFolder& folder) {
  if (existsAnySpelling(folder, filmotas::kMovieListFile)) return;
  const std::string target = folder.path(filmotas::kMovieListFile);
  const std::string partial = target + ".part";
  {
    filmotas::RecordFile list(partial, kMovieRecordLength);
    std::int64_t n = 0;
    for (const std::string& title : readLines(source)) {
      if (title.empty()) continue;
      const std::string bytes = encodeOrFail(title, source);
      if (bytes.size() > kLongestTitle) throw std::runtime_error("title over 50 characters: " + title);
      list.write(++n, bytes);
    }
  }
  std::rename(partial.c_str(), target.c_str());
}

void writeHelp(const std::string& source, const filmotas::DataFolder& folder) {
  if (existsAnySpelling(folder, filmotas::kHelpFile)) return;
  std::ostringstream text;
  for (const std::string& line : readLines(source)) text << encodeOrFail(line, source) << "\r\n";
  const std::string target = folder.path(filmotas::kHelpFile);
  std::ofstream(target + ".part", std::ios::binary) << text.str();
  std::rename((target + ".part").c_str(), target.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: make_data <data folder> <program folder>\n";
    return 2;
  }
  try {
    const std::string data = argv[1];
    const filmotas::DataFolder folder(argv[2]);
    writeMovieList(data + "/peliculas.txt", folder);
    std::ifstream help(data + "/ayuda.txt");
    if (help) writeHelp(data + "/ayuda.txt", folder);
  } catch (const std::exception& e) {
    std::cerr << "make_data: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
