#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace quindel {

// How a held key or pad direction repeats: once at the press, again after
// a short delay, then steadily, at the game's own pace whatever the desktop
// does. 170 ms lets a tap stay a single step; 50 ms crosses the bottle in a
// third of a second.
struct RepeatPace final {
    static constexpr std::uint32_t Delay = 170;
    static constexpr std::uint32_t Period = 50;
};

// When something held repeats: started at the press, due at each repeat.
class RepeatSchedule final {
public:
    void start(std::uint32_t now) { next = now + RepeatPace::Delay; }
    std::uint32_t deadline() const { return next; }
    // Whether a repeat is due at now; if so the next one is set. A repeat
    // that fell behind (the game was busy) comes once, not once per period.
    bool takeDue(std::uint32_t now);

private:
    std::uint32_t next = 0;
};

// The keyboard's held key, repeated on the pump's clock: only the key
// pressed last repeats, as on a desktop, until it is let go. With the keys
// apart (two players on one keyboard) every held key repeats on its own,
// so one player's held key goes on whatever the other presses.
class KeyRepeat final {
public:
    void press(std::int32_t key, std::uint32_t now);
    void release(std::int32_t key);
    void releaseAll() { held.clear(); }
    void setKeysApart(bool on);

    // When a held key repeats next; none while nothing is held.
    std::optional<std::uint32_t> nextDeadline() const;
    // The key to send again when its repeat is due at now.
    std::optional<std::int32_t> takeDue(std::uint32_t now);

private:
    struct Held final {
        std::int32_t key = 0;
        RepeatSchedule schedule;
    };
    // One at most, unless the keys are apart.
    std::vector<Held> held;
    bool apart = false;
};

}  // namespace quindel
