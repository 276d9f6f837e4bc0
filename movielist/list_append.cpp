// Titles appended behind the list's last whole record.
#include "movielist/list_append.h"

#include "files/data_folder.h"
#include "files/record_codec.h"
#include "movielist/list_rest.h"
#include "movielist/list_rewrite.h"

namespace filmotas {

ListAppend::ListAppend(const std::string& listPath, AppendCalls calls)
    : path_(listPath), file_(listPath, kMovieRecordLength, std::move(calls)) {}

void ListAppend::append(const std::vector<std::string>& titles) {
  std::string records;
  records.reserve(titles.size() * kMovieRecordLength);
  for (const std::string& codes : titles) records += record::encode(codes, kMovieRecordLength);
  appendRecords(records);
}

void ListAppend::appendRecords(std::string_view records) {
  if (records.empty()) return;
  saveListRest(path_);
  file_.append(records);
}

}  // namespace filmotas
