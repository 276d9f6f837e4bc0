// Judging and appending the lines of an imported text file.
#include "movielist/list_import.h"

#include <algorithm>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <variant>

#include "files/data_folder.h"
#include "files/record_codec.h"
#include "files/line_reader.h"
#include "files/utf8.h"
#include "files/utf8_file.h"
#include "files/windows1252.h"
#include "movielist/counted.h"
#include "movielist/list_rewrite.h"
#include "movielist/title_entry.h"
#include "movielist/title_fold.h"

namespace filmotas {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// A line longer than this can be no title (50 characters of at most 4 bytes, and the
// byte-order mark on the first line); only its start is kept.
constexpr std::size_t kLineKept = 4 * kTitleMaxLength + kByteOrderMark.size();

// The title's codes, or why the line cannot be a title.
std::variant<std::string, SkipReason> judge(std::string_view line, bool cut) {
  if (!cut && isBlankTitle(line)) return SkipReason::empty;
  if (cut || utf8::length(line) > static_cast<std::size_t>(kTitleMaxLength)) return SkipReason::tooLong;
  auto codes = windows1252::encode(line);
  if (!codes || !isAcceptableTitleCodes(*codes)) return SkipReason::notStorable;
  return std::move(*codes);
}

// The titles known so far, the list's own and those taken from the file, each marked by
// where it came from; the titles of the file go to the list a batch at a time. The
// folded titles of the file lie end to end in one buffer that holds what the list can
// take, so the keys that point into it stay valid.
class Importer {
 public:
  Importer(const ListSnapshot& list, const AppendBatch& append, ImportReport& report)
      : append_(append), report_(report), titles_(list.wholeRecords()) {
    known_.reserve(static_cast<std::size_t>(kMostTitles));
    batch_.reserve(static_cast<std::size_t>(std::max<std::int64_t>(kMostTitles - titles_, 0)) * kMovieRecordLength);
    for (std::int32_t i = 0; i < list.size(); ++i) {
      if (list.state(i) == RecordState::title) known_.emplace(list.folded(i), false);
    }
  }

  void take(std::string_view line, bool cut) {
    auto judged = judge(line, cut);
    if (const auto* reason = std::get_if<SkipReason>(&judged)) return skip(*reason);
    std::string& codes = std::get<std::string>(judged);
    const std::string_view folded = fold(codes);
    const auto [seen, isNew] = known_.try_emplace(folded, true);
    if (!isNew) return skip(seen->second ? SkipReason::repeatedInFile : SkipReason::alreadyListed);
    if (titles_ >= kMostTitles) {
      known_.erase(seen);
      return skip(SkipReason::listFull);
    }
    keep(folded.size());
    batch_ += record::encode(codes, kMovieRecordLength);
    ++titles_;
    ++batchTitles_;
  }

  // Writes the titles taken since the last batch.
  void finish() {
    if (batchTitles_ == 0) return;
    append_(batch_);
    report_.added += static_cast<std::int32_t>(batchTitles_);
    batch_.clear();
    batchTitles_ = 0;
  }

 private:
  void skip(SkipReason reason) { ++report_.skipped[static_cast<std::size_t>(reason)]; }

  // The folded title, written after the kept ones; keep() keeps it there for good.
  // (Once the list is full nothing more is kept, so memory stays bounded.)
  std::string_view fold(std::string_view codes) {
    foldInto(codes, taken_.get() + used_);
    return {taken_.get() + used_, codes.size()};
  }
  void keep(std::size_t length) { used_ += length; }

  const AppendBatch& append_;
  ImportReport& report_;
  std::unordered_map<std::string_view, bool> known_;   // folded title -> taken from the file
  std::unique_ptr<char[]> taken_ = std::make_unique_for_overwrite<char[]>(kMostTitles * kTitleMaxLength);
  std::size_t used_ = 0;
  std::int64_t titles_;
  std::string batch_;   // whole records, at most the list's worth
  std::size_t batchTitles_ = 0;
};

// The file is read twice; progress counts both readings.
void importLines(const std::string& path, Importer& importer, ImportProgress& progress, ImportReport& report) {
  LineReader lines(path, kLineKept);
  const std::uint64_t total = 2 * lines.size();
  const Utf8Scan scan = scanUtf8(path, [&](std::uint64_t read) { return progress.keepGoing(read, total); });
  report.cancelled = scan.stopped;
  report.notUtf8Line = scan.badLine;
  if (scan.stopped || scan.badLine != 0) return;
  std::uint64_t heard = 0;
  std::uint64_t written = 0;
  for (bool first = true; lines.next(); first = false) {
    std::string_view line = lines.line();
    if (first && line.starts_with(kByteOrderMark)) line.remove_prefix(kByteOrderMark.size());
    importer.take(line, lines.cut());
    if (lines.bytesRead() == heard) continue;
    heard = lines.bytesRead();
    if (heard - written >= kImportBatchBytes) {
      importer.finish();
      written = heard;
    }
    if (!progress.keepGoing(total / 2 + heard, total)) {
      report.cancelled = true;
      break;
    }
  }
  importer.finish();
}

}  // namespace

ImportReport importTitles(const std::string& path, const ListSnapshot& list, const AppendBatch& append,
                          ImportProgress& progress) {
  ImportReport report;
  Importer importer(list, append, report);
  try {
    importLines(path, importer, progress, report);
  } catch (const Failure& f) {
    report.stoppedBy = f;
  } catch (...) {
    progress.finished();
    throw;
  }
  progress.finished();
  return report;
}

std::string importReportText(const ImportReport& report) {
  struct Reason { const char* one; const char* many; };
  static constexpr std::array<Reason, kSkipReasons> kReasons = {{
      {"línea vacía", "líneas vacías"},
      {"línea de más de 50 caracteres", "líneas de más de 50 caracteres"},
      {"línea con caracteres que no se pueden guardar", "líneas con caracteres que no se pueden guardar"},
      {"título ya está en la lista", "títulos ya están en la lista"},
      {"línea repetida en el archivo", "líneas repetidas en el archivo"},
      {"título no cabe: la lista admite 32767 filmotas", "títulos no caben: la lista admite 32767 filmotas"}}};
  const std::string crlf = "\r\n";
  std::string text;
  if (report.stoppedBy) text += "La importación se detuvo por un error." + crlf + crlf;
  if (report.cancelled && !report.stoppedBy) {
    text += "Importación cancelada: las filmotas añadidas hasta entonces se quedan en la lista." + crlf + crlf;
  }
  text += "Filmotas añadidas: " + std::to_string(report.added);
  std::int32_t skipped = 0;
  for (const std::int32_t n : report.skipped) skipped += n;
  if (skipped == 0) return text;
  text += crlf + "Líneas omitidas: " + std::to_string(skipped);
  for (std::size_t r = 0; r < kSkipReasons; ++r) {
    if (report.skipped[r] > 0) text += crlf + "- " + counted(report.skipped[r], kReasons[r].one, kReasons[r].many);
  }
  return text;
}

std::string notUtf8Text(std::uint64_t line) {
  return "El archivo no es texto UTF-8 (la línea " + std::to_string(line) +
         " no lo es) y no se ha importado nada.\r\n\r\nGuárdalo con la codificación UTF-8 y vuelve a importarlo.";
}

}  // namespace filmotas
