#include "sound/SilentAudioLayer.h"

namespace quindel {

void SilentAudioLayer::init(int, int, std::uint32_t) {}

SampleHandle SilentAudioLayer::loadSample(const std::string&)
{
    return SampleHandle::None;
}

void SilentAudioLayer::playSound(SampleHandle) {}

SongHandle SilentAudioLayer::loadSong(const std::string&)
{
    return SongHandle::None;
}

void SilentAudioLayer::playSong(SongHandle) {}

void SilentAudioLayer::freeSong(SongHandle) {}

void SilentAudioLayer::close() {}

void SilentAudioLayer::setMusicVolume(int) {}

void SilentAudioLayer::setEffectsVolume(int) {}

void SilentAudioLayer::setMuted(bool) {}

void SilentAudioLayer::pauseMusic() {}

void SilentAudioLayer::resumeMusic() {}

}  // namespace quindel
