#include "settings/about.h"

namespace filmotas {

std::string aboutText(std::int16_t titleCount) {
  const std::string crlf = "\r\n";
  return "Filmotas " + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." +
         std::to_string(kVersionRevision) + crlf + crlf + "Creado por: " + crlf + "Quenteo" + crlf +
         "Deridorovida Brivanta" + crlf + crlf + "Número de filmotas almacenadas:" + crlf +
         std::to_string(titleCount);
}

}  // namespace filmotas
