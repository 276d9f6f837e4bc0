#include "settings/settings_file.h"

#include "files/failure.h"
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

std::string settingRecord(int value) {
  const std::string text = std::to_string(value);
  std::string record(kSettingsRecordLength, '\0');
  record[0] = static_cast<char>(text.size());
  return record.replace(2, text.size(), text);
}

void writeInPlace(const std::string& path, const Settings& settings) {
  RecordFile file(path, kSettingsRecordLength);
  file.write(1, std::to_string(settings.wait));
  file.write(2, std::to_string(settings.vowels));
  file.write(3, std::to_string(settings.ignoreCase));
}

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

// The same bytes as writing the three records in place, bytes past them kept.
void writeSettings(const std::string& path, const Settings& settings, const WriteCall& write) {
  const std::string bytes = settingRecord(settings.wait) + settingRecord(settings.vowels) +
                            settingRecord(settings.ignoreCase) + bytesPastRecords(path);
  if (replaceFile(path, bytes, write) == ReplaceResult::folderRefused) writeInPlace(path, settings);
}

}  // namespace filmotas
