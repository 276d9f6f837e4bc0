// Narrowing the list window as the player types.
#include "movielist/list_filter.h"

#include <string>
#include <unordered_map>

#include "files/windows1252.h"
#include "movielist/title_fold.h"

namespace filmotas {

std::vector<bool> findDuplicates(const ListSnapshot& list) {
  std::unordered_map<std::string_view, std::int32_t> seen;   // folded title -> entries
  seen.reserve(static_cast<std::size_t>(list.size()));
  for (std::int32_t i = 0; i < list.size(); ++i) {
    if (list.state(i) == RecordState::title) ++seen[list.folded(i)];
  }
  std::vector<bool> duplicate(static_cast<std::size_t>(list.size()), false);
  for (std::int32_t i = 0; i < list.size(); ++i) {
    if (list.state(i) == RecordState::title) duplicate[static_cast<std::size_t>(i)] = seen[list.folded(i)] > 1;
  }
  return duplicate;
}

std::vector<std::int32_t> filterEntries(const ListSnapshot& list, std::string_view typed,
                                        const std::vector<bool>* duplicates) {
  std::vector<std::int32_t> shown;
  shown.reserve(static_cast<std::size_t>(list.size()));
  const auto codes = windows1252::encode(typed);
  if (!codes) return shown;
  const std::string needle = foldTitle(*codes);
  for (std::int32_t i = 0; i < list.size(); ++i) {
    if (duplicates && !(*duplicates)[static_cast<std::size_t>(i)]) continue;
    if (needle.empty() || (list.state(i) == RecordState::title && list.folded(i).find(needle) != std::string_view::npos)) {
      shown.push_back(i);
    }
  }
  return shown;
}

}  // namespace filmotas
