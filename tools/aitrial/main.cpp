// Measures the computer player: plays games with the game's rules and timing
// on a clock of its own and prints one line per game and the means.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "ai/TrialRun.h"

namespace {

using namespace quindel;

constexpr const char* Usage = "usage: aitrial [--games N] [--strength 1|2|3] [--speed easy|medium|hard] [--level L] "
                              "[--seed S] [--verbose] [--script FILE]\n"
                              "--script writes the first game as a script for quindel --script (ties go to the tick)\n";

std::optional<long> number(std::string_view text, long low, long high)
{
    const std::string copy(text);
    char* end = nullptr;
    const long value = std::strtol(copy.c_str(), &end, 10);
    if (copy.empty() || *end != '\0' || value < low || value > high)
        return std::nullopt;
    return value;
}

// The default bindings' keys, as the scripted run takes them.
int virtualKeyOf(PlayerAction action)
{
    switch (action) {
    case PlayerAction::MoveLeft:
        return 37;
    case PlayerAction::MoveRight:
        return 39;
    case PlayerAction::TurnLeft:
        return 40;
    case PlayerAction::TurnRight:
        return 38;
    default:
        return 32;
    }
}

int refuse(const std::string& message)
{
    std::fprintf(stderr, "aitrial: %s\n%s", message.c_str(), Usage);
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    TrialSettings settings;
    long games = 20;
    bool verbose = false;
    std::string scriptPath;
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        if (option == "--help") {
            std::printf("%s", Usage);
            return 0;
        }
        if (option == "--verbose") {
            verbose = true;
            continue;
        }
        if (i + 1 >= argc)
            return refuse("missing value after " + std::string(option));
        const std::string_view value = argv[++i];
        std::optional<long> parsed;
        if (option == "--script") {
            scriptPath = value;
            settings.tickFirstOnTies = true;
            continue;
        }
        if (option == "--games") {
            parsed = number(value, 1, 100000);
            games = parsed.value_or(0);
        } else if (option == "--strength") {
            parsed = number(value, 1, 3);
            settings.strength = static_cast<int>(parsed.value_or(3));
        } else if (option == "--level") {
            parsed = number(value, 1, 20);
            settings.firstLevel = static_cast<std::uint32_t>(parsed.value_or(1));
        } else if (option == "--seed") {
            parsed = number(value, 0, 4'000'000'000L);
            settings.seed = parsed.value_or(0);
        } else if (option == "--speed") {
            if (value == "easy")
                parsed = 1100;
            else if (value == "medium")
                parsed = 700;
            else if (value == "hard")
                parsed = 300;
            settings.interval = static_cast<std::uint32_t>(parsed.value_or(700));
        } else {
            return refuse("unknown option " + std::string(option));
        }
        if (!parsed)
            return refuse("bad value " + std::string(value) + " for " + std::string(option));
    }

    TrialRun run(settings);
    std::FILE* script = nullptr;
    std::uint64_t scriptMs = 0;
    if (!scriptPath.empty()) {
        script = std::fopen(scriptPath.c_str(), "w");
        if (script == nullptr)
            return refuse("cannot write " + scriptPath);
        const int radio = settings.interval == 1100 ? 1009 : settings.interval == 300 ? 1011 : 1010;
        std::fprintf(script, "time %lld\nmenu 114\ndialog %d\ndialog 1018 %u\ndialog 1\n",
                     static_cast<long long>(settings.seed), radio, settings.firstLevel);
        run.listen([&](const TrialPress& press) {
            if (press.ms > scriptMs)
                std::fprintf(script, "wait %llu\n", static_cast<unsigned long long>(press.ms - scriptMs));
            std::fprintf(script, "key %d\n", press.enter ? 13 : virtualKeyOf(press.action));
            scriptMs = press.doneMs;
        });
    }
    double levels = 0;
    double score = 0;
    for (long k = 1; k <= games; ++k) {
        const auto started = std::chrono::steady_clock::now();
        const TrialGame game = run.playGame();
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        std::printf("game=%ld levels=%d score=%d capsules=%d", k, game.levelsCleared, game.score, game.capsules);
        if (verbose)
            std::printf(" keys=%d played=%.0fs closest-keys=%llums took=%.2fs%s", game.keys,
                        static_cast<double>(game.ms) / 1000.0, static_cast<unsigned long long>(game.closestKeys),
                        seconds, game.stopped ? " stopped" : "");
        std::printf("\n");
        std::fflush(stdout);
        if (script != nullptr) {
            std::fprintf(script, "dump\n");
            std::fclose(script);
            script = nullptr;
            run.listen(nullptr);
        }
        levels += game.levelsCleared;
        score += game.score;
    }
    std::printf("mean-levels=%.2f mean-score=%.1f\n", levels / static_cast<double>(games),
                score / static_cast<double>(games));
    return 0;
}
