#include "window/VersusScreen.h"

#include <array>

#include "base/VirtualKeyCodes.h"
#include "game/Game.h"
#include "messages/Clock.h"
#include "render/Renderer.h"
#include "render/VersusRenderer.h"
#include "sound/Song.h"
#include "sound/SoundPlayer.h"
#include "store/KeySlot.h"
#include "widgets/UiPlatform.h"
#include "window/MainWindow.h"
#include "window/PlayerSettings.h"

namespace quindel {

namespace {

// A side's six keys in the order of the key slots: move left and right,
// turn left and right, drop, pause.
constexpr std::array<PlayerAction, 5> SlotActions{PlayerAction::MoveLeft, PlayerAction::MoveRight,
                                                  PlayerAction::TurnLeft, PlayerAction::TurnRight, PlayerAction::Drop};
constexpr std::size_t PauseSlot = 5;

}  // namespace

VersusScreen::VersusScreen(MainWindow& window, Game& game, const PlayerSettings& settings)
    : window(window), game(game), settings(settings)
{}

VersusScreen::~VersusScreen() = default;

void VersusScreen::create(Canvas& canvas, Renderer& sprites)
{
    drawing = std::make_unique<VersusRenderer>(canvas, sprites);
    drawing->loadPictures();
}

std::uint64_t VersusScreen::now() const
{
    return window.platform().clock().now();
}

void VersusScreen::start(const VersusSettings& chosen)
{
    // A single game given up for a match is never compared with the hall
    // of fame: it simply ends.
    window.killTimer();
    if (game.state() != GameState::Title)
        game.setState(GameState::Title);
    on = true;
    window.platform().setPlayersApart(true);
    versus.start(chosen, now());
    redraw();
    schedule();
}

void VersusScreen::leave()
{
    if (!on)
        return;
    on = false;
    if (versus.isPaused())
        game.soundPlayer().resumeMusic();
    window.pump().killTimer(TimerId);
    window.platform().setPlayersApart(false);
}

void VersusScreen::schedule()
{
    const std::optional<std::uint64_t> due = versus.nextDeadline();
    if (!on || !due) {
        window.pump().killTimer(TimerId);
        return;
    }
    const std::uint64_t at = now();
    window.pump().setTimer(TimerId, static_cast<std::uint32_t>(*due > at ? *due - at : 1));
}

void VersusScreen::timer()
{
    // Stopped first and set again from the match's next deadline, so a
    // late timer never makes anything come twice.
    window.pump().killTimer(TimerId);
    if (!on)
        return;
    versus.advanceTo(now());
    redraw();
    schedule();
}

void VersusScreen::press(int side, PlayerAction action)
{
    if (!versus.isRunning())
        return;
    // A move that is blocked still sounds, as in single play.
    if (action != PlayerAction::Drop)
        game.playMoveSound();
    versus.press(side, action, now());
    redraw();
    schedule();
}

void VersusScreen::keyDown(std::int32_t key, bool repeat)
{
    if (key == vk::Return) {
        if (!repeat)
            enterKey();
        return;
    }
    const std::array<std::int32_t, 6> one{game.moveLeftKey(),  game.moveRightKey(), game.turnLeftKey(),
                                          game.turnRightKey(), game.dropKey(),      game.pauseKey()};
    const std::array<int, 6>& two = settings.values().playerTwoKeys;
    // Player one's bindings come first: a key both sides hold is player
    // one's. Escape pauses too, as in single play.
    if (takeKey(one, VersusMatch::PlayerOne, key, repeat))
        return;
    if (!versus.settings().computerOpponent)
        takeKey(two, VersusMatch::PlayerTwo, key, repeat);
}

template <typename Codes>
bool VersusScreen::takeKey(const Codes& codes, int side, std::int32_t key, bool repeat)
{
    if (key == vk::Escape || key == codes[PauseSlot]) {
        if (!repeat)
            pauseKey();
        return true;
    }
    for (std::size_t slot = 0; slot < SlotActions.size(); ++slot) {
        if (key != codes[slot])
            continue;
        // Only moves and drops repeat while held.
        const PlayerAction action = SlotActions[slot];
        if (!repeat || (action != PlayerAction::TurnLeft && action != PlayerAction::TurnRight))
            press(side, action);
        return true;
    }
    return false;
}

void VersusScreen::padPress(PadAction action, std::int32_t slot)
{
    if (action == PadAction::Start || (action == PadAction::A && versus.phase() != VersusMatch::Phase::Playing)) {
        // Start pauses and resumes; between rounds it (or A) goes on.
        if (versus.phase() == VersusMatch::Phase::Playing)
            pauseKey();
        else
            enterKey();
        return;
    }
    if (action == PadAction::A && versus.isPaused()) {
        pauseKey();
        return;
    }
    // The first pad is player one's, the second player two's unless the
    // computer plays that bottle; any further pad plays no part.
    const int side = slot == 0 ? VersusMatch::PlayerOne : VersusMatch::PlayerTwo;
    if (slot < 0 || slot > 1 || (side == VersusMatch::PlayerTwo && versus.settings().computerOpponent))
        return;
    switch (action) {
    case PadAction::Left:
        press(side, PlayerAction::MoveLeft);
        break;
    case PadAction::Right:
        press(side, PlayerAction::MoveRight);
        break;
    case PadAction::Down:
        press(side, PlayerAction::Drop);
        break;
    case PadAction::A:
        press(side, PlayerAction::TurnRight);
        break;
    case PadAction::B:
        press(side, PlayerAction::TurnLeft);
        break;
    default:
        break;
    }
}

void VersusScreen::pauseKey()
{
    // The music waits with the match, as it does with a single game.
    if (versus.isPaused()) {
        versus.resume(now());
        game.soundPlayer().resumeMusic();
    } else if (versus.isRunning()) {
        versus.pause(now());
        game.soundPlayer().pauseMusic();
    }
    redraw();
    schedule();
}

void VersusScreen::enterKey()
{
    switch (versus.phase()) {
    case VersusMatch::Phase::RoundOver:
        versus.nextRound(now());
        redraw();
        schedule();
        break;
    case VersusMatch::Phase::MatchOver:
        leave();
        game.playSong(Song::Title);
        window.sendPaint(RedrawRequest::RedrawFull);
        break;
    default:
        break;
    }
}

void VersusScreen::inactive(bool pauseWhenInactive)
{
    if (pauseWhenInactive && versus.isRunning())
        pauseKey();
}

bool VersusScreen::pauseForDialog()
{
    if (!on || !versus.isRunning())
        return false;
    pauseKey();
    return true;
}

void VersusScreen::resumeAfterDialog()
{
    if (on && versus.isPaused())
        pauseKey();
}

void VersusScreen::clearSound(CellColor color)
{
    game.playClearSound(color);
}

void VersusScreen::halvesSent(int /*fromSide*/, const std::vector<CellColor>& /*halves*/)
{
    // Seen in the other bottle as they drop; nothing more to show.
}

void VersusScreen::roundStarted(int round)
{
    // The level songs take turns by round, from player one's level's own.
    game.playSong(Song::forLevel(versus.settings().levels[0] + static_cast<std::uint32_t>(round - 1)));
}

void VersusScreen::roundEnded(std::optional<int> /*winner*/, bool /*matchOver*/)
{
    game.playSong(Song::Jingle);
}

std::string VersusScreen::resumeText() const
{
    const std::string key = keyLabel(game.pauseKey());
    if (key.empty() || game.pauseKey() == vk::Escape)
        return "PRESS ESC";
    return "PRESS " + key + " OR ESC";
}

void VersusScreen::paint()
{
    if (!drawing)
        return;
    using Sign = VersusRenderer::Sign;
    VersusRenderer::Screen screen;
    const VersusMatch::Phase phase = versus.phase();
    const std::optional<int> winner = versus.roundWinner();
    for (int index = 0; index < 2; ++index) {
        const VersusSide& side = versus.side(index);
        VersusRenderer::Side& shown = screen.sides[static_cast<std::size_t>(index)];
        shown.bottle = &side.picture();
        shown.falling = side.falling();
        shown.preview = phase == VersusMatch::Phase::Playing ? &side.preview() : nullptr;
        shown.plate = index == 0                 ? VersusRenderer::Plate::PlayerOne
            : versus.settings().computerOpponent ? VersusRenderer::Plate::Computer
                                                 : VersusRenderer::Plate::PlayerTwo;
        shown.level = static_cast<int>(versus.settings().levels[static_cast<std::size_t>(index)]) + 1;
        shown.score = side.shownScore();
        shown.wins = side.wins();
        if (phase == VersusMatch::Phase::RoundOver)
            shown.sign = !winner ? Sign::Drawn : *winner == index ? Sign::RoundWon : Sign::RoundLost;
        else if (phase == VersusMatch::Phase::MatchOver)
            shown.sign = winner && *winner == index ? Sign::MatchWon : Sign::MatchLost;
    }
    screen.round = versus.round();
    screen.roundsToWin = versus.settings().roundsToWin;
    screen.paused = versus.isPaused();
    const std::string text = resumeText();
    screen.resumeText = text;
    drawing->draw(screen);
}

void VersusScreen::redraw()
{
    paint();
    window.platform().present();
}

}  // namespace quindel
