#pragma once
// Which entries of the list window show: those whose title holds the typed text,
// ignoring case and accents, and optionally only titles that match another one.
#include <cstdint>
#include <string_view>
#include <vector>

#include "movielist/list_snapshot.h"

namespace filmotas {

// Per entry: whether its title equals another entry's title, ignoring case and accents.
// Damaged records are never duplicates.
std::vector<bool> findDuplicates(const ListSnapshot& list);

// The entries (0-based, in list order) that show for the typed text (UTF-8). An empty
// text shows everything, damaged records included; any other text only titles holding
// it. A text with a character no title can hold matches nothing. `duplicates`, when
// given, keeps only the entries it marks.
std::vector<std::int32_t> filterEntries(const ListSnapshot& list, std::string_view typed,
                                        const std::vector<bool>* duplicates = nullptr);

}  // namespace filmotas
