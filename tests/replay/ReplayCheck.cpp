#include "ReplayCheck.h"

#include <sstream>
#include <stdexcept>

#include "app/ScriptRun.h"
#include "sound/SilentAudioLayer.h"

namespace quindel::test {

namespace {

[[noreturn]] void refuse(int)
{
    throw std::runtime_error("the recorded script has a line the scripted run refuses");
}

}  // namespace

GameEnd replayed(const std::string& script)
{
    TempFolder folder("replayed");
    std::istringstream in(script);
    StreamScriptSource source(in);
    std::ostringstream out;
    std::ostringstream errors;
    SilentAudioLayer audio;
    {
        ScriptRun run(source, out, errors, refuse, audio, GamePaths{folder / "highscore.dat", folder / "settings.dat"});
        run.run();
    }
    // The last state line and the eight lines after it are the script's own
    // closing `dump` and `hof`.
    std::vector<std::string> lines;
    std::istringstream printed(out.str());
    for (std::string line; std::getline(printed, line);)
        lines.push_back(line);
    GameEnd end;
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].rfind("state=", 0) == 0 && i + 8 < lines.size()) {
            end.state = lines[i];
            end.hallOfFame.assign(lines.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                                  lines.begin() + static_cast<std::ptrdiff_t>(i) + 9);
        }
    end.highscore = readBytes(folder / "highscore.dat");
    return end;
}

}  // namespace quindel::test
