#include "pilot/PilotSource.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "TempFolder.h"
#include "app/ScriptRun.h"
#include "game/Game.h"
#include "sound/SilentAudioLayer.h"

namespace quindel {
namespace {

// The pilot's lines as the game reads them, with the game's clock at each.
class Listened final : public ScriptSource {
public:
    Listened(ScriptSource& inner, const Clock& clock) : inner(inner), clock(clock) {}
    Status next(std::string& line) override
    {
        const Status status = inner.next(line);
        if (status == Status::Line && line.rfind("key ", 0) == 0)
            keys.push_back(clock.now());
        return status;
    }
    std::vector<std::uint32_t> keys;

private:
    ScriptSource& inner;
    const Clock& clock;
};

std::vector<PilotSource::Result> play(const PilotSource::Settings& settings, std::uint32_t& closestKeys)
{
    test::TempFolder folder("pilot");
    PilotSource pilot(settings);
    std::vector<PilotSource::Result> results;
    pilot.onGameEnd([&results](const PilotSource::Result& result) { results.push_back(result); });
    std::ostringstream out;
    std::ostringstream errors;
    SilentAudioLayer audio;
    VirtualClock* clock = nullptr;
    std::unique_ptr<Listened> listened;
    // The listener stands between the pilot and the run; the run's clock
    // exists only with the run.
    class Forward final : public ScriptSource {
    public:
        Status next(std::string& line) override { return to->next(line); }
        ScriptSource* to = nullptr;
    } forward;
    {
        ScriptRun run(forward, out, errors, nullptr, audio,
                      GamePaths{folder / "highscore.dat", folder / "settings.dat"});
        clock = &run.platform().time();
        listened = std::make_unique<Listened>(pilot, *clock);
        forward.to = listened.get();
        pilot.attach(run.game(), run.window(), *clock);
        run.run();
        EXPECT_EQ(errors.str(), "");
    }
    closestKeys = UINT32_MAX;
    for (std::size_t i = 1; i < listened->keys.size(); ++i)
        closestKeys = std::min(closestKeys, listened->keys[i] - listened->keys[i - 1]);
    return results;
}

TEST(PilotSource, PlaysTheGamesItIsToldAtItsOwnPaceAndTheSameWayEveryTime)
{
    struct Case {
        const char* name;
        int strength;
        int callsPerKey;
        std::uint32_t interval;
        int level;
        int games;
        std::uint32_t fewestMsBetweenKeys;
        int levelsPerGame = 0;
    };
    const Case cases[] = {
        {"the strongest, fast", 3, 0, 300, 19, 2, 50},
        {"the weakest, at its own pace", 1, 0, 700, 3, 1, 200},
        {"the strongest at a person's pace", 3, 3, 1100, 20, 1, 150},
        // The title's demo stops a strong player after its levels.
        {"the strongest for one level", 3, 0, 700, 1, 2, 50, 1},
    };
    for (const Case& c : cases) {
        PilotSource::Settings settings;
        settings.strength = c.strength;
        settings.callsPerKey = c.callsPerKey;
        settings.interval = c.interval;
        settings.firstLevel = c.level;
        settings.games = c.games;
        settings.levelsPerGame = c.levelsPerGame;
        settings.seed = 1'700'000'000;
        std::uint32_t closest = 0;
        const auto first = play(settings, closest);
        ASSERT_EQ(first.size(), static_cast<std::size_t>(c.games)) << c.name;
        EXPECT_GE(closest, c.fewestMsBetweenKeys) << c.name;
        for (const PilotSource::Result& game : first) {
            EXPECT_GT(game.capsules, 0) << c.name;
            EXPECT_GE(game.levels, 0) << c.name;
            EXPECT_LE(game.levels, c.levelsPerGame > 0 ? c.levelsPerGame : 21 - c.level) << c.name;
        }
        std::uint32_t again = 0;
        const auto second = play(settings, again);
        ASSERT_EQ(second.size(), first.size()) << c.name;
        for (std::size_t k = 0; k < first.size(); ++k) {
            EXPECT_EQ(second[k].score, first[k].score) << c.name;
            EXPECT_EQ(second[k].capsules, first[k].capsules) << c.name;
        }
    }
}

}  // namespace
}  // namespace quindel
