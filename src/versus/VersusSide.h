#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "ai/PlayerAction.h"
#include "core/Capsule.h"
#include "core/Cell.h"
#include "core/Playfield.h"
#include "core/PlayfieldOwner.h"

namespace quindel {

class CapsuleSequence;

// One bottle of a match, played by the single-player rules on the match's
// clock: its capsules fall a row per tick, every landing speeds it up by a
// millisecond, lines clear and score as they always do. A landing is
// resolved by the bottle's rules at once and the frames of its clearing are
// kept, then shown one by one on the clock, so the other bottle plays on
// while this one clears; no capsule falls meanwhile, as in single play.
class VersusSide final : public PlayfieldOwner {
public:
    static constexpr std::uint32_t FastestInterval = 100;
    static constexpr std::uint32_t LastLevelIndex = 19;
    // Sent halves are seen at the top for as long as any fall takes a row.
    static constexpr std::uint32_t FallFrameMs = 120;

    enum class Phase {
        Idle,     // no round, or the round ended while this side still played
        Falling,  // a capsule falls
        Showing,  // the frames of a clearing or of sent halves falling
        Cleared,  // every virus gone: this side won the round
        Blocked,  // a landing left the entry blocked: this side lost it
    };

    // What one step did.
    struct Step final {
        // A landing, or a drop of sent halves, is over with all its frames.
        bool finished = false;
        // The halves the finished landing's lines send to the other side.
        std::vector<CellColor> sent;
        // The clear sounds of the frame shown from now on.
        std::vector<CellColor> sounds;
    };

    VersusSide();
    ~VersusSide() override;
    VersusSide(const VersusSide&) = delete;
    VersusSide& operator=(const VersusSide&) = delete;

    // A new match: no points, no round won.
    void resetMatch();
    // A round's start at now: the viruses of the level (or a copy of those
    // of sameLayout, a bottle of the same level set up a moment before),
    // the first two capsules of the round's sequence, the speed of the
    // round's start; the first tick comes an interval later.
    void beginRound(std::uint32_t levelIndex, std::uint32_t interval, CapsuleSequence& capsules, std::uint64_t now,
                    const VersusSide* sameLayout = nullptr);
    // What is due at now: the falling capsule's tick, which may land it, or
    // the next frame. A drop key is this tick at once, and the tick after
    // it comes a whole interval later.
    Step step(std::uint64_t now, CapsuleSequence& capsules);
    // Moves and turns of the falling capsule; false when none falls.
    bool move(PlayerAction action);
    // Halves the other side sent. They drop once the falling capsule has
    // landed and its clearing has been shown.
    void receive(const std::vector<CellColor>& halves);
    // Whatever is due waits as long as the match was paused.
    void delay(std::uint64_t by) { due += by; }
    // The round ended on the other side: nothing of this one is due any more.
    void stop();
    void addWin() { ++roundWins; }

    Phase phase() const { return sidePhase; }
    bool isPlaying() const { return sidePhase == Phase::Falling || sidePhase == Phase::Showing; }
    std::uint64_t dueAt() const { return due; }
    // The bottle by the rules: a landing's clearing is already in it while
    // its frames are still being shown.
    const Playfield& bottle() const { return playfield; }
    Playfield& bottle() { return playfield; }
    // The bottle as the picture shows it: the frame of the moment while
    // frames are shown, else the bottle itself.
    const Playfield& picture() const;
    // The score as the picture shows it, growing with a clearing's frames.
    std::int32_t shownScore() const;
    // The falling capsule; none while frames are shown or after the round.
    const Capsule* falling() const { return sidePhase == Phase::Falling ? current.get() : nullptr; }
    Capsule* falling() { return sidePhase == Phase::Falling ? current.get() : nullptr; }
    // The rules' current capsule: the falling one, or the one that enters
    // once the frames have been shown; and the one after it.
    const Capsule& currentCapsule() const { return *current; }
    const Capsule& nextCapsule() const { return *next; }
    // What the preview shows: the capsule that comes after the falling one.
    // While frames are shown that is still the one about to enter.
    const Capsule& preview() const { return sidePhase == Phase::Showing ? *current : *next; }
    std::uint32_t baseInterval() const { return base; }
    std::int32_t score() const { return points; }
    int wins() const { return roundWins; }
    std::size_t incomingCount() const { return incoming.size(); }
    // Capsules landed this round.
    std::size_t landings() const { return taken; }

    // What the bottle's rules ask of their owner.
    std::uint32_t levelIndex() const override { return level; }
    std::uint32_t tickInterval() const override { return tick; }
    void addScore(std::int32_t points) override;
    void playClearSound(CellColor color) override;
    void speedUp() override;
    // A frame of the clearing: kept, with the score and the sounds of its
    // moment, to be shown later.
    void requestRedraw(RedrawRequest request) override;
    void waitFrame(std::uint32_t ms) override;

private:
    struct Frame final {
        std::array<Cell, Playfield::CellCount> squares{};
        std::int32_t score = 0;
        std::uint32_t ms = 0;
        std::vector<CellColor> sounds;
    };

    Step land(std::uint64_t now, CapsuleSequence& capsules);
    Step startFrames(std::uint64_t now);
    Step show(std::uint64_t now);
    Step finish(std::uint64_t now);
    // Puts what was sent into the top row and lets it fall; false when no
    // half found room.
    bool dropIncoming();

    Playfield playfield;
    Playfield pictureBottle;
    std::unique_ptr<Capsule> current;
    std::unique_ptr<Capsule> next;
    // The sequence's index of the current capsule.
    std::size_t taken = 0;
    Phase sidePhase = Phase::Idle;
    std::uint64_t due = 0;
    std::uint32_t level = 0;
    std::uint32_t tick = 700;
    std::uint32_t base = 700;
    std::int32_t points = 0;
    std::int32_t shownPoints = 0;
    int roundWins = 0;
    std::vector<CellColor> incoming;
    // The colours of the lines the landing being resolved cleared.
    std::vector<CellColor> lines;
    bool countingLines = false;
    bool showingLanding = false;
    std::vector<Frame> frames;
    std::size_t frameIndex = 0;
    std::vector<CellColor> pendingSounds;
};

}  // namespace quindel
