#pragma once
// Opening the game's files safely: never waiting on a FIFO or a device, and never writing
// through a symbolic link that someone else could have planted.
#include <sys/types.h>

#include <string>

namespace filmotas {

// Opens an existing file to read it. A FIFO, a device, a folder or any other thing that
// is not a regular file is failure 75 and never blocks; a missing file is 53.
int openToRead(const std::string& path);

// Opens `path` with `flags` without following a link at its end and without blocking,
// then hands it over for ordinary, blocking use. -1 with errno when the open itself fails;
// failure 75 when it is not a regular file.
int openRegular(const std::string& path, int flags, mode_t mode = 0);

// The file that a write meant for `path` may change. `path` itself when it is no link
// (missing, or a regular file; anything else is 75). A link is followed only when it
// belongs to the player, or to root outside a folder that others may write, and names a
// regular file of the player's (a link to a link is not followed): the write then changes
// that file and the link stays a link. Any other link is failure 70.
std::string writeTarget(const std::string& path);

// The folder that holds `path` ("." for a bare name).
std::string folderOf(const std::string& path);

// Whether users other than the folder's owner may add or replace names in it.
bool othersMayWrite(mode_t folderMode);

}  // namespace filmotas
