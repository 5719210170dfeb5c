#include "replay/LatchedTimeSource.h"

namespace quindel {

std::int64_t LatchedTimeSource::seconds() const
{
    if (!held)
        held = inner.seconds();
    return *held;
}

}  // namespace quindel
