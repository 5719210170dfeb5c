#pragma once

#include <cstdint>

#include "core/CellCodes.h"
#include "core/RedrawRequest.h"

namespace quindel {

// Everything the bottle's rules need from the game that owns the bottle. The
// Game implements it; tests implement it with a recorder.
class PlayfieldOwner {
public:
    virtual ~PlayfieldOwner() = default;

    virtual std::uint32_t levelIndex() const = 0;
    virtual std::uint32_t tickInterval() const = 0;
    virtual void addScore(std::int32_t points) = 0;
    virtual void playClearSound(CellColor color) = 0;
    virtual void speedUp() = 0;
    // Sent, not posted: the frame is drawn when this returns.
    virtual void requestRedraw(RedrawRequest request) = 0;
    // Waits until ms milliseconds have passed on the game's clock, counted
    // from this call. Nothing of the game runs meanwhile.
    virtual void waitFrame(std::uint32_t ms) = 0;
};

}  // namespace quindel
