#include "sound/SdlAudioLayer.h"

#include <span>

#include <SDL.h>
#include <SDL_mixer.h>

#include "sound/ModuleDecoder.h"

namespace quindel {

namespace {

// Frames per mixer buffer: about 23 ms at 44.1 kHz, short enough that a move
// sound follows the key press without a noticeable delay.
constexpr int ChunkFrames = 1024;

}  // namespace

void SdlAudioLayer::ChunkDeleter::operator()(Mix_Chunk* chunk) const
{
    Mix_FreeChunk(chunk);
}

SdlAudioLayer::SdlAudioLayer() = default;

SdlAudioLayer::~SdlAudioLayer()
{
    close();
}

void SdlAudioLayer::init(int mixRate, int maxChannels, std::uint32_t)
{
    if (subsystemStarted_) {
        return;
    }
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return;
    }
    subsystemStarted_ = true;
    if (Mix_OpenAudio(mixRate, AUDIO_S16SYS, 2, ChunkFrames) != 0) {
        // No device: every load below is refused, so the game goes on silent.
        return;
    }
    mixerOpen_ = true;
    Mix_AllocateChannels(maxChannels);
    Uint16 format = 0;
    Mix_QuerySpec(&deviceRate_, &format, &deviceChannels_);
}

SampleHandle SdlAudioLayer::loadSample(const std::string& file)
{
    if (!mixerOpen_) {
        return SampleHandle::None;
    }
    Mix_Chunk* chunk = Mix_LoadWAV(file.c_str());
    if (chunk == nullptr) {
        return SampleHandle::None;
    }
    const std::uint32_t handle = nextHandle_++;
    samples_.emplace(handle, std::unique_ptr<Mix_Chunk, ChunkDeleter>(chunk));
    return static_cast<SampleHandle>(handle);
}

void SdlAudioLayer::playSound(SampleHandle sample)
{
    const auto found = samples_.find(static_cast<std::uint32_t>(sample));
    if (found == samples_.end()) {
        return;
    }
    // All channels busy just means this one is not heard.
    Mix_PlayChannel(-1, found->second.get(), 0);
}

SongHandle SdlAudioLayer::loadSong(const std::string& file)
{
    if (!mixerOpen_) {
        return SongHandle::None;
    }
    std::unique_ptr<ModuleDecoder> decoder = ModuleDecoder::fromFile(file);
    if (!decoder) {
        return SongHandle::None;
    }
    const std::uint32_t handle = nextHandle_++;
    songs_.emplace(handle, std::move(decoder));
    return static_cast<SongHandle>(handle);
}

void SdlAudioLayer::playSong(SongHandle song)
{
    const auto found = songs_.find(static_cast<std::uint32_t>(song));
    if (found == songs_.end()) {
        return;
    }
    // Swapping the song only while the hook is off keeps the audio thread
    // from ever seeing a half-changed pointer: Mix_HookMusic takes the
    // device lock.
    stopHook();
    playing_ = found->second.get();
    Mix_HookMusic(&SdlAudioLayer::mixSong, this);
    hookInstalled_ = true;
}

void SdlAudioLayer::freeSong(SongHandle song)
{
    const auto found = songs_.find(static_cast<std::uint32_t>(song));
    if (found == songs_.end()) {
        return;
    }
    if (playing_ == found->second.get()) {
        stopHook();
    }
    songs_.erase(found);
}

void SdlAudioLayer::close()
{
    if (mixerOpen_) {
        stopHook();
        Mix_HaltChannel(-1);
    }
    songs_.clear();
    samples_.clear();
    if (mixerOpen_) {
        Mix_CloseAudio();
        mixerOpen_ = false;
    }
    if (subsystemStarted_) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        subsystemStarted_ = false;
    }
}

void SdlAudioLayer::stopHook()
{
    if (hookInstalled_) {
        Mix_HookMusic(nullptr, nullptr);
        hookInstalled_ = false;
    }
    playing_ = nullptr;
}

void SdlAudioLayer::mixSong(void* self, std::uint8_t* stream, int length)
{
    auto* layer = static_cast<SdlAudioLayer*>(self);
    if (layer->playing_ == nullptr || length <= 0) {
        return;
    }
    // The device was opened for signed 16-bit samples, and only the channel
    // count and rate may have been changed by SDL.
    std::span<std::int16_t> out(reinterpret_cast<std::int16_t*>(stream),
                                static_cast<std::size_t>(length) / sizeof(std::int16_t));
    layer->playing_->render(out, layer->deviceChannels_, layer->deviceRate_);
}

}  // namespace quindel
