#include "sound/SoundPlayer.h"

#include <algorithm>
#include <string>

#include "sound/SoundRequestObserver.h"

namespace quindel {

SoundPlayer::SoundPlayer(AudioLayer& layer) : audio(layer)
{
    audio.init(MixRate, MaxChannels, InitFlags);
    moveSample = audio.loadSample(std::string(MoveSampleFile));
    whiteSample = audio.loadSample(std::string(WhiteSampleFile));
    blueSample = audio.loadSample(std::string(BlueSampleFile));
    greenSample = audio.loadSample(std::string(GreenSampleFile));
}

SoundPlayer::~SoundPlayer()
{
    if (songIsLoaded)
        audio.freeSong(currentSong);
    audio.close();
}

void SoundPlayer::playSong(int index)
{
    if (requestObserver != nullptr)
        requestObserver->songRequested(index);
    // Only the five songs exist; an index past them would read outside the
    // table, so it changes nothing instead.
    if (index < 0 || index >= SongCount)
        return;
    // The last song is always freed first, even when the same one is asked
    // for again: that is what makes a new game restart its song.
    if (songIsLoaded)
        audio.freeSong(currentSong);
    currentSong = audio.loadSong(std::string(SongFiles[static_cast<std::size_t>(index)]));
    audio.playSong(currentSong);
    songIsLoaded = true;
    isPaused = false;
}

void SoundPlayer::playMoveSound()
{
    if (requestObserver != nullptr)
        requestObserver->moveRequested();
    audio.playSound(moveSample);
}

void SoundPlayer::previewMoveSound()
{
    audio.playSound(moveSample);
}

void SoundPlayer::playClearSound(CellColor color)
{
    if (requestObserver != nullptr)
        requestObserver->clearRequested(color);
    switch (color) {
    case CellColor::White:
        audio.playSound(whiteSample);
        break;
    case CellColor::Blue:
        audio.playSound(blueSample);
        break;
    case CellColor::Green:
        audio.playSound(greenSample);
        break;
    default:
        break;
    }
}

void SoundPlayer::setMusicVolume(int volume)
{
    musicLevel = std::clamp(volume, 0, MaxVolume);
    audio.setMusicVolume(musicLevel);
}

void SoundPlayer::setEffectsVolume(int volume)
{
    effectsLevel = std::clamp(volume, 0, MaxVolume);
    audio.setEffectsVolume(effectsLevel);
}

void SoundPlayer::setMuted(bool muted)
{
    isMuted = muted;
    audio.setMuted(muted);
}

void SoundPlayer::pauseMusic()
{
    isPaused = true;
    audio.pauseMusic();
}

void SoundPlayer::resumeMusic()
{
    isPaused = false;
    audio.resumeMusic();
}

}  // namespace quindel
