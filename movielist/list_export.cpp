// The exported text file.
#include "movielist/list_export.h"

#include "files/windows1252.h"

namespace filmotas {

ExportedText exportTitles(const ListSnapshot& list) {
  ExportedText out;
  out.text.reserve(list.bytes().size());
  for (std::int32_t i = 0; i < list.size(); ++i) {
    const std::string_view codes = list.codes(i);
    if (list.state(i) != RecordState::title || codes.find_first_of("\r\n") != std::string_view::npos) {
      ++out.leftOut;
      continue;
    }
    out.text += windows1252::decode(codes);
    out.text += '\n';
    ++out.written;
  }
  return out;
}

std::string exportReportText(const ExportedText& exported) {
  std::string text = "Filmotas exportadas: " + std::to_string(exported.written);
  if (exported.leftOut > 0) {
    text += "\r\nRegistros dañados o con saltos de línea sin exportar: " + std::to_string(exported.leftOut);
  }
  return text;
}

}  // namespace filmotas
