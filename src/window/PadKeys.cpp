#include "window/PadKeys.h"

#include "base/VirtualKeyCodes.h"
#include "game/Game.h"

namespace quindel {

std::int32_t keyForPad(PadAction action, const Game& game)
{
    switch (action) {
    case PadAction::MoveLeft:
        return game.moveLeftKey();
    case PadAction::MoveRight:
        return game.moveRightKey();
    case PadAction::Drop:
        return game.dropKey();
    case PadAction::TurnRight:
        return game.turnRightKey();
    case PadAction::TurnLeft:
        return game.turnLeftKey();
    case PadAction::Start:
        return game.state() == GameState::LevelClear ? vk::Return : game.pauseKey();
    }
    return 0;
}

}  // namespace quindel
