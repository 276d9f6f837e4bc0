#pragma once
// Exporting the list as a UTF-8 text file, one title a line, each ended by LF, in list
// order; empty titles and repeated ones too, so that nothing stored is lost. Damaged
// records, and titles holding a line break, have no line that would read back as the
// same title: they are left out and counted.
#include <cstdint>
#include <string>

#include "movielist/list_snapshot.h"

namespace filmotas {

struct ExportedText {
  std::string text;
  std::int32_t written = 0;
  std::int32_t leftOut = 0;
};

ExportedText exportTitles(const ListSnapshot& list);

// The report box's text.
std::string exportReportText(const ExportedText& exported);

}  // namespace filmotas
