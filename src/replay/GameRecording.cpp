#include "replay/GameRecording.h"

#include <chrono>

#include "widgets/UiPlatform.h"
#include "window/MainWindow.h"

namespace quindel {

namespace {

// Seconds 0 for ever when nothing was installed, as the rules read then.
class NoTime final : public TimeSource {
public:
    std::int64_t seconds() const override { return 0; }
};
const NoTime noTime;

std::int64_t wallMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

}  // namespace

GameRecording::GameRecording(MainWindow& window, Game& game, const std::filesystem::path& folder, std::ostream& errors)
    : window(window), outerTime(timeSource()), latched(outerTime != nullptr ? *outerTime : noTime),
      files(folder, errors), recorder(game, window.platform().clock(), latched, files, wallMs)
{
    setTimeSource(&latched);
    recorder.setKeyFilter([&window](std::int32_t key, bool repeat) { return window.takesKey(key, repeat); });
    window.addWatcher(recorder);
}

GameRecording::~GameRecording()
{
    window.removeWatcher(recorder);
    setTimeSource(outerTime);
}

std::filesystem::path GameRecording::folderBeside(const std::filesystem::path& highscoreFile)
{
    return highscoreFile.parent_path() / "replays";
}

}  // namespace quindel
