#include "playback/GuestRun.h"

#include <memory>
#include <span>

#include "core/TimeSource.h"
#include "game/Game.h"
#include "playback/DemoMark.h"
#include "sound/AudioLayer.h"
#include "store/DataFile.h"
#include "store/ScratchFolder.h"
#include "window/GameSetup.h"
#include "window/MainWindow.h"

namespace quindel {

namespace {

template <std::size_t Size>
void copyInto(const std::filesystem::path& file, const std::array<unsigned char, Size>& bytes)
{
    DataFile(file, "a copy for a game played inside the game").writeFrom(std::span<const unsigned char>(bytes));
}

}  // namespace

GuestPlatform::Ending GuestRun::play(SdlPlatform& window, Canvas& canvas, AudioLayer& audio, ScriptSource& script,
                                     GuestPlatform::Mode mode, const Around& around, std::ostream& errors,
                                     const Attach& attach)
{
    std::string error;
    const auto scratch = ScratchFolder::make(error);
    if (!scratch) {
        errors << "quindel: cannot make a folder for a game shown in the window: " << error << '\n';
        return GuestPlatform::Ending::Stopped;
    }
    const GamePaths paths{*scratch / "highscore.dat", *scratch / "settings.dat"};
    if (around.game != nullptr) {
        copyInto(paths.highscore, GameSetup::hallOfFameBytes(around.game->hallOfFame()));
        copyInto(paths.settings, GameSetup::keyBindingBytes(around.game->keyBindings()));
    }
    DemoMark mark(canvas);
    GuestPlatform platform(window, script, mode, errors, around.pump);
    if (mode == GuestPlatform::Mode::Demo)
        platform.setOverlay([&mark] { mark.draw(); });
    // The game around it may be paused, its music with it; this one's
    // music plays, and afterwards waits again if that game still does.
    audio.resumeMusic();
    const TimeSource* outerTime = timeSource();
    setTimeSource(&platform.script().time());
    {
        std::unique_ptr<GameSetup> setup;
        MainWindow* shown = nullptr;
        Game guest(
            audio,
            [&](Game& created) {
                setup = std::make_unique<GameSetup>(created, paths);
                GameSetup& lines = *setup;
                platform.script().setSetup(ScriptPlatform::Setup{
                    [&lines](const std::string& bytes) { return lines.setHallOfFame(bytes); },
                    [&lines](const std::string& bytes) { return lines.setKeyBindings(bytes); },
                    [&lines](int a, int b) { lines.setPreview(static_cast<CellColor>(a), static_cast<CellColor>(b)); },
                });
                auto made = std::make_unique<MainWindow>(created, platform, canvas);
                shown = made.get();
                return made;
            },
            paths);
        platform.setWindow(shown);
        if (attach)
            attach(guest, *shown, platform.clock());
        guest.run();
        platform.setWindow(nullptr);
        if (mode == GuestPlatform::Mode::Replay)
            platform.hold(HoldMs);
        platform.script().setSetup({});
    }
    setTimeSource(outerTime);
    if (around.game != nullptr && around.game->state() == GameState::Paused)
        audio.pauseMusic();
    return platform.ending();
}

}  // namespace quindel
