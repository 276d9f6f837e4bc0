#include "settings/settings_file.h"

#include "files/failure.h"
#include "files/record_codec.h"
#include "files/record_file.h"
#include "files/whole_file.h"

namespace filmotas {

namespace {

constexpr std::size_t kRecordsBytes = 3 * kSettingsRecordLength;

// What the file holds past its three records; nothing when it does not exist.
std::string bytesPastRecords(const std::string& path) {
  try {
    const std::string bytes = readFileBytes(path);
    return bytes.size() > kRecordsBytes ? bytes.substr(kRecordsBytes) : std::string();
  } catch (const Failure& f) {
    if (f.number() != failure::kFileNotFound) throw;
    return {};
  }
}

std::string settingRecord(int value) { return record::encode(std::to_string(value), kSettingsRecordLength); }

}  // namespace

std::int32_t parseSettingNumber(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  const auto last = text.find_last_not_of(' ');
  if (first == std::string_view::npos) throw Failure(failure::kTypeMismatch);
  const std::string_view digits = text.substr(first, last - first + 1);
  std::int32_t value = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') throw Failure(failure::kTypeMismatch);
    if (value > 100000000) throw Failure(failure::kOverflow);
    value = value * 10 + (c - '0');
  }
  return value;
}

std::string waitCaption(std::string_view text) {
  if (text == "1") return "1 segundo";
  return std::string(text) + " segundos";
}

// The same bytes as writing the three records in place, bytes past them kept. In place,
// the three records go in one write that is undone when it fails.
void writeSettings(const std::string& path, const Settings& settings, const WriteCall& write) {
  const std::string records =
      settingRecord(settings.wait) + settingRecord(settings.vowels) + settingRecord(settings.ignoreCase);
  if (replaceFile(path, records + bytesPastRecords(path), write) == ReplaceResult::folderRefused) {
    RecordFile(path, kSettingsRecordLength).writeRecords(1, records, write);
  }
}

}  // namespace filmotas
