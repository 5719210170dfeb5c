#pragma once

#include <filesystem>
#include <ostream>

#include "replay/LatchedTimeSource.h"
#include "replay/ReplayFolder.h"
#include "replay/ReplayRecorder.h"

namespace quindel {

class Game;
class MainWindow;

// Every game played in a window recorded into the replays folder: the
// recorder watching the window, the folder it writes to, and the rules'
// time source latched around the one installed, for as long as it lives.
class GameRecording final {
public:
    // folder: the replays folder, replays/ beside highscore.dat.
    GameRecording(MainWindow& window, Game& game, const std::filesystem::path& folder, std::ostream& errors);
    ~GameRecording();
    GameRecording(const GameRecording&) = delete;
    GameRecording& operator=(const GameRecording&) = delete;

    const ReplayFolder& replays() const { return files; }
    // The replays folder of a game whose hall of fame is kept here.
    static std::filesystem::path folderBeside(const std::filesystem::path& highscoreFile);

private:
    MainWindow& window;
    const TimeSource* outerTime;
    LatchedTimeSource latched;
    ReplayFolder files;
    ReplayRecorder recorder;
};

}  // namespace quindel
