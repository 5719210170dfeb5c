#pragma once

#include <cstdint>
#include <functional>
#include <ostream>
#include <vector>

#include "core/PlayfieldOwner.h"

namespace quindel::test {

// What the bottle asked of its game, in order. Waits are recorded, never
// waited, so a whole chain with its animation runs at once.
struct OwnerEvent {
    enum class Type { Redraw, Wait, Score, Sound, SpeedUp };
    Type type = Type::Redraw;
    std::int64_t value = 0;

    bool operator==(const OwnerEvent&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const OwnerEvent& event)
{
    static const char* const names[] = {"Redraw", "Wait", "Score", "Sound", "SpeedUp"};
    return out << names[static_cast<int>(event.type)] << "(" << event.value << ")";
}

class RecordingOwner final : public PlayfieldOwner {
public:
    std::uint32_t level = 0;
    std::uint32_t interval = 700;
    std::vector<OwnerEvent> events;
    // Called as each frame is drawn, to look at the bottle as it is shown.
    std::function<void()> onRedraw;

    std::uint32_t levelIndex() const override { return level; }
    std::uint32_t tickInterval() const override { return interval; }
    void addScore(std::int32_t points) override { record(OwnerEvent::Type::Score, points); }
    void playClearSound(CellColor color) override { record(OwnerEvent::Type::Sound, static_cast<std::int64_t>(color)); }
    void speedUp() override { record(OwnerEvent::Type::SpeedUp, 0); }
    void requestRedraw(RedrawRequest request) override
    {
        record(OwnerEvent::Type::Redraw, static_cast<std::int64_t>(request));
        if (onRedraw)
            onRedraw();
    }
    void waitFrame(std::uint32_t ms) override { record(OwnerEvent::Type::Wait, ms); }

    std::vector<std::int64_t> valuesOf(OwnerEvent::Type type) const
    {
        std::vector<std::int64_t> values;
        for (const OwnerEvent& event : events)
            if (event.type == type)
                values.push_back(event.value);
        return values;
    }
    std::int64_t totalScore() const
    {
        std::int64_t total = 0;
        for (std::int64_t points : valuesOf(OwnerEvent::Type::Score))
            total += points;
        return total;
    }

private:
    void record(OwnerEvent::Type type, std::int64_t value) { events.push_back({type, value}); }
};

}  // namespace quindel::test
