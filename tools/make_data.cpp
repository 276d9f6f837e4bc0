// Build step: writes the shipped movie list and help file beside the program.
//   make_data <data folder with peliculas.txt and ayuda.txt> <program folder>
// Each file is written only when no file of that name is there yet, so a list the
// player has extended (or help texts someone has edited) is never overwritten by a
// rebuild. Delete the file beside the program to have it written afresh.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "files/data_folder.h"
#include "files/record_file.h"
#include "files/windows1252.h"

namespace {

constexpr std::size_t kLongestTitle = 50;
constexpr std::int64_t kMostTitles = 32767;   // the game counts its titles in 16 bits

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

// A data file is written beside its target and renamed onto it only once it is whole,
// so a failed build step leaves neither a damaged file nor a leftover behind.
class PartialFile {
 public:
  explicit PartialFile(std::string target) : target_(std::move(target)), path_(target_ + ".part") {
    std::remove(path_.c_str());   // a leftover of an interrupted run must not leak in
  }
  ~PartialFile() {
    if (!committed_) std::remove(path_.c_str());
  }
  PartialFile(const PartialFile&) = delete;
  PartialFile& operator=(const PartialFile&) = delete;

  const std::string& path() const { return path_; }
  void commit() {
    if (std::rename(path_.c_str(), target_.c_str()) != 0) throw std::runtime_error("cannot write " + target_);
    committed_ = true;
  }

 private:
  std::string target_;
  std::string path_;
  bool committed_ = false;
};

void writeMovieList(const std::string& source, const filmotas::DataFolder& folder) {
  if (existsAnySpelling(folder, filmotas::kMovieListFile)) return;
  PartialFile partial(folder.path(filmotas::kMovieListFile));
  {
    filmotas::RecordFile list(partial.path(), filmotas::kMovieRecordLength);
    std::int64_t n = 0;
    for (const std::string& title : readLines(source)) {
      if (title.empty()) continue;
      const std::string bytes = encodeOrFail(title, source);
      if (bytes.size() > kLongestTitle) throw std::runtime_error("title over 50 characters: " + title);
      if (n == kMostTitles) throw std::runtime_error("more than 32767 titles in " + source);
      list.write(++n, bytes);
    }
  }
  partial.commit();
}

void writeHelp(const std::string& source, const filmotas::DataFolder& folder) {
  if (existsAnySpelling(folder, filmotas::kHelpFile)) return;
  std::string text;
  for (const std::string& line : readLines(source)) text += encodeOrFail(line, source) + "\r\n";
  const std::string target = folder.path(filmotas::kHelpFile);
  PartialFile partial(target);
  std::ofstream out(partial.path(), std::ios::binary);
  out << text;
  out.close();
  if (!out) throw std::runtime_error("cannot write " + partial.path());
  partial.commit();
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
