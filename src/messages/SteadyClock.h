#pragma once

#include <cstdint>

#include "messages/Clock.h"

namespace quindel {

// The real clock, counted from its construction (process start for the game).
class SteadyClock final : public Clock {
public:
    SteadyClock();
    std::uint32_t now() const override;
    void waitUntil(std::uint32_t deadline) override;

private:
    std::int64_t startNanoseconds;
};

}  // namespace quindel
