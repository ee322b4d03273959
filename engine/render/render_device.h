// WRENDER: the 2D render device: two-pass frame, letter-boxing, blend modes, quads, lines,
// rectangles, point sprites and textures; records every draw when there is no GPU device, and
// shows no frame again that would look like the one on screen.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "engine/platform/image_decoder.h"
#include "engine/render/camera.h"
#include "engine/render/frame_signature.h"
#include "engine/render/point_emitter.h"
#include "engine/render/texture.h"

class DeferredGpuDevice;
namespace platform {
class GpuDevice;
struct GpuVertex;
struct GpuPointVertex;
}  // namespace platform

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
    // Drawn into the cached layer (see WRENDER::DrawCachedLayer), not straight into the scene.
    bool in_layer = false;
};

class WRENDER {
  public:
    static constexpr int kPointBatch = 500;
    static constexpr int kDefaultTextureSize = 8;
    // Larger images are refused (the default texture is returned).
    static constexpr int kMaxTextureSize = platform::kMaxImageSide;
    // A loaded image larger than this comes out scaled down to fit it, keeping its proportions:
    // the largest picture of the largest picture tier (the one for 1920 x 1080 screens), so
    // nothing is lost that a piece could show at one texel per pixel, and a player's 8192 x 8192
    // photo costs no more to cut than a catalogue picture.
    static constexpr int kMaxPictureWidth = 1312;
    static constexpr int kMaxPictureHeight = 940;

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
    // With a device, the frame's GPU work waits for Present.
    int BeginFrame();
    int EndScene();
    int BeginBackBuffer();
    // Shows the frame, unless it draws just what the last one shown drew (its signature is the
    // same) and no forced frame is pending: then its GPU work is dropped. 0, or -1 out of order.
    int Present();
    // The next frame is shown whatever it draws: the window lost its picture or its size, or
    // the player did something.
    void ForceNextFrame() { force_next_frame_ = true; }
    // Frames shown so far; without a device, the frames that would have been.
    int GetPresentedFrames() const { return presented_frames_; }
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
    // Over texels (width * height ARGB) that the caller holds and keeps alive, not copied.
    // Null when the size is not 1..kMaxTextureSize or texels is null.
    WTEXTURE* CreateTextureOver(int width, int height, uint32_t* texels);
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
    // The texels (width * height ARGB, row-major), null for null, the scene texture and a
    // texture whose texels were dropped after their upload.
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

    // --- The cached layer: the part of a scene that changes seldom, kept on the GPU.

    // Draws what contents() draws as the first thing in the open scene, through an off-screen
    // layer of the scene's size that is drawn again only when, and only where, those draws
    // differ from the ones it holds (each draw's texture and version, corners, uv, colour, blend
    // mode and filtering; the scene's size, transforms and clear colour). contents() runs once to
    // find that out and once more when the layer is redrawn; the recorder sees its draws once,
    // marked in_layer, followed by the layer's own quad over the logical screen. When something was
    // drawn into the scene before, outside the scene pass, or with caching off, contents() simply
    // draws.
    void DrawCachedLayer(const std::function<void()>& contents);
    // On by default; off draws every frame's layer contents straight into the scene.
    void SetLayerCaching(bool on) { layer_caching_ = on; }
    WTEXTURE* GetLayerTexture() { return &layer_texture_; }
    // How often the layer, or a part of it, was drawn on the GPU so far.
    int GetLayerRedraws() const { return layer_redraws_; }

    // --- The draw recorder. On with no device; tests may turn it on with one.

    void SetRecording(bool on) { recording_ = on; }
    bool IsRecording() const { return recording_ || gpu_ == nullptr; }
    const std::vector<WRECORDED_DRAW>& GetRecordedDraws() const { return recorded_; }
    void ClearRecordedDraws() { recorded_.clear(); }
    // GPU draw calls since the device was made (tests count batches with it).
    int GetGpuDrawCalls() const;

  private:
    void Record(const WRECORDED_DRAW& draw);
    // True while draws go into an open target, which is when they are part of the picture.
    bool InFrame() const { return frame_state_ == 1 || frame_state_ == 3; }
    // The blend state a draw is made in, into the signature.
    void SignBlend();
    void SignTexture(const WTEXTURE* t);
    void SignTransforms();
    // A device that draws the frames: there is one and they are seen.
    bool Drawing() const { return gpu_ != nullptr && !frames_unseen_; }
    bool CanDraw() const {
        return Drawing() && InFrame() && layer_pass_ != LayerPass::kSignature;
    }
    // The blend mode, its colour operation and the filtering as they were, on the device too.
    void RestoreDrawState(int blend_mode, bool colour_add, bool smooth);
    // Every draw passes here: it counts the scene's draws and signs the layer's, with the
    // back-buffer pixels they may touch.
    void NoteDraw(const WTEXTURE* texture, const platform::GpuVertex* vertices, int count);
    // Point sprites may touch any pixel of the layer.
    void NotePoints(const WTEXTURE* texture, const platform::GpuPointVertex* points, int count);
    void ApplyTransforms();
    // Uploads changed texels (on the drawing thread, which owns the GL context) and binds.
    void BindTexture(WTEXTURE* t);
    // GPU copies of released textures are deleted at the next frame, on the drawing thread.
    void DeleteReleasedTextures();

    std::unique_ptr<DeferredGpuDevice> gpu_;
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
    FRAME_SIGNATURE signature_;
    uint64_t presented_signature_ = 0;
    bool force_next_frame_ = true;
    bool read_back_ = false;  // the open frame was drawn for reading, so it is shown too
    int presented_frames_ = 0;
    std::vector<WRECORDED_DRAW> recorded_;
    // The cached layer: the first pass of its contents only signs them, the second draws them.
    enum class LayerPass { kNone, kSignature, kRedraw };
    LayerPass layer_pass_ = LayerPass::kNone;
    bool layer_caching_ = true;
    int scene_draws_ = 0;  // since the scene was begun
    // One draw into the layer: its signature and the back-buffer pixels it may touch.
    struct LAYER_DRAW {
        uint64_t signature = 0;
        float left = 0.0f, top = 0.0f, right = 0.0f, bottom = 0.0f;
        bool operator==(const LAYER_DRAW&) const = default;
    };
    // Walks the layer's draws against the ones it holds, in order, telling the ones of either
    // list that find no equal partner.
    void MatchLayerDraws(const std::function<void(const LAYER_DRAW&)>& unmatched) const;
    WMATRIX layer_transform_;          // world × view × projection while signing
    uint64_t layer_base_ = 0;          // what every draw depends on: size, transforms, state
    std::vector<LAYER_DRAW> signing_;  // the draws of this frame's layer
    std::vector<LAYER_DRAW> held_;     // the draws of the picture the layer holds
    uint64_t held_base_ = 0;
    bool layer_held_ = false;  // the layer holds a picture
    int layer_redraws_ = 0;
    WTEXTURE layer_texture_;
    std::mutex released_lock_;
    std::vector<unsigned int> released_handles_;
};

// Writes colour into every texel of t and uploads it.
void FillTexture(uint32_t colour, WTEXTURE* t);
