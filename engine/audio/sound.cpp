// The sound player on the platform's mixer seam; see sound.h.
#include "engine/audio/sound.h"

#include <cstdlib>

#include "engine/platform/audio_mixer.h"

namespace {

constexpr int kExitAudioLost = 200;
constexpr int kMixerMaxVolume = 128;

}  // namespace

WSOUND::WSOUND(void* chunk) : chunk_(chunk) {}

WSOUND::~WSOUND() {
    platform::FreeChunk(chunk_);
}

int WSOUND::Play(int) {
    if (!chunk_) {
        return 0;
    }
    if (overlap_) {
        platform::PlayChunk(chunk_, loops_);
        overlapped_ = true;
        return 0;
    }
    if (overlapped_) {
        return 1;
    }
    channel_ = platform::PlayChunk(chunk_, loops_);
    return 0;
}

int WSOUND::Halt() {
    if (chunk_) {
        platform::HaltChannel(channel_);
    }
    return 0;
}

int WSOUND::Pause() {
    if (chunk_) {
        platform::PauseChannel(channel_);
    }
    return 0;
}

int WSOUND::Resume() {
    if (chunk_) {
        platform::ResumeChannel(channel_);
    }
    return 0;
}

int WSOUND::SetLoop(bool loop) {
    loops_ = loop ? -1 : 0;
    return 0;
}

int WSOUND::SetOverlap(bool overlap) {
    overlap_ = overlap;
    return 0;
}

int WSOUND::SetVolume(float volume) {
    if (chunk_) {
        platform::ChunkVolume(chunk_, static_cast<int>(volume * kMixerMaxVolume));
    }
    return 0;
}

int WSOUND::MixerVolume() const {
    return chunk_ ? platform::ChunkVolume(chunk_, -1) : 0;
}

WSOUND_SYSTEM::WSOUND_SYSTEM() {
    platform::StartAudioSubsystem();
    audio_ready_ = platform::OpenMixer(kFrequency, kSampleFormat, kChannels, kChunkFrames);
}

WSOUND_SYSTEM::~WSOUND_SYSTEM() {
    if (audio_ready_) {
        platform::CloseMixer();
    }
    platform::StopAudioSubsystem();
}

WSOUND* WSOUND_SYSTEM::LoadFile(const char* path) {
    if (!audio_ready_) {
        return nullptr;
    }
    if (!platform::AudioSubsystemRunning()) {
        std::exit(kExitAudioLost);
    }
    return Adopt(path ? platform::LoadChunkFromFile(path) : nullptr);
}

WSOUND* WSOUND_SYSTEM::LoadMemory(const void* bytes, size_t size) {
    if (!audio_ready_) {
        return nullptr;
    }
    if (!platform::AudioSubsystemRunning()) {
        std::exit(kExitAudioLost);
    }
    return Adopt(platform::LoadChunkFromMemory(bytes, size));
}

WSOUND* WSOUND_SYSTEM::Adopt(void* chunk) {
    last_sound_ = new WSOUND(chunk);
    return last_sound_;
}
