#include "messages/SteadyClock.h"

#include <chrono>
#include <thread>

#include "messages/Deadline.h"

namespace quindel {

namespace {
std::int64_t steadyNanoseconds()
{
    using namespace std::chrono;
    return duration_cast<nanoseconds>(steady_clock::now().time_since_epoch()).count();
}
}  // namespace

SteadyClock::SteadyClock() : startNanoseconds(steadyNanoseconds()) {}

std::uint32_t SteadyClock::now() const
{
    return static_cast<std::uint32_t>((steadyNanoseconds() - startNanoseconds) / 1'000'000);
}

void SteadyClock::waitUntil(std::uint32_t deadline)
{
    // Sleep to the deadline; the loop only covers early wake-ups.
    for (;;) {
        const auto remaining = millisecondsUntil(deadline, now());
        if (remaining <= 0)
            return;
        std::this_thread::sleep_until(std::chrono::steady_clock::time_point(std::chrono::nanoseconds(startNanoseconds))
                                      + std::chrono::milliseconds(deadline));
    }
}

}  // namespace quindel
