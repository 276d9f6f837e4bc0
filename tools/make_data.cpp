// Build step: writes the shipped movie list and help file beside the program.
//   make_data <data folder with peliculas.txt and ayuda.txt> <program folder>
// Each file is written only when no file of that name is there yet, so a list the
// player has extended (or help texts someone has edited) is never overwritten by a
// rebuild. Delete the file beside the program to have it written afresh. A file is
// written whole or not at all, so a failed build step leaves nothing damaged behind, and
// what an interrupted one left is removed by the next.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "files/data_folder.h"
#include "files/file_replace.h"
#include "files/record_codec.h"
#include "files/windows1252.h"

namespace {

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

// Anything of that name counts, a FIFO too (never opened, so never waited on).
bool existsAnySpelling(const filmotas::DataFolder& folder, const char* name) {
  std::error_code ignored;
  return std::filesystem::exists(std::filesystem::symlink_status(folder.path(name), ignored));
}

void writeOnce(const filmotas::DataFolder& folder, const char* name, const std::string& bytes) {
  filmotas::createFile(folder.path(name), bytes);   // a file that appeared meanwhile stays
}

void writeMovieList(const std::string& source, const filmotas::DataFolder& folder) {
  if (existsAnySpelling(folder, filmotas::kMovieListFile)) return;
  std::string list;
  std::int64_t n = 0;
  for (const std::string& title : readLines(source)) {
    if (title.empty()) continue;
    const std::string bytes = encodeOrFail(title, source);
    if (bytes.size() > filmotas::record::capacity(filmotas::kMovieRecordLength)) {
      throw std::runtime_error("title over 50 characters: " + title);
    }
    if (++n > filmotas::kMostTitles) throw std::runtime_error("more than 32767 titles in " + source);
    list += filmotas::record::encode(bytes, filmotas::kMovieRecordLength);
  }
  writeOnce(folder, filmotas::kMovieListFile, list);
}

void writeHelp(const std::string& source, const filmotas::DataFolder& folder) {
  if (existsAnySpelling(folder, filmotas::kHelpFile)) return;
  std::string text;
  for (const std::string& line : readLines(source)) text += encodeOrFail(line, source) + "\r\n";
  writeOnce(folder, filmotas::kHelpFile, text);
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
    filmotas::removeStaleTemporaries(folder.folder());   // what an interrupted run left
    writeMovieList(data + "/peliculas.txt", folder);
    std::ifstream help(data + "/ayuda.txt");
    if (help) writeHelp(data + "/ayuda.txt", folder);
  } catch (const std::exception& e) {
    std::cerr << "make_data: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
