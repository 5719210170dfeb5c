// Listens to the game's music and effects by numbers, as the game's own
// mixer plays them at full volume:
//   musiccheck FILE.mod... FILE.wav...     e.g. musiccheck build/music/*
// For each song: one pass before it loops and how much of it is new material,
// loudness (LUFS, ITU-R BS.1770), peak and tuning against A440. For each
// effect: length, frequency bands, loudness, and how much louder than each song.
// Last, the loudest moments a player can hear: one effect asked for twice
// in one clearing pass over each song, as a plain sum and as mixed.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "SoundCheck.h"

using quindel::composer::SoundCheck;

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: musiccheck FILE.mod... FILE.wav...\n");
        return 2;
    }
    std::vector<std::pair<std::string, SoundCheck::Song>> songs;
    std::vector<std::pair<std::string, SoundCheck::Effect>> effects;
    int status = 0;
    for (int a = 1; a < argc; ++a) {
        const std::string file = argv[a];
        const std::string ext = std::filesystem::path(file).extension().string();
        if (ext == ".wav") {
            if (auto e = SoundCheck::effect(file)) {
                effects.emplace_back(file, std::move(*e));
                continue;
            }
        } else if (auto s = SoundCheck::song(file)) {
            songs.emplace_back(file, std::move(*s));
            continue;
        }
        std::fprintf(stderr, "musiccheck: %s is neither a module nor a 16-bit 44.1 kHz wave\n", file.c_str());
        status = 1;
    }
    auto name = [](const std::string& file) { return std::filesystem::path(file).filename().string(); };

    if (!songs.empty())
        std::printf("%-14s %8s %9s %11s %10s %13s\n", "song", "loop", "distinct", "loudness", "peak", "tuning");
    for (const auto& [file, s] : songs) {
        std::printf("%-14s %6.1f s %7.1f s %6.1f LUFS %5.1f dBFS %+6.1f cents (agreement %.2f)\n", name(file).c_str(),
                    s.loopSeconds, s.distinctSeconds, s.lufs, s.peakDb, s.tuning.cents, s.tuning.agreement);
    }
    if (!effects.empty()) {
        std::printf("\n%-14s %7s %9s %11s %9s %18s %s\n", "effect", "length", "audible", "loudness", "peak",
                    "<0.2/0.2-1/1-5/>5k", "fades (dB)");
    }
    for (const auto& [file, e] : effects) {
        std::printf("%-14s %4.0f ms %6.0f ms %6.1f LUFS %5.1f dBFS  %3.0f/%3.0f/%3.0f/%3.0f %%  %+.0f / %+.0f\n",
                    name(file).c_str(), e.seconds * 1000, e.audibleSeconds * 1000, e.lufs, e.peakDb, e.bands[0] * 100,
                    e.bands[1] * 100, e.bands[2] * 100, e.bands[3] * 100, e.startDb, e.endDb);
    }
    if (!songs.empty() && !effects.empty()) {
        std::printf("\n%-14s", "LU over song");
        for (const auto& song : songs)
            std::printf(" %13s", name(song.first).c_str());
        std::printf("\n");
        for (const auto& [file, e] : effects) {
            std::printf("%-14s", name(file).c_str());
            for (const auto& song : songs)
                std::printf(" %+13.1f", e.lufs - song.second.lufs);
            std::printf("\n");
        }
        // Every effect twice at once over every song, at the worst moment
        // of each; the worst song for each effect is shown.
        std::printf("\ntwice in one pass, at the worst moment of the worst song:\n");
        for (const auto& [file, e] : effects) {
            SoundCheck::Mix worst;
            std::string worstSong;
            for (const auto& [songFile, song] : songs) {
                const SoundCheck::Mix m = SoundCheck::twoInOnePass(songFile, song, e);
                if (worstSong.empty() || m.plainPeakDb > worst.plainPeakDb) {
                    worst = m;
                    worstSong = name(songFile);
                }
            }
            std::printf(
                "  %-14s over %-13s at %5.1f s: plain sum %+5.1f dBFS, as mixed %+5.1f dBFS, limiter %+4.1f dB\n",
                name(file).c_str(), worstSong.c_str(), worst.at, worst.plainPeakDb, worst.mixedPeakDb, worst.limiterDb);
        }
    }
    return status;
}
