#include "playback/WatchCommand.h"

#include "game/Game.h"
#include "playback/GuestRun.h"
#include "playback/SongOfTheScreen.h"
#include "script/ScriptSource.h"
#include "widgets/CommandIds.h"
#include "window/MainWindow.h"

namespace quindel {

WatchCommand::WatchCommand(MainWindow& window, Game& game, SdlPlatform& platform, Canvas& canvas, AudioLayer& audio,
                           std::filesystem::path lastReplay, std::ostream* trace, std::ostream& errors)
    : window(window), game(game), platform(platform), canvas(canvas), audio(audio), lastReplay(std::move(lastReplay)),
      trace(trace), errors(errors)
{
    window.setCommand(command::WatchLastGame, [this] { watch(); });
}

WatchCommand::~WatchCommand()
{
    window.setCommand(command::WatchLastGame, nullptr);
}

void WatchCommand::watch()
{
    std::error_code missing;
    std::unique_ptr<FileScriptSource> source;
    if (std::filesystem::exists(lastReplay, missing)) {
        std::string error;
        source = FileScriptSource::open(lastReplay.string(), error);
        if (!source)
            errors << "quindel: cannot read the last game's replay " << lastReplay.string() << ": " << error << '\n';
    }
    if (!source) {
        window.showDialog(dialog::NoReplay);
        return;
    }
    // As a dialog does: a game in play waits, paused, and goes on after.
    const bool wasPlaying = game.state() == GameState::Playing;
    if (wasPlaying) {
        game.setState(GameState::Paused);
        game.requestRedraw(RedrawRequest::RedrawFull);
    }
    if (trace != nullptr)
        *trace << "watch start" << std::endl;
    const GuestPlatform::Ending ending = GuestRun::play(platform, canvas, audio, *source, GuestPlatform::Mode::Replay,
                                                        GuestRun::Around{&game, &window.pump()}, errors);
    if (trace != nullptr)
        *trace << "watch end" << std::endl;
    if (wasPlaying && game.state() == GameState::Paused) {
        game.setState(GameState::Playing);
        game.startTimer(game.tickInterval());
    }
    window.sendPaint(RedrawRequest::RedrawFull);
    game.playSong(songOfTheScreen(game));
    if (ending == GuestPlatform::Ending::Closed)
        window.postMessage(Message{MessageTarget::MainWindow, MessageCode::Destroy});
}

}  // namespace quindel
