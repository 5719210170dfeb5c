#include "core/Cell.h"

namespace quindel {

void Cell::reset()
{
    if (partner != nullptr) {
        partner->partner = nullptr;
        partner->link = CellLink::Single;
    }
    kind = CellKind::Empty;
    color = CellColor::NoColor;
    phase = CellPhase::Normal;
    link = CellLink::Single;
    partner = nullptr;
}

}  // namespace quindel
