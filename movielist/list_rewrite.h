#pragma once
// Correcting and removing titles rewrite the whole movie list: every record that stays
// keeps its bytes exactly, and the new list replaces the old one at once, so that a
// failure at any point leaves the one or the other, never a mix.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "files/file_replace.h"
#include "movielist/list_snapshot.h"

namespace filmotas {

// The list without the given entries (0-based; damaged ones too).
std::string listWithout(const ListSnapshot& list, const std::vector<std::int32_t>& entries);

// The list with entry `entry` holding `codes` (Windows-1252, at most 50 bytes) as a new
// zero-padded record; a partial record becomes a whole one.
std::string listWithTitle(const ListSnapshot& list, std::int32_t entry, std::string_view codes);

// Puts `bytes` in place of the list at `path`. A folder that takes no new file is failure
// 70 and changes nothing: the list is never rewritten in place, where a crash would
// leave it half old, half new.
void replaceList(const std::string& path, std::string_view bytes, const WriteCall& write = systemWrite);

}  // namespace filmotas
