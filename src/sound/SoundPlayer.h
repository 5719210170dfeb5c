#pragma once

#include <array>
#include <string_view>

#include "core/CellCodes.h"
#include "sound/AudioLayer.h"

namespace quindel {

class SoundRequestObserver;

// One background song at a time, chosen by screen and level, and the four
// short samples: the move tom and one clear sound per colour. The player does
// not own its audio layer; whoever owns the player keeps the layer alive
// longer, since destruction still closes the layer.
class SoundPlayer final {
public:
    static constexpr int SongCount = 5;
    // Indexes 0..2 follow the level index mod 3, 3 is the title, 4 the level
    // clear and game over. The doubled slash is how the names have always been
    // written; the file system does not mind.
    static constexpr std::array<std::string_view, SongCount> SongFiles{
        "music//pippirul.mod", "music//century.mod",  "music//arkanoid.mod",
        "music//beingboi.mod", "music//cockatoo.mod",
    };
    static constexpr std::string_view MoveSampleFile = "music//KPRLOTOM.wav";
    static constexpr std::string_view WhiteSampleFile = "music//sorry.wav";
    static constexpr std::string_view BlueSampleFile = "music//click.wav";
    static constexpr std::string_view GreenSampleFile = "music//laser.wav";

    static constexpr int MixRate = 44100;
    static constexpr int MaxChannels = 32;
    static constexpr std::uint32_t InitFlags = 8;
    static constexpr int MaxVolume = 10;

    explicit SoundPlayer(AudioLayer& layer);
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // Callers pass 0 to 4; any other index changes nothing. Asking for the song that
    // is already playing starts it again from its beginning.
    void playSong(int index);
    void playMoveSound();
    // The move tick heard outside the game (a volume being set): not one of
    // the game's requests, so nobody is told of it.
    void previewMoveSound();
    // A colour other than White, Blue or Green plays nothing.
    void playClearSound(CellColor color);

    // What the player hears, none of it a request of the game's, so the
    // scripted run prints none of it. Volumes run from 0 (off) to 10 (full)
    // and are clamped to that.
    void setMusicVolume(int volume);
    void setEffectsVolume(int volume);
    void setMuted(bool muted);
    // The song stands still where it is until resumed; the next song asked
    // for plays whether or not the music was paused.
    void pauseMusic();
    void resumeMusic();
    int musicVolume() const { return musicLevel; }
    int effectsVolume() const { return effectsLevel; }
    bool muted() const { return isMuted; }
    bool musicPaused() const { return isPaused; }

    bool songLoaded() const { return songIsLoaded; }
    void setObserver(SoundRequestObserver* observer) { requestObserver = observer; }

private:
    AudioLayer& audio;
    SoundRequestObserver* requestObserver = nullptr;
    SongHandle currentSong = SongHandle::None;
    SampleHandle moveSample = SampleHandle::None;
    SampleHandle whiteSample = SampleHandle::None;
    SampleHandle blueSample = SampleHandle::None;
    SampleHandle greenSample = SampleHandle::None;
    bool songIsLoaded = false;
    int musicLevel = MaxVolume;
    int effectsLevel = MaxVolume;
    bool isMuted = false;
    bool isPaused = false;
};

}  // namespace quindel
