// Judging and appending the lines of an imported text file.
#include "movielist/list_import.h"

#include <unordered_set>

#include "files/data_folder.h"
#include "files/utf8.h"
#include "files/windows1252.h"
#include "movielist/title_entry.h"
#include "movielist/title_fold.h"

namespace filmotas {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Why a line cannot be a title, or nullopt when it can.
std::optional<SkipReason> refusal(std::string_view line) {
  if (isBlankTitle(line)) return SkipReason::empty;
  if (!utf8::decode(line)) return SkipReason::notStorable;
  if (utf8::length(line) > static_cast<std::size_t>(kTitleMaxLength)) return SkipReason::tooLong;
  if (!isAcceptableTitleText(line)) return SkipReason::notStorable;
  return std::nullopt;
}

}  // namespace

std::vector<std::string_view> textLines(std::string_view text) {
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (line.ends_with('\r')) line.remove_suffix(1);
    lines.push_back(line);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  }
  return lines;
}

ImportReport importTitles(std::string_view text, const ListSnapshot& list, const AppendTitle& append) {
  ImportReport report;
  std::unordered_set<std::string> known;
  for (std::int32_t i = 0; i < list.size(); ++i) {
    if (list.state(i) == RecordState::title) known.emplace(list.folded(i));
  }
  std::int64_t titles = list.wholeRecords();
  for (const std::string_view line : textLines(text)) {
    std::optional<SkipReason> reason = refusal(line);
    const std::string codes = reason ? std::string() : *windows1252::encode(line);
    if (!reason && !known.insert(foldTitle(codes)).second) reason = SkipReason::alreadyListed;
    if (!reason && titles >= kMostTitles) reason = SkipReason::listFull;
    if (reason) {
      ++report.skipped[static_cast<std::size_t>(*reason)];
      continue;
    }
    try {
      append(codes);
    } catch (const Failure& f) {
      report.stoppedBy = f;
      break;
    }
    ++titles;
    ++report.added;
  }
  return report;
}

std::string importReportText(const ImportReport& report) {
  static constexpr std::array<const char*, kSkipReasons> kReasons = {
      "vacías o solo con espacios", "de más de 50 caracteres",
      "con caracteres que no se pueden guardar", "que ya estaban en la lista",
      "que no caben: la lista admite 32767 filmotas"};
  const std::string crlf = "\r\n";
  std::string text;
  if (report.stoppedBy) text += "La importación se detuvo por un error." + crlf + crlf;
  text += "Filmotas añadidas: " + std::to_string(report.added);
  std::int32_t skipped = 0;
  for (const std::int32_t n : report.skipped) skipped += n;
  if (skipped == 0) return text;
  text += crlf + "Líneas omitidas: " + std::to_string(skipped);
  for (std::size_t r = 0; r < kSkipReasons; ++r) {
    if (report.skipped[r] > 0) text += crlf + "- " + kReasons[r] + ": " + std::to_string(report.skipped[r]);
  }
  return text;
}

}  // namespace filmotas
