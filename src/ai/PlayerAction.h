#pragma once

namespace quindel {

// What the computer player asks its driver to press next; None waits.
enum class PlayerAction { None, MoveLeft, MoveRight, TurnLeft, TurnRight, Drop };

}  // namespace quindel
