#include "app/Autoplay.h"

#include <cstdio>

#include "app/ScriptRun.h"
#include "sound/SilentAudioLayer.h"
#include "store/ScratchFolder.h"

namespace quindel {

namespace {

std::string fixed(double value, int decimals)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

}  // namespace

int Autoplay::run(const PilotSource::Settings& settings, std::ostream& out, std::ostream& errors)
{
    std::string error;
    // The games' hall of fame and keys are nobody's: they go when the run does.
    const auto scratch = ScratchFolder::make(error);
    if (!scratch) {
        errors << "quindel: cannot make a folder for the computer player's games: " << error << '\n';
        return 1;
    }
    PilotSource pilot(settings);
    int played = 0;
    double levels = 0;
    double score = 0;
    pilot.onGameEnd([&](const PilotSource::Result& game) {
        ++played;
        levels += game.levels;
        score += game.score;
        out << "game=" << played << " levels=" << game.levels << " score=" << game.score
            << " capsules=" << game.capsules << std::endl;
    });
    // What the game prints of itself (its songs) goes nowhere.
    std::ostream silent(nullptr);
    SilentAudioLayer audio;
    {
        ScriptRun run(pilot, silent, errors, nullptr, audio,
                      GamePaths{*scratch / "highscore.dat", *scratch / "settings.dat"});
        pilot.attach(run.game(), run.window(), run.platform().clock());
        run.run();
    }
    const double count = played > 0 ? played : 1;
    out << "mean-levels=" << fixed(levels / count, 2) << " mean-score=" << fixed(score / count, 1) << '\n';
    return 0;
}

}  // namespace quindel
