// WTEXTURE: one texture, its texels kept in memory and mirrored to the GPU when a device exists.
#pragma once

#include <cstdint>
#include <vector>

// The texture handle of the engine is WTEXTURE*; null means none. Every texture keeps its texels
// in memory (our managed pool), so it survives device changes and can be inspected by tests.
struct WTEXTURE {
    int width = 0;
    int height = 0;
    // width * height texels, 32-bit ARGB, row-major, row 0 at the top.
    std::vector<uint32_t> texels;
    // The GPU copy (a GL texture name); 0 while none was made.
    unsigned int gpu_handle = 0;
    // The texels changed since the last upload: set by UnlockTexture and FillTexture; code that
    // writes texels directly sets it too. The upload happens when the texture is next drawn.
    bool dirty = true;
    // Changes with every change of the texels (and, for a render target, of its picture). Drawn
    // from one counter for all textures, so a texture made at a released one's address never
    // repeats a version it had: an identity and a version in one.
    uint64_t version = 0;
    // A render target (the scene, the cached layer): its picture lives on the GPU only and cannot
    // be locked.
    bool render_target = false;
};

// The next value of the counter that texture versions are drawn from.
uint64_t NextTextureVersion();
