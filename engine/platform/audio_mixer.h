// The sound player's seam onto SDL's audio subsystem and SDL2_mixer. Chunks are opaque handles.
#pragma once

#include <cstddef>
#include <cstdint>

namespace platform {

// Starts SDL's audio subsystem; false when it cannot start.
bool StartAudioSubsystem();
void StopAudioSubsystem();
bool AudioSubsystemRunning();
// Opens the mixer's device; false when no device can be opened.
bool OpenMixer(int frequency, uint16_t format, int channels, int chunk_frames);
void CloseMixer();

// Decoded chunks (OGG Vorbis and the mixer's other formats); null when the data cannot be read
// or decoded. The memory is copied: the caller may free it afterwards.
void* LoadChunkFromFile(const char* path);
void* LoadChunkFromMemory(const void* bytes, size_t size);
void FreeChunk(void* chunk);

// Plays on the first free channel, loops more times (-1 forever); the channel, or -1.
int PlayChunk(void* chunk, int loops);
// Channel -1 addresses every channel.
void HaltChannel(int channel);
void PauseChannel(int channel);
void ResumeChannel(int channel);
// 0 .. 128; a negative volume changes nothing. Returns the chunk's volume before the call.
int ChunkVolume(void* chunk, int volume);

}  // namespace platform
