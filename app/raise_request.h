#pragma once
// The request by which a later copy asks the copy that plays in the same data folder to
// bring its window to the front, over a Unix socket. The playing copy answers one byte as
// it takes a request, so a copy that is stopped or stuck, or a listener that is not a game
// at all, is found out within a time limit instead of holding the new copy up.
#include <chrono>

#include "app/socket_place.h"

namespace filmotas::app {

// How long a later copy waits, connecting included.
inline constexpr std::chrono::milliseconds kAnswerLimit{1000};

// The playing copy's listening socket at `place`, which never blocks; a socket that a copy
// ended without removing goes first. -1 when there can be none: the game runs without.
int listenForRequests(const SocketPlace& place);

// Takes one waiting request and answers it; false when none was waiting.
bool takeRequest(int listener);

// Closes the listening socket and removes it from its place.
void stopListening(int listener, const SocketPlace& place);

// Asks the copy listening at `place`; true when it answered within `limit`.
bool askToShow(const SocketPlace& place, std::chrono::milliseconds limit = kAnswerLimit);

}  // namespace filmotas::app
