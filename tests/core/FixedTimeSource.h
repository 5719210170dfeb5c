#pragma once

#include <cstdint>

#include "core/TimeSource.h"

namespace quindel::test {

// Installs itself as the game's clock of whole seconds for as long as it
// lives, so seeds are chosen by the test and never by the calendar.
class FixedTimeSource final : public TimeSource {
public:
    explicit FixedTimeSource(std::int64_t start = 1'700'000'000) : now(start) { setTimeSource(this); }
    ~FixedTimeSource() override { setTimeSource(nullptr); }
    FixedTimeSource(const FixedTimeSource&) = delete;
    FixedTimeSource& operator=(const FixedTimeSource&) = delete;

    std::int64_t seconds() const override { return now; }

    std::int64_t now;
};

}  // namespace quindel::test
