#pragma once

#include <cstdint>

#include "messages/PadInput.h"

namespace quindel {

class Game;

// The key a pad's action stands for: the key bound to it at this moment, so
// a key rebound a moment ago is the one sent and the window's rules for keys
// hold for the pad as they are. Start is what a pad player has for Enter
// outside play, and the pause key in play. Up and Back stand for no key.
std::int32_t keyForPad(PadAction action, const Game& game);

}  // namespace quindel
