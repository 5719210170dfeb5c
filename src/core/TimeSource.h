#pragma once

#include <cstdint>

namespace quindel {

// Calendar time in whole seconds since 1970, the seed of every level set-up
// and every capsule. The game installs the system clock, tests and the
// scripted run their own: the rules never read a clock themselves.
class TimeSource {
public:
    virtual ~TimeSource() = default;
    virtual std::int64_t seconds() const = 0;
};

// The seconds of the installed time source; 0 while none is installed.
std::int64_t time();

// Installs a time source (not owned); nullptr uninstalls it.
void setTimeSource(const TimeSource* source);
// The one installed, nullptr when none is: a game played inside the game
// (a replay watched, the title's demo) puts it back when it ends.
const TimeSource* timeSource();

}  // namespace quindel
