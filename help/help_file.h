#pragma once
// The help file "Ayuda.dat": plain Windows-1252 text, one help entry per line.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace filmotas::help {

// The lines of a help file's bytes, converted to UTF-8. CR LF and a lone CR end a line;
// a bare LF stays inside its line. The last line needs no terminator; an empty line is
// an empty entry; no bytes give no lines.
std::vector<std::string> splitHelpLines(std::string_view bytes);

// The lines of the help file at `path`; nullopt when the path is empty, names no
// ordinary file (missing, a folder) or the file cannot be read.
std::optional<std::vector<std::string>> readHelpFile(const std::string& path);

}  // namespace filmotas::help
