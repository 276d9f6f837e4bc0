#include "files/record_append.h"

#include "files/failure.h"
#include "files/whole_file.h"

namespace filmotas {

std::string recordFileTail(const std::string& path, int recordLength) {
  try {
    const ReadOnlyFile file(path);
    const std::size_t size = file.size();
    const std::size_t tailLength = size % static_cast<std::size_t>(recordLength);
    std::string tail(tailLength, '\0');
    file.seek(size - tailLength);
    tail.resize(file.read(tail.data(), tailLength));
    return tail;
  } catch (const Failure& f) {
    if (f.number() == failure::kFileNotFound) return {};
    throw;
  }
}

}  // namespace filmotas
