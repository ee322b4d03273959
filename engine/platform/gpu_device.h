// The GPU seam of the render device: render targets, states, textures and draws on OpenGL 3.3.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace platform {

// 24 bytes: position, ARGB colour, texture coordinates.
struct GpuVertex {
    float x, y, z;
    uint32_t colour;
    float u, v;
};

// 16 bytes: position and ARGB colour.
struct GpuPointVertex {
    float x, y, z;
    uint32_t colour;
};

// The fixed-function state one blend mode of the render device stands for.
struct GpuBlendState {
    bool blending = true;
    bool additive = false;    // destination factor one instead of one minus source alpha
    bool colour_add = false;  // colour = texture + diffuse (saturated) instead of ×
    bool point_sprites = false;
};

enum class GpuTarget { kScene, kBackBuffer };

class GpuDevice {
  public:
    // Null when the window has no usable OpenGL 3.3 context.
    static std::unique_ptr<GpuDevice> Create(void* window);
    virtual ~GpuDevice() = default;

    // (Re)makes the scene, layer and back-buffer targets of width × height; samples 0 or 4 for
    // the back buffer. The layer (the scene's cached lower part) loses its picture.
    virtual void ResizeTargets(int width, int height, int samples) = 0;
    // Starts drawing into target and clears it to the ARGB colour.
    virtual void BeginTarget(GpuTarget target, uint32_t clear_argb) = 0;
    // Starts drawing into the layer, only within the pixel columns left .. right - 1 and rows
    // top .. bottom - 1 (row 0 at the top), which are cleared to the ARGB colour.
    virtual void BeginLayer(int left, int top, int right, int bottom, uint32_t clear_argb) = 0;
    // Goes back to drawing into the scene target, keeping what it holds, anywhere.
    virtual void ResumeScene() = 0;
    // Copies the layer's picture, alpha included, over the whole scene target.
    virtual void CopyLayerToScene() = 0;
    // The three state setters only record; the next draw applies them. They make no GL call,
    // so they are safe on a thread that has no context. Row-vector matrices (v' = v × M):
    // world × view, and the projection.
    virtual void SetTransforms(const float world_view[16], const float projection[16]) = 0;
    virtual void SetBlendState(const GpuBlendState& state) = 0;
    virtual void SetFiltering(bool smooth) = 0;

    // Texels ARGB, row-major, top row first. Creates the texture when handle is 0.
    virtual unsigned int UploadTexture(unsigned int handle, int width, int height,
                                       const uint32_t* argb) = 0;
    virtual void DeleteTexture(unsigned int handle) = 0;
    virtual void BindTexture(unsigned int handle) = 0;
    virtual void BindSceneTexture() = 0;
    virtual void BindLayerTexture() = 0;
    // No texture: the diffuse colour alone.
    virtual void BindNoTexture() = 0;

    // Two triangles 0, 2, 1 and 0, 3, 2.
    virtual void DrawQuad(const GpuVertex vertices[4]) = 0;
    virtual void DrawLines(const GpuVertex* vertices, int count) = 0;
    // Point sprites of size eye-space units: size × viewport height / eye distance pixels.
    virtual void DrawPoints(const GpuPointVertex* points, int count, float size) = 0;

    // The open back buffer, top row first; only before Present, after which the window may
    // have dropped it.
    virtual void ReadBackBuffer(std::vector<uint32_t>& argb, int& width, int& height) = 0;
    // Shows the back buffer, stretched over the window's drawable area.
    virtual void Present() = 0;
    // GL draw calls made so far.
    virtual int DrawCalls() const = 0;
};

}  // namespace platform
