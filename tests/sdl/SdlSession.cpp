#include "SdlSession.h"

#include <cstdlib>

namespace quindel::test {

std::unique_ptr<SdlPlatform> dummyPlatform(Canvas& canvas, std::string& error)
{
    ::setenv("SDL_VIDEODRIVER", "dummy", 0);
    return SdlPlatform::create(error, canvas);
}

SdlSession::SdlSession()
{
    platform = dummyPlatform(canvas, reason);
    if (!platform)
        return;
    game = std::make_unique<Game>(
        audio,
        [this](Game& created) {
            auto made = std::make_unique<MainWindow>(created, *platform, canvas);
            window = made.get();
            return made;
        },
        GamePaths{directory / "highscore.dat", directory / "settings.dat"});
    drain();
}

SdlSession::~SdlSession()
{
    game.reset();
    platform.reset();
}

void SdlSession::drain()
{
    SDL_PumpEvents();
    while (SDL_PeepEvents(nullptr, 1, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0)
        platform->waitEvent(std::nullopt);
}

std::uint32_t SdlSession::keyIn(const std::optional<Message>& message)
{
    if (!message)
        return 0;
    if (message->code == MessageCode::PadPress)
        return static_cast<std::uint32_t>(window->padKey(static_cast<PadAction>(message->wParam)));
    return message->code == MessageCode::KeyDown ? message->wParam : 0;
}

}  // namespace quindel::test
