#pragma once

#include <cstdint>

namespace quindel {

// Calendar time in whole seconds since 1970, the seed of every level set-up
// and every capsule. The game installs the system clock; tests and the
// scripted run install their own.
class TimeSource {
public:
    virtual ~TimeSource() = default;
    virtual std::int64_t seconds() const = 0;
};

// The time source in use; the system clock unless another is installed.
std::int64_t time();

// Installs a time source (not owned); nullptr brings the system clock back.
void setTimeSource(const TimeSource* source);

}  // namespace quindel
