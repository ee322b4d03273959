// WRENDER: the 2D render device: two-pass frame, letter-boxing, blend modes, quads, lines,
// rectangles, point sprites and textures; records every draw when there is no GPU device.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "engine/platform/image_decoder.h"
#include "engine/render/camera.h"
#include "engine/render/point_emitter.h"
#include "engine/render/texture.h"

namespace platform {
class GpuDevice;
}

// One corner of a quad: position in logical pixels and texture coordinates.
struct WQUAD_CORNER {
    float x = 0.0f;
    float y = 0.0f;
    float u = 0.0f;
    float v = 0.0f;
};

// The textured quad every sprite hands to DrawQuad. Corners: 0 top-left, 1 bottom-left,
// 2 bottom-right, 3 top-right.
struct WQUAD {
    WQUAD_CORNER corners[4];
    WTEXTURE* texture = nullptr;
    int blend = 1;                 // 0..5
    int depth = 0;                 // layer 0..100 (clamped); never hides anything
    uint32_t colour = 0xFFFFFFFF;  // ARGB, applied to all four corners
};

// One draw as WRENDER saw it. Positions are logical pixels after the quad geometry (before the
// letter-box transform).
struct WRECORDED_DRAW {
    enum Kind { kQuad, kLine, kRect, kPoints };
    Kind kind = kQuad;
    WTEXTURE* texture = nullptr;  // null for lines and rectangles
    // Quads and rectangles: four corners as in WQUAD. Lines: corners 0 and 1.
    WQUAD_CORNER corners[4];
    uint32_t colour = 0;          // quad and line colour; rectangle fill
    uint32_t outline_colour = 0;  // rectangles only
    int blend = 0;                // the blend mode in effect for this draw
    int depth = 0;        // the quad's depth clamped to 0..100; 100 for lines and rectangles
    int frame_state = 0;  // 1: into the scene, 3: onto the back buffer, else outside a frame
    // The DrawQuad arguments (sy after the 0 → sx rule).
    float x = 0.0f, y = 0.0f, sx = 1.0f, sy = 1.0f, angle = 0.0f;
    int ox = 0, oy = 0;
    // Points: the number of alive particles and the sprite size (size * multiplier).
    int point_count = 0;
    float point_size = 0.0f;
};

class WRENDER {
  public:
    static constexpr int kPointBatch = 500;
    static constexpr int kDefaultTextureSize = 8;
    // Larger images are refused (the default texture is returned).
    static constexpr int kMaxTextureSize = platform::kMaxImageSide;
    // A loaded image larger than this comes out scaled down to fit it, keeping its proportions:
    // the largest screen mode the game offers, so nothing is lost that could be shown, and a
    // player's 8192 x 8192 photo costs no more to cut than a full-screen picture.
    static constexpr int kMaxPictureWidth = 1920;
    static constexpr int kMaxPictureHeight = 1080;

    WRENDER();
    ~WRENDER();
    WRENDER(const WRENDER&) = delete;
    WRENDER& operator=(const WRENDER&) = delete;

    // --- Device and frame.

    // 0: no multisampling, 1: four samples; other values leave the setting.
    void SetMultisample(int mode);
    // Makes the GPU device for the window (platform::CreateGameWindow). 0, or -2 when no device.
    int Create(void* window);
    bool HasDevice() const { return gpu_ != nullptr; }
    // Back buffer of width x height. The window itself is placed by platform::SetWindowMode.
    void ResetMode(int width, int height, bool full_screen);
    void SetLogicalSize(int width, int height);
    // 0 scene open, -1 out of order; (2 would mean the device was reset: GL never loses it).
    int BeginFrame();
    int EndScene();
    int BeginBackBuffer();
    int Present();
    // 0 idle, 1 scene open, 2 scene closed, 3 back buffer open.
    int GetFrameState() const { return frame_state_; }

    // 1 when mode already was current; modes above 5 are ignored. Otherwise 0.
    int SetBlendMode(int mode);
    int GetBlendMode() const { return blend_mode_; }

    // The quad's own size, anchored at origin (ox, oy) of it, scaled, rotated by angle
    // (radians, clockwise on screen) about the anchor and placed at (x, y). sy 0 means sx.
    void DrawQuad(const WQUAD& q, float x, float y, float sx, float sy, float angle, int ox,
                  int oy);
    // Untextured, with the current blend mode.
    void DrawLine(float x1, float y1, float x2, float y2, uint32_t colour);
    void DrawRect(float x1, float y1, float x2, float y2, uint32_t outline_colour,
                  uint32_t fill_colour);
    // Every alive particle as a point sprite, in batches of kPointBatch.
    void DrawPoints(const WPOINT_EMITTER& emitter);

    // Linear (smooth) or nearest filtering; smooth is forced on while letter-boxed.
    void SetFiltering(bool smooth);
    void SetupTransforms();
    // The current world, view and projection (world holds the letter-box scale and offset).
    const WCAMERA& GetCamera() const { return camera_; }
    void Scale(float sx, float sy, bool accumulate);
    void Translate(float tx, float ty, float tz);

    // Desktop modes with width >= height, as (width, height).
    void EnumerateModes(std::vector<std::pair<int, int>>& modes);
    WTEXTURE* GetSceneTexture() { return &scene_texture_; }

    // --- Textures. Failed loads give the default texture.

    // Null when the size is not 1..kMaxTextureSize. Texels start transparent black.
    WTEXTURE* CreateTexture(int width, int height);
    // A regular file of at most platform::kMaxImageFileBytes, fitted into box_width x
    // box_height.
    WTEXTURE* LoadTextureFile(const std::string& path, int box_width = kMaxPictureWidth,
                              int box_height = kMaxPictureHeight);
    // PNG or JPEG bytes.
    WTEXTURE* LoadTextureFromMemory(const void* bytes, size_t size);
    // PNG or JPEG bytes. size_from_header: the last image size follows the image header even
    // when decoding fails (as a pack member's load does).
    WTEXTURE* LoadTextureBytes(const void* bytes, size_t size, bool size_from_header,
                               int box_width = kMaxPictureWidth,
                               int box_height = kMaxPictureHeight);
    WTEXTURE* GetDefaultTexture() { return &default_texture_; }
    int GetTextureWidth(const WTEXTURE* t) const;
    int GetTextureHeight(const WTEXTURE* t) const;
    void GetTextureSize(const WTEXTURE* t, int& width, int& height) const;
    // 0, or -1 for the default texture (which stays alive), the scene texture and null.
    int ReleaseTexture(WTEXTURE* t);
    // The texels (width * height ARGB, row-major), null for null or the scene texture.
    uint32_t* LockTexture(WTEXTURE* t);
    // The texels reach the GPU at the texture's next draw (on the thread owning the context).
    void UnlockTexture(WTEXTURE* t);

    // --- State read by the frame and the window.

    void SetClearColor(uint32_t argb) { clear_colour_ = argb; }
    uint32_t GetClearColor() const { return clear_colour_; }
    int GetImageWidth() const { return image_width_; }
    int GetImageHeight() const { return image_height_; }
    // The logical size, or the back-buffer size while none is set.
    int GetLogicalWidth() const { return logical_width_ != 0 ? logical_width_ : bb_width_; }
    int GetLogicalHeight() const { return logical_height_ != 0 ? logical_height_ : bb_height_; }
    int GetBackBufferWidth() const { return bb_width_; }
    int GetBackBufferHeight() const { return bb_height_; }
    bool IsFullScreen() const { return full_screen_; }
    int GetOffsetX() const { return offset_x_; }
    int GetOffsetY() const { return offset_y_; }
    float GetScaleX() const { return scale_x_; }
    float GetScaleY() const { return scale_y_; }
    int GetScaledWidth() const { return scaled_width_; }
    int GetScaledHeight() const { return scaled_height_; }

    // The picture on the open back buffer (between BeginBackBuffer and Present: the window
    // may drop it once it is shown) as opaque ARGB rows, top row first. False with no device
    // or no open back buffer.
    bool ReadBackBuffer(std::vector<uint32_t>& argb, int& width, int& height);

    // Frames nobody sees: while on, frames still go through their states and their draws are
    // still recorded on request, but nothing reaches the GPU. A headless tool fast-forwards
    // this way to the one frame it shows.
    void SetFramesUnseen(bool unseen) { frames_unseen_ = unseen; }

    // --- The draw recorder. On with no device; tests may turn it on with one.

    void SetRecording(bool on) { recording_ = on; }
    bool IsRecording() const { return recording_ || gpu_ == nullptr; }
    const std::vector<WRECORDED_DRAW>& GetRecordedDraws() const { return recorded_; }
    void ClearRecordedDraws() { recorded_.clear(); }
    // GPU draw calls since the device was made (tests count batches with it).
    int GetGpuDrawCalls() const;

  private:
    void Record(const WRECORDED_DRAW& draw);
    // A device that draws the frames: there is one and they are seen.
    bool Drawing() const { return gpu_ != nullptr && !frames_unseen_; }
    bool CanDraw() const { return Drawing() && (frame_state_ == 1 || frame_state_ == 3); }
    void ApplyTransforms();
    // Uploads changed texels (on the drawing thread, which owns the GL context) and binds.
    void BindTexture(WTEXTURE* t);
    // GPU copies of released textures are deleted at the next frame, on the drawing thread.
    void DeleteReleasedTextures();

    std::unique_ptr<platform::GpuDevice> gpu_;
    int multisample_ = 0;
    int blend_mode_ = 8;       // no mode has it: the first SetBlendMode always applies
    bool colour_add_ = false;  // stage colour operation: texture + diffuse instead of ×
    int frame_state_ = 0;
    uint32_t clear_colour_ = 0;
    int image_width_ = 0;
    int image_height_ = 0;
    WTEXTURE default_texture_;
    WTEXTURE scene_texture_;
    int logical_width_ = 0;
    int logical_height_ = 0;
    int offset_x_ = 0;
    int offset_y_ = 0;
    float scale_x_ = 1.0f;
    float scale_y_ = 1.0f;
    int scaled_width_ = 0;
    int scaled_height_ = 0;
    int bb_width_ = 0;
    int bb_height_ = 0;
    bool full_screen_ = false;
    bool smooth_ = false;  // nearest filtering until the game asks for smooth
    WCAMERA camera_;
    bool recording_ = false;
    bool frames_unseen_ = false;
    std::vector<WRECORDED_DRAW> recorded_;
    std::mutex released_lock_;
    std::vector<unsigned int> released_handles_;
};

// Writes colour into every texel of t and uploads it.
void FillTexture(uint32_t colour, WTEXTURE* t);
