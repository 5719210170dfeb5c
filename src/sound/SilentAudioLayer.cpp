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

}  // namespace quindel
