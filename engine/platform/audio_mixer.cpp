// SDL2 and SDL2_mixer behind the sound player's seam; see audio_mixer.h.
#include "engine/platform/audio_mixer.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <string>

#include "engine/platform/regular_file.h"

namespace platform {

bool StartAudioSubsystem() {
    return SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
}

void StopAudioSubsystem() {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool AudioSubsystemRunning() {
    return SDL_WasInit(SDL_INIT_AUDIO) != 0;
}

bool OpenMixer(int frequency, uint16_t format, int channels, int chunk_frames) {
    return Mix_OpenAudio(frequency, format, channels, chunk_frames) >= 0;
}

void CloseMixer() {
    Mix_CloseAudio();
}

void* LoadChunkFromFile(const char* path) {
    // The chunk is decoded whole before the call returns, so the bytes need not outlive it.
    std::string bytes;
    if (!path || !ReadRegularFile(path, kMaxSoundFileBytes, bytes)) {
        return nullptr;
    }
    return LoadChunkFromMemory(bytes.data(), bytes.size());
}

void* LoadChunkFromMemory(const void* bytes, size_t size) {
    if (!bytes || size > static_cast<size_t>(INT32_MAX)) {
        return nullptr;
    }
    SDL_RWops* stream = SDL_RWFromConstMem(bytes, static_cast<int>(size));
    return stream ? Mix_LoadWAV_RW(stream, 1) : nullptr;
}

void FreeChunk(void* chunk) {
    if (chunk) {
        Mix_FreeChunk(static_cast<Mix_Chunk*>(chunk));
    }
}

int PlayChunk(void* chunk, int loops) {
    return Mix_PlayChannel(-1, static_cast<Mix_Chunk*>(chunk), loops);
}

void HaltChannel(int channel) {
    Mix_HaltChannel(channel);
}

void PauseChannel(int channel) {
    Mix_Pause(channel);
}

void ResumeChannel(int channel) {
    Mix_Resume(channel);
}

int ChunkVolume(void* chunk, int volume) {
    return Mix_VolumeChunk(static_cast<Mix_Chunk*>(chunk), volume);
}

}  // namespace platform
