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
    if (subsystemStarted)
        return;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return;
    subsystemStarted = true;
    if (Mix_OpenAudio(mixRate, AUDIO_S16SYS, 2, ChunkFrames) != 0) {
        // No device: every load below is refused, so the game goes on silent.
        return;
    }
    mixerOpen = true;
    Mix_AllocateChannels(maxChannels);
    Uint16 format = 0;
    Mix_QuerySpec(&deviceRate, &format, &deviceChannels);
}

SampleHandle SdlAudioLayer::loadSample(const std::string& file)
{
    if (!mixerOpen)
        return SampleHandle::None;
    Mix_Chunk* chunk = Mix_LoadWAV(file.c_str());
    if (chunk == nullptr)
        return SampleHandle::None;
    const std::uint32_t handle = nextHandle++;
    loadedSamples.emplace(handle, std::unique_ptr<Mix_Chunk, ChunkDeleter>(chunk));
    return static_cast<SampleHandle>(handle);
}

void SdlAudioLayer::playSound(SampleHandle sample)
{
    const auto found = loadedSamples.find(static_cast<std::uint32_t>(sample));
    if (found == loadedSamples.end())
        return;
    // All channels busy just means this one is not heard.
    Mix_PlayChannel(-1, found->second.get(), 0);
}

SongHandle SdlAudioLayer::loadSong(const std::string& file)
{
    if (!mixerOpen)
        return SongHandle::None;
    std::unique_ptr<ModuleDecoder> decoder = ModuleDecoder::fromFile(file);
    if (!decoder)
        return SongHandle::None;
    const std::uint32_t handle = nextHandle++;
    loadedSongs.emplace(handle, std::move(decoder));
    return static_cast<SongHandle>(handle);
}

void SdlAudioLayer::playSong(SongHandle song)
{
    const auto found = loadedSongs.find(static_cast<std::uint32_t>(song));
    if (found == loadedSongs.end())
        return;
    // Swapping the song only while the hook is off keeps the audio thread
    // from ever seeing a half-changed pointer: Mix_HookMusic takes the
    // device lock.
    stopHook();
    playing = found->second.get();
    Mix_HookMusic(&SdlAudioLayer::mixSong, this);
    hookInstalled = true;
}

void SdlAudioLayer::freeSong(SongHandle song)
{
    const auto found = loadedSongs.find(static_cast<std::uint32_t>(song));
    if (found == loadedSongs.end())
        return;
    if (playing == found->second.get())
        stopHook();
    loadedSongs.erase(found);
}

void SdlAudioLayer::close()
{
    if (mixerOpen) {
        stopHook();
        Mix_HaltChannel(-1);
    }
    loadedSongs.clear();
    loadedSamples.clear();
    if (mixerOpen) {
        Mix_CloseAudio();
        mixerOpen = false;
    }
    if (subsystemStarted) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        subsystemStarted = false;
    }
}

void SdlAudioLayer::stopHook()
{
    if (hookInstalled) {
        Mix_HookMusic(nullptr, nullptr);
        hookInstalled = false;
    }
    playing = nullptr;
}

void SdlAudioLayer::mixSong(void* self, std::uint8_t* stream, int length)
{
    auto* layer = static_cast<SdlAudioLayer*>(self);
    if (layer->playing == nullptr || length <= 0)
        return;
    // The device was opened for signed 16-bit samples, and only the channel
    // count and rate may have been changed by SDL.
    std::span<std::int16_t> out(reinterpret_cast<std::int16_t*>(stream),
                                static_cast<std::size_t>(length) / sizeof(std::int16_t));
    layer->playing->render(out, layer->deviceChannels, layer->deviceRate);
}

}  // namespace quindel
