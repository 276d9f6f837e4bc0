#pragma once
// The one way titles reach the end of the movie list, for the add-movie dialog (one
// title) and the import (a batch at a time): whole records right after the list's last
// whole record, in one write flushed once, the list's rest saved beside it first.
#include <cstdint>
#include <string>
#include <vector>

#include "files/record_append.h"

namespace filmotas {

class ListAppend {
 public:
  // Opens the list, creating it when missing. Failures throw.
  explicit ListAppend(const std::string& listPath, AppendCalls calls = {});

  // The whole records the list holds now, counted from the file itself.
  std::int64_t wholeRecords() const { return file_.wholeRecords(); }

  // Appends the titles (Windows-1252, at most 50 bytes each; a longer one is failure 59
  // before anything is written). A failure throws and leaves the list as it was; only
  // the rest's saved copy stays.
  void append(const std::vector<std::string>& titles);
  // The same for titles already laid out as whole records.
  void appendRecords(std::string_view records);

 private:
  std::string path_;
  RecordAppender file_;
};

}  // namespace filmotas
