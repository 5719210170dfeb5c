#pragma once

#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

#include "core/Capsule.h"
#include "core/CellCodes.h"

namespace quindel {

// The capsules of one round, shared by both bottles: the n-th capsule either
// side takes has the same colours, whenever each side comes to it. Whichever
// side needs one first makes it as the game makes every capsule, seeded with
// the whole seconds of that moment.
class CapsuleSequence final {
public:
    // A new round's sequence, none made yet.
    void clear() { colours.clear(); }
    // A capsule at the entry in the colours of the n-th, made if need be.
    std::unique_ptr<Capsule> take(std::size_t n);
    std::size_t made() const { return colours.size(); }

private:
    std::vector<std::pair<CellColor, CellColor>> colours;
};

}  // namespace quindel
