#pragma once

#include "core/CellCodes.h"

namespace quindel {

// One square of the bottle. The partner link never owns the other cell.
class Cell final {
public:
    CellColor color = CellColor::NoColor;
    CellPhase phase = CellPhase::Normal;
    CellKind kind = CellKind::Empty;
    CellLink link = CellLink::Single;
    Cell* partner = nullptr;

    // Empties the cell; a partner it had stays in the bottle as a loose half.
    void reset();
};

}  // namespace quindel
