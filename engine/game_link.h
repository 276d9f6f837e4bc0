#pragma once
// What the other windows (the add-movie dialog, the list window) may reach of the game:
// where the data files are, the message boxes, and telling it how many titles the list
// holds now. They never touch the game's own members.
#include <cstdint>

#include "engine/ports.h"
#include "files/data_folder.h"

namespace filmotas {

class GameLink {
 public:
  virtual ~GameLink() = default;
  virtual const DataFolder& dataFolder() const = 0;
  virtual MessageBoxPort& messageBoxes() = 0;
  // The movie list holds `titles` whole records now (the About box counts them).
  virtual void listNowHolds(std::int16_t titles) = 0;
};

}  // namespace filmotas
