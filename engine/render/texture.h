// WTEXTURE: one texture, its texels kept in memory and mirrored to the GPU when a device exists.
#pragma once

#include <cstdint>
#include <vector>

// A number no other texture of this process had or will have.
uint64_t NewTextureIdentity();

// The texture handle of the engine is WTEXTURE*; null means none. Every texture keeps its texels
// in memory (our managed pool), so it survives device changes and can be inspected by tests.
struct WTEXTURE {
    WTEXTURE() = default;
    // A copy would share the identity, so a frame could not tell the two apart.
    WTEXTURE(const WTEXTURE&) = delete;
    WTEXTURE& operator=(const WTEXTURE&) = delete;

    // What the texture shows changed: the texels (uploaded at the next draw), or the picture
    // drawn into a render target.
    void MarkChanged() {
        dirty = true;
        ++version;
    }

    // Set at creation and never reused, so a frame that draws another texture at the same
    // address is seen to differ.
    const uint64_t identity = NewTextureIdentity();
    // Grows with every change of what the texture shows.
    uint64_t version = 0;
    int width = 0;
    int height = 0;
    // width * height texels, 32-bit ARGB, row-major, row 0 at the top.
    std::vector<uint32_t> texels;
    // The GPU copy (a GL texture name); 0 while none was made.
    unsigned int gpu_handle = 0;
    // The texels changed since the last upload: set by MarkChanged, which UnlockTexture and
    // FillTexture call; code that writes texels directly calls it too. The upload happens when
    // the texture is next drawn.
    bool dirty = true;
    // A render target (the scene, the cached layer): its picture lives on the GPU only and cannot
    // be locked.
    bool render_target = false;
    // Texels held by the texture's creator (a cut's block of piece texels) in place of `texels`;
    // the creator keeps them alive while the texture may upload or lock them.
    uint32_t* held_texels = nullptr;
    // Nothing reads the texels once the GPU has a copy: with a device the upload drops them,
    // and a lock answers null from then on. Set for images loaded from files and packs, the
    // pieces and their shadows; whoever reads a texture's texels clears it first.
    bool drop_after_upload = false;

    // The texels in memory, null when there are none (dropped or never held).
    uint32_t* Texels() {
        return held_texels != nullptr ? held_texels : texels.empty() ? nullptr : texels.data();
    }
};
