#pragma once
// Whether a text file of any size is UTF-8 throughout, read in chunks.
#include <cstdint>
#include <functional>
#include <string>

namespace filmotas {

struct Utf8Scan {
  std::uint64_t badLine = 0;   // the first line (from 1) that is not UTF-8; 0 when none is
  bool stopped = false;        // `keepGoing` said no before the end
};

// Reads the whole file; `keepGoing` hears the bytes read so far after every chunk and
// stops the scan by returning false. Failures of the file throw (53 when it is missing).
Utf8Scan scanUtf8(const std::string& path, const std::function<bool(std::uint64_t bytesRead)>& keepGoing);

}  // namespace filmotas
