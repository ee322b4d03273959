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
    // The scene render target: its picture lives on the GPU only and cannot be locked.
    bool render_target = false;
    // Texels held by the texture's creator (a cut's block of piece texels) in place of `texels`;
    // the creator keeps them alive while the texture may upload or lock them.
    uint32_t* held_texels = nullptr;
    // Nothing reads the texels once the GPU has a copy: with a device the upload drops them,
    // and a lock answers null from then on.
    bool drop_after_upload = false;

    // The texels in memory, null when there are none (dropped or never held).
    uint32_t* Texels() {
        return held_texels != nullptr ? held_texels : texels.empty() ? nullptr : texels.data();
    }
};
