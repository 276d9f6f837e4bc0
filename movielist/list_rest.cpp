// Saving the list's rest before a write replaces it.
#include "movielist/list_rest.h"

#include "files/data_folder.h"
#include "files/record_append.h"
#include "files/spare_copy.h"

namespace filmotas {

void saveListRest(const std::string& listPath) {
  const std::string rest = recordFileTail(listPath, kMovieRecordLength);
  if (!rest.empty()) saveSpareCopy(listPath, kRestSuffix, rest);
}

}  // namespace filmotas
