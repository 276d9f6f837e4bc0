#pragma once
// When a game ended, as the record writes it: ISO 8601 local time with the offset from
// UTC that held then ("2026-12-07T03:15:22+01:00"), so the player reads his own clock
// and the moment stays exact across summer time and travels.
#include <chrono>
#include <string>
#include <string_view>

namespace filmotas {

std::string isoLocalDate(std::chrono::system_clock::time_point moment);

// True for a date of exactly that form naming a real day and time; a "Z" stands for +00:00.
bool isIsoLocalDate(std::string_view text);

// A date of the record as the statistics window shows it: "07/12/2026 03:15".
std::string shownDate(std::string_view isoDate);

}  // namespace filmotas
