#include "playback/TitleDemo.h"

#include "core/TimeSource.h"
#include "game/Game.h"
#include "messages/Deadline.h"
#include "pilot/PilotSource.h"
#include "playback/GuestRun.h"
#include "sdl/SdlPlatform.h"
#include "sound/Song.h"
#include "window/MainWindow.h"

namespace quindel {

namespace {

// A strong player at a person's pace: a key every 150 ms at the most.
constexpr int DemoCallsPerKey = 3;

}  // namespace

TitleDemo::TitleDemo(MainWindow& window, Game& game, SdlPlatform& platform, Canvas& canvas, AudioLayer& audio,
                     std::ostream* trace, std::ostream& errors)
    : window(window), game(game), platform(platform), canvas(canvas), audio(audio), trace(trace), errors(errors)
{
    window.addWatcher(*this);
    if (game.state() == GameState::Title)
        arm(IdleMs);
}

TitleDemo::~TitleDemo()
{
    window.pump().killTimer(TimerId);
    window.removeWatcher(*this);
}

void TitleDemo::arm(std::uint32_t ms)
{
    window.pump().setTimer(TimerId, ms);
}

void TitleDemo::messageArrived(const Message& message)
{
    if (message.code == MessageCode::ActivateApp)
        away = message.wParam == 0;
    if (message.code != MessageCode::Timer || message.wParam != TimerId)
        return;
    window.pump().killTimer(TimerId);
    // Once a game has been played the title is gone for good.
    if (game.state() != GameState::Title)
        return;
    // Someone at the menu, in a dialog or in a versus match (the single
    // game keeps its title meanwhile) is not away; a window left or
    // minimised has nobody to show a demo to.
    if (away || window.openDialog() != nullptr || platform.menuActive() || window.versusMatch() != nullptr) {
        arm(IdleMs);
        return;
    }
    const std::int32_t idle = -millisecondsUntil(platform.lastPressAt(), platform.clock().now());
    if (idle < static_cast<std::int32_t>(IdleMs)) {
        arm(IdleMs - static_cast<std::uint32_t>(std::max(idle, 0)));
        return;
    }
    play();
}

void TitleDemo::play()
{
    if (trace != nullptr)
        *trace << "demo start" << std::endl;
    // A level of the first half, another each time, on the calendar's
    // second: one demo seldom looks like the last.
    const std::int64_t now = quindel::time();
    PilotSource::Settings settings;
    settings.strength = 3;
    settings.callsPerKey = DemoCallsPerKey;
    settings.interval = 700;
    settings.firstLevel = 3 + static_cast<int>((now / 20) % 5) * 2;
    settings.seed = now;
    settings.games = 1;
    settings.levelsPerGame = 2;
    settings.enterAfter = 2000;
    settings.holdAfterGame = 3000;
    PilotSource pilot(settings);
    const GuestPlatform::Ending ending = GuestRun::play(
        platform, canvas, audio, pilot, GuestPlatform::Mode::Demo, GuestRun::Around{&game, &window.pump()}, errors,
        [&pilot](Game& played, MainWindow& shown, const Clock& clock) { pilot.attach(played, shown, clock); });
    if (trace != nullptr)
        *trace << "demo end" << std::endl;
    window.sendPaint(RedrawRequest::RedrawFull);
    game.playSong(Song::Title);
    // The window left meanwhile was never heard by the window around it.
    if (ending == GuestPlatform::Ending::Left)
        away = true;
    if (ending == GuestPlatform::Ending::Closed)
        window.postMessage(Message{MessageTarget::MainWindow, MessageCode::Destroy});
    arm(IdleMs);
}

}  // namespace quindel
