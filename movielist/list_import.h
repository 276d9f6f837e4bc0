#pragma once
// Importing titles from a text file: UTF-8, one title a line, CR LF or LF, a leading
// byte-order mark ignored. Every acceptable title is appended; the others are counted
// by the reason they were left out.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/failure.h"
#include "movielist/list_snapshot.h"

namespace filmotas {

enum class SkipReason { empty, tooLong, notStorable, alreadyListed, listFull };
inline constexpr std::size_t kSkipReasons = 5;

struct ImportReport {
  std::int32_t added = 0;
  std::array<std::int32_t, kSkipReasons> skipped{};   // by SkipReason
  std::optional<Failure> stoppedBy;                   // the failure that ended the import
};

// The lines of a text file, without their line breaks; no line after a final break.
std::vector<std::string_view> textLines(std::string_view text);

// Appends the title codes (Windows-1252) behind the list's last whole record; throws
// Failure when the list cannot be written.
using AppendTitle = std::function<void(const std::string& codes)>;

// Imports the lines of `text` into `list` (as it is before the import) through `append`.
// A title already in the list, or earlier in the file, ignoring case and accents, is
// left out, and so is every title past the 32767th. A failure stops the import.
ImportReport importTitles(std::string_view text, const ListSnapshot& list, const AppendTitle& append);

// The report box's text: how many were added and how many left out, by reason.
std::string importReportText(const ImportReport& report);

}  // namespace filmotas
