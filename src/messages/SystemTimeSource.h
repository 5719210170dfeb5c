#pragma once

#include "core/TimeSource.h"

namespace quindel {

// The calendar seconds of the system clock, which the real game installs as
// the seed of its levels and capsules.
class SystemTimeSource final : public TimeSource {
public:
    std::int64_t seconds() const override;
};

}  // namespace quindel
