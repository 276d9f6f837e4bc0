#pragma once
// Keeps the player's record: hears every game that ends and appends its line to
// "Historial.tsv". A game abandoned before any letter was judged is not a game played,
// and is not kept. A record that cannot be written never stops the game: the player is
// told once per run, in the general error box, and play goes on.
#include "engine/game_events.h"
#include "engine/ports.h"
#include "files/data_folder.h"

namespace filmotas {

class HistoryRecorder : public GameEvents {
 public:
  HistoryRecorder(DataFolder folder, MessageBoxPort& boxes) : folder_(std::move(folder)), boxes_(boxes) {}

  void gameEnded(const GameEnded& ended) override;

 private:
  DataFolder folder_;
  MessageBoxPort& boxes_;
  bool failureTold_ = false;
};

}  // namespace filmotas
