#include "files/data_folder.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <memory>

#include "files/failure.h"

namespace filmotas {

namespace {

bool equalIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c + 32) : c; };
           return lower(x) == lower(y);
         });
}

bool exists(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0;
}

// Another spelling of `name` in `folder`, the first in name order; empty when none.
std::string otherSpelling(const std::string& folder, std::string_view name) {
  std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.empty() ? "." : folder.c_str()), ::closedir);
  if (!dir) return {};
  std::string best;
  while (const dirent* entry = ::readdir(dir.get())) {
    const std::string_view candidate(entry->d_name);
    if (equalIgnoringCase(candidate, name) && (best.empty() || candidate < best)) best = candidate;
  }
  return best;
}

}  // namespace

std::string DataFolder::path(std::string_view name) const {
  std::string prefix = folder_;
  if (prefix.empty() || prefix.back() != '/') prefix += '/';
  std::string canonical = prefix + std::string(name);
  if (exists(canonical)) return canonical;
  const std::string found = otherSpelling(folder_, name);
  return found.empty() ? canonical : prefix + found;
}

void deleteFile(const std::string& path) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) throw Failure(failure::kPathFileAccessError);
  if (::unlink(path.c_str()) != 0) throw failureFromErrno(errno);
}

}  // namespace filmotas
