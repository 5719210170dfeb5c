#include "ai/ComputerDriver.h"

#include <algorithm>

namespace quindel {

PlayerAction ComputerDriver::ask(std::uint64_t now, const Playfield& bottle, const Capsule& current,
                                 const Capsule& next, std::uint32_t tickInterval, std::uint64_t nextTick)
{
    if (now < askDue)
        return PlayerAction::None;
    askDue = now + ComputerPlayer::PressInterval;
    // A tick already due counts as one coming at once.
    const std::uint64_t untilTick = nextTick > now ? nextTick - now : 0;
    return player.next(bottle, current, next, tickInterval,
                       static_cast<std::uint32_t>(std::min<std::uint64_t>(untilTick, UINT32_MAX)));
}

}  // namespace quindel
