#include "playback/GuestAudioLayer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RecordingAudioLayer.h"

namespace quindel {
namespace {

// A game shown inside the game plays and pauses its music on the player's
// sound but leaves the player's controls alone, and a long evening of demos loads each sample
// once.
TEST(GuestAudioLayer, PlaysAndPausesOnTheHostButNeverClosesItNorTouchesItsControls)
{
    RecordingAudioLayer host;
    host.failing = {"missing.wav"};
    GuestAudioLayer guest(host);
    for (int game = 0; game < 3; ++game) {
        guest.init(44100, 16, 0);
        const SampleHandle land = guest.loadSample("land.wav");
        guest.playSound(land);
        guest.loadSample("missing.wav");
        const SongHandle song = guest.loadSong("title.mod");
        guest.playSong(song);
        guest.setMusicVolume(3);
        guest.setEffectsVolume(0);
        guest.setMuted(true);
        guest.pauseMusic();
        guest.resumeMusic();
        guest.freeSong(song);
        guest.close();
        if (game == 0)
            host.log.clear();
    }
    // The two later games: the sample that loaded is not asked for again,
    // the one that failed is, in case the device has opened since.
    const std::vector<std::string> expected{
        "init 44100 16 0",
        "playSound 1",
        "loadSample missing.wav -> 0",
        "loadSong title.mod -> 3",
        "playSong 3",
        "pauseMusic",
        "resumeMusic",
        "freeSong 3",
        "init 44100 16 0",
        "playSound 1",
        "loadSample missing.wav -> 0",
        "loadSong title.mod -> 4",
        "playSong 4",
        "pauseMusic",
        "resumeMusic",
        "freeSong 4",
    };
    EXPECT_EQ(host.log, expected);
}

}  // namespace
}  // namespace quindel
