#include "versus/VersusSide.h"

#include <algorithm>
#include <limits>

#include "core/Random.h"
#include "versus/CapsuleSequence.h"
#include "versus/SentHalves.h"

namespace quindel {

namespace {

// A square as a frame keeps it: its looks, never a link into a bottle.
Cell looksOf(const Cell& cell)
{
    Cell copy = cell;
    copy.partner = nullptr;
    return copy;
}

}  // namespace

VersusSide::VersusSide()
{
    current = std::make_unique<Capsule>(CellColor::White, CellColor::White);
    next = std::make_unique<Capsule>(CellColor::White, CellColor::White);
    playfield.setOwner(this);
}

VersusSide::~VersusSide()
{
    playfield.clearOwner();
}

void VersusSide::resetMatch()
{
    points = 0;
    shownPoints = 0;
    roundWins = 0;
}

void VersusSide::beginRound(std::uint32_t levelIndex, std::uint32_t interval, CapsuleSequence& capsules,
                            std::uint64_t now, const VersusSide* sameLayout)
{
    level = std::min(levelIndex, LastLevelIndex);
    tick = std::max(interval, FastestInterval);
    base = tick;
    if (sameLayout != nullptr) {
        for (int column = 0; column < Playfield::Columns; ++column)
            for (int row = 0; row < Playfield::Rows; ++row)
                playfield.copyCell(looksOf(*sameLayout->playfield.cellAt(column, row)), column, row);
        playfield.setVirusCount(sameLayout->playfield.virusCount());
    } else {
        playfield.placeViruses(level);
    }
    taken = 0;
    current = capsules.take(0);
    next = capsules.take(1);
    incoming.clear();
    lines.clear();
    frames.clear();
    pendingSounds.clear();
    showingLanding = false;
    sidePhase = Phase::Falling;
    due = now + tick;
}

void VersusSide::stop()
{
    if (isPlaying())
        sidePhase = Phase::Idle;
}

const Playfield& VersusSide::picture() const
{
    return sidePhase == Phase::Showing ? pictureBottle : playfield;
}

std::int32_t VersusSide::shownScore() const
{
    return sidePhase == Phase::Showing ? shownPoints : points;
}

VersusSide::Step VersusSide::step(std::uint64_t now, CapsuleSequence& capsules)
{
    switch (sidePhase) {
    case Phase::Falling:
        if (dropCapsule(*current, playfield)) {
            due = now + tick;
            return {};
        }
        return land(now, capsules);
    case Phase::Showing:
        if (++frameIndex < frames.size())
            return show(now);
        return finish(now);
    default:
        return {};
    }
}

bool VersusSide::move(PlayerAction action)
{
    if (sidePhase != Phase::Falling)
        return false;
    switch (action) {
    case PlayerAction::MoveLeft:
        moveLeft(*current, playfield);
        return true;
    case PlayerAction::MoveRight:
        moveRight(*current, playfield);
        return true;
    case PlayerAction::TurnLeft:
        turnLeft(*current, playfield);
        return true;
    case PlayerAction::TurnRight:
        turnRight(*current, playfield);
        return true;
    default:
        return false;
    }
}

void VersusSide::receive(const std::vector<CellColor>& halves)
{
    incoming.insert(incoming.end(), halves.begin(), halves.end());
}

VersusSide::Step VersusSide::land(std::uint64_t now, CapsuleSequence& capsules)
{
    // The rules lock the capsule and make a next one of their own; the
    // match's next is the sequence's, the same the other side gets.
    lockCapsule(current, next, playfield);
    ++taken;
    next = capsules.take(taken + 1);
    lines.clear();
    frames.clear();
    pendingSounds.clear();
    countingLines = true;
    playfield.resolve();
    countingLines = false;
    showingLanding = true;
    return startFrames(now);
}

VersusSide::Step VersusSide::startFrames(std::uint64_t now)
{
    frameIndex = 0;
    if (frames.empty())
        return finish(now);
    sidePhase = Phase::Showing;
    return show(now);
}

VersusSide::Step VersusSide::show(std::uint64_t now)
{
    const Frame& frame = frames[frameIndex];
    for (int column = 0; column < Playfield::Columns; ++column)
        for (int row = 0; row < Playfield::Rows; ++row)
            pictureBottle.copyCell(frame.squares[static_cast<std::size_t>(row * Playfield::Columns + column)], column,
                                   row);
    shownPoints = frame.score;
    due = now + frame.ms;
    Step step;
    step.sounds = frame.sounds;
    return step;
}

VersusSide::Step VersusSide::finish(std::uint64_t now)
{
    Step step;
    step.finished = true;
    if (showingLanding)
        step.sent = halvesSent(lines);
    showingLanding = false;
    frames.clear();
    // As in single play, the last virus wins even when the same landing
    // blocks the entry.
    if (playfield.virusCount() == 0) {
        sidePhase = Phase::Cleared;
        return step;
    }
    if (playfield.entryBlocked()) {
        sidePhase = Phase::Blocked;
        return step;
    }
    while (!incoming.empty()) {
        if (dropIncoming()) {
            step.sounds = startFrames(now).sounds;
            return step;
        }
    }
    sidePhase = Phase::Falling;
    due = now + tick;
    return step;
}

bool VersusSide::dropIncoming()
{
    // One half to a column at most; more than eight wait for the next drop.
    const auto count = std::min<std::size_t>(incoming.size(), Playfield::Columns);
    const std::vector<CellColor> dropping(incoming.begin(), incoming.begin() + static_cast<std::ptrdiff_t>(count));
    incoming.erase(incoming.begin(), incoming.begin() + static_cast<std::ptrdiff_t>(count));
    const std::vector<int> columns = spreadColumns(count, quindel::rand());
    bool placed = false;
    for (std::size_t i = 0; i < count; ++i) {
        Cell* top = playfield.cellAt(columns[i], 0);
        // A column full to the top has no room: the half is lost.
        if (top->kind != CellKind::Empty)
            continue;
        top->kind = CellKind::PillHalf;
        top->color = dropping[i];
        top->link = CellLink::Single;
        top->phase = CellPhase::Normal;
        top->partner = nullptr;
        placed = true;
    }
    if (!placed)
        return false;
    frames.clear();
    pendingSounds.clear();
    requestRedraw(RedrawRequest::RedrawBoard);
    waitFrame(FallFrameMs);
    // They fall like any loose half, and a line they make clears and
    // scores, though it sends nothing back: only a landing sends.
    playfield.settle();
    for (std::uint32_t pass = 0; playfield.findMatches(pass); ++pass) {
        playfield.clearMarked();
        playfield.settle();
    }
    return true;
}

void VersusSide::addScore(std::int32_t value)
{
    // Saturating, as the hall of fame adds in single play.
    const std::int64_t sum = std::int64_t{points} + value;
    points = static_cast<std::int32_t>(std::clamp<std::int64_t>(sum, std::numeric_limits<std::int32_t>::min(),
                                                                std::numeric_limits<std::int32_t>::max()));
}

void VersusSide::playClearSound(CellColor color)
{
    // The rules ask once for every line they find: the sound of the frame
    // to come, and a line counted for what the landing sends.
    pendingSounds.push_back(color);
    if (countingLines)
        lines.push_back(color);
}

void VersusSide::speedUp()
{
    if (tick > FastestInterval)
        --tick;
}

void VersusSide::requestRedraw(RedrawRequest)
{
    Frame frame;
    for (int column = 0; column < Playfield::Columns; ++column)
        for (int row = 0; row < Playfield::Rows; ++row)
            frame.squares[static_cast<std::size_t>(row * Playfield::Columns + column)] =
                looksOf(*playfield.cellAt(column, row));
    frame.score = points;
    frame.sounds = std::move(pendingSounds);
    pendingSounds.clear();
    frames.push_back(std::move(frame));
}

void VersusSide::waitFrame(std::uint32_t ms)
{
    if (!frames.empty())
        frames.back().ms += ms;
}

}  // namespace quindel
