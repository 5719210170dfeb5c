#include "window/PadKeys.h"

#include "base/VirtualKeyCodes.h"
#include "game/Game.h"

namespace quindel {

std::int32_t keyForPad(PadAction action, const Game& game)
{
    switch (action) {
    case PadAction::Left:
        return game.moveLeftKey();
    case PadAction::Right:
        return game.moveRightKey();
    case PadAction::Down:
        return game.dropKey();
    case PadAction::A:
        // A resumes a game that waits for its player, as Start does.
        return game.state() == GameState::Paused ? game.pauseKey() : game.turnRightKey();
    case PadAction::B:
        return game.turnLeftKey();
    case PadAction::Start:
        // Enter where Enter goes on (a cleared level, the title, a game that
        // is over), the pause key in play.
        return game.state() == GameState::Playing || game.state() == GameState::Paused ? game.pauseKey()
                                                                                        : vk::Return;
    case PadAction::Up:
    case PadAction::Back:
        break;
    }
    return 0;
}

}  // namespace quindel
