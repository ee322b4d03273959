// WSOUND_SYSTEM opens the audio device and decodes sounds; WSOUND plays one decoded sample.
#pragma once

#include <cstddef>
#include <cstdint>

// One decoded sample chunk and the mixer channel it last played on. A sound whose data could
// not be decoded has no chunk and every operation on it does nothing.
class WSOUND {
  public:
    explicit WSOUND(void* chunk);
    ~WSOUND();
    WSOUND(const WSOUND&) = delete;
    WSOUND& operator=(const WSOUND&) = delete;

    // 0 when started or when there is nothing to play; 1 when refused: a single-channel sound
    // that has already been played in overlapping mode.
    int Play(int ignored = 0);
    // Stop, pause or resume the remembered channel (-1, never played, addresses every channel).
    int Halt();
    int Pause();
    int Resume();
    // true: loop forever; false: play once.
    int SetLoop(bool loop);
    // true: every play starts on a new channel that is not remembered.
    int SetOverlap(bool overlap);
    // volume 0.0 .. 1.0, stored as the mixer's 0 .. 128, truncated toward zero.
    int SetVolume(float volume);

    bool HasChunk() const { return chunk_ != nullptr; }
    int Channel() const { return channel_; }
    int Loops() const { return loops_; }
    // The mixer volume 0 .. 128 of the chunk; 0 without a chunk.
    int MixerVolume() const;

  private:
    void* chunk_;  // the mixer's chunk, owned
    bool overlap_ = false;
    bool overlapped_ = false;
    int loops_ = 0;  // 0 once, -1 forever
    int channel_ = -1;
};

// The audio device. Without one, every load returns null and the game runs silent.
class WSOUND_SYSTEM {
  public:
    // Opens the device: 22050 Hz, signed 16-bit little-endian, stereo, chunks of 2048 frames.
    WSOUND_SYSTEM();
    // Closes the mixer and stops the audio subsystem.
    ~WSOUND_SYSTEM();
    WSOUND_SYSTEM(const WSOUND_SYSTEM&) = delete;
    WSOUND_SYSTEM& operator=(const WSOUND_SYSTEM&) = delete;

    // An OGG Vorbis (or any format the mixer decodes) file or in-memory file image. Null when
    // audio is not ready; a sound without chunk when the data does not decode. The caller owns
    // the result.
    WSOUND* LoadFile(const char* path);
    WSOUND* LoadMemory(const void* bytes, size_t size);

    bool AudioReady() const { return audio_ready_; }
    WSOUND* LastSound() const { return last_sound_; }

    static constexpr int kFrequency = 22050;
    static constexpr uint16_t kSampleFormat = 0x8010;  // signed 16-bit, little-endian
    static constexpr int kChannels = 2;
    static constexpr int kChunkFrames = 2048;

  private:
    WSOUND* Adopt(void* chunk);

    bool audio_ready_ = false;
    WSOUND* last_sound_ = nullptr;
};

// Null-tolerant forms for the usual case, a sound slot that may be empty (g_sounds[i]):
// a null sound does nothing and answers 0.
inline int SoundPlay(WSOUND* sound) {
    return sound ? sound->Play(0) : 0;
}
inline int SoundHalt(WSOUND* sound) {
    return sound ? sound->Halt() : 0;
}
inline int SoundPause(WSOUND* sound) {
    return sound ? sound->Pause() : 0;
}
inline int SoundResume(WSOUND* sound) {
    return sound ? sound->Resume() : 0;
}
inline int SoundSetLoop(WSOUND* sound, bool loop) {
    return sound ? sound->SetLoop(loop) : 0;
}
inline int SoundSetOverlap(WSOUND* sound, bool overlap) {
    return sound ? sound->SetOverlap(overlap) : 0;
}
inline int SoundSetVolume(WSOUND* sound, float volume) {
    return sound ? sound->SetVolume(volume) : 0;
}
