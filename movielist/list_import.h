#pragma once
// Importing titles from a text file: UTF-8, one title a line, CR LF or LF, a leading
// byte-order mark ignored. The file is read as a stream, twice: first to refuse a file
// that is not UTF-8 before anything is added, then to judge every line and append the
// acceptable titles in batches. Memory stays bounded whatever the file's size.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "files/failure.h"
#include "movielist/list_snapshot.h"

namespace filmotas {

enum class SkipReason { empty, tooLong, notStorable, alreadyListed, repeatedInFile, listFull };
inline constexpr std::size_t kSkipReasons = 6;

struct ImportReport {
  std::int32_t added = 0;
  std::array<std::int32_t, kSkipReasons> skipped{};   // by SkipReason
  std::optional<Failure> stoppedBy;                   // the failure that ended the import
  bool cancelled = false;                             // the player stopped it
  std::uint64_t notUtf8Line = 0;                      // the file's first line that is not UTF-8
};

// Tells the player how far the import has got and hears whether he cancels it.
class ImportProgress {
 public:
  virtual ~ImportProgress() = default;
  // `done` of `total` steps; false when the player has cancelled. Called at least once
  // every 64 KiB of the file read.
  virtual bool keepGoing(std::uint64_t done, std::uint64_t total) = 0;
  // The import has stopped, however it ended: the progress goes before the report shows.
  virtual void finished() = 0;
};

// Appends a batch of whole records behind the list's last whole record; throws Failure,
// leaving the list as it was before the batch.
using AppendBatch = std::function<void(std::string_view records)>;

// The titles taken are written as a batch, one write and one flush, each time this much
// more of the file has been read, and at the end: an import of a whole list's worth of
// titles goes to the disk at once, a long file's titles a batch at a time.
inline constexpr std::uint64_t kImportBatchBytes = 4 << 20;

// Imports the lines of the file at `path` into `list` (as it is before the import)
// through `append`. A title already in the list, or earlier in the file, ignoring case
// and accents, is left out, and so is every title past the 32767th. A failure, a
// cancel or a file that is not UTF-8 stops the import; the batches written stay, and a
// cancel writes the titles taken so far.
ImportReport importTitles(const std::string& path, const ListSnapshot& list, const AppendBatch& append,
                          ImportProgress& progress);

// The report box's text: how many were added and how many left out, by reason.
std::string importReportText(const ImportReport& report);

// The box that refuses a file that is not UTF-8.
std::string notUtf8Text(std::uint64_t line);

}  // namespace filmotas
