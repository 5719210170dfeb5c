#pragma once

#include "core/CellCodes.h"

namespace quindel {

// Told of every sound the game asks for, whether or not anything is heard;
// the scripted run prints these requests.
class SoundRequestObserver {
public:
    virtual ~SoundRequestObserver() = default;
    virtual void songRequested(int index) = 0;
    virtual void moveRequested() = 0;
    virtual void clearRequested(CellColor color) = 0;
};

}  // namespace quindel
