#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace quindel {

// The window's timers: each an id with a period and a deadline, periodic
// until killed; starting an id again replaces it. The pump sleeps until the
// nearest deadline, so there is no timer thread and no polling.
class TimerSet final {
public:
    void set(std::uint32_t id, std::uint32_t period, std::uint32_t now);
    void kill(std::uint32_t id);
    bool isRunning(std::uint32_t id) const;
    std::optional<std::uint32_t> periodOf(std::uint32_t id) const;

    // The nearest deadline, none while no timer runs.
    std::optional<std::uint32_t> nextDeadline() const;
    // The id of the earliest timer due at now, re-armed one period later. A
    // timer that fell more than a period behind fires once, not once per
    // period missed, as a window timer does.
    std::optional<std::uint32_t> takeDue(std::uint32_t now);

private:
    struct Timer final {
        std::uint32_t id = 0;
        std::uint32_t period = 1;
        std::uint32_t deadline = 0;
    };
    std::vector<Timer> timers;
};

}  // namespace quindel
