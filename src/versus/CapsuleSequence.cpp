#include "versus/CapsuleSequence.h"

namespace quindel {

std::unique_ptr<Capsule> CapsuleSequence::take(std::size_t n)
{
    while (colours.size() <= n) {
        const Capsule made;
        colours.emplace_back(made.colorA, made.colorB);
    }
    return std::make_unique<Capsule>(colours[n].first, colours[n].second);
}

}  // namespace quindel
