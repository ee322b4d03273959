// WRENDER: the frame states, the letter-box transform, blend modes, the draw operations and the
// frame's signature.
#include "engine/render/render_device.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include "engine/platform/platform.h"
#include "engine/render/deferred_gpu_device.h"

namespace {

// The blend modes 0..5. Mode 4 keeps the colour operation of the mode before it.
platform::GpuBlendState BlendStateOf(int mode, bool current_colour_add) {
    platform::GpuBlendState s;
    s.blending = mode != 0;
    s.additive = mode == 2 || mode == 3 || mode == 5;
    s.colour_add = mode == 3 || (mode == 4 && current_colour_add);
    s.point_sprites = mode == 4 || mode == 5;
    return s;
}

platform::GpuVertex Vertex(float x, float y, float z, uint32_t colour, float u, float v) {
    return platform::GpuVertex{x, y, z, colour, u, v};
}

// What kind of draw the words after it in a signature come from, so that no two different
// sequences of draws read the same.
enum SignedDraw : uint32_t { kSignedQuad = 1, kSignedLine, kSignedRect, kSignedPoints };

void ToRowMajorArray(const WMATRIX& m, float out[16]) {
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) {
            out[i * 4 + j] = m.m[i][j];
        }
    }
}

}  // namespace

WRENDER::WRENDER() {
    default_texture_.width = kDefaultTextureSize;
    default_texture_.height = kDefaultTextureSize;
    default_texture_.texels.assign(kDefaultTextureSize * kDefaultTextureSize, 0xFFFFFFFF);
    scene_texture_.render_target = true;
    layer_texture_.render_target = true;
    camera_.Setup(bb_width_, bb_height_);
}

WRENDER::~WRENDER() = default;

void WRENDER::SetMultisample(int mode) {
    if (mode == 0 || mode == 1) {
        multisample_ = mode;
    }
}

int WRENDER::Create(void* window) {
    std::unique_ptr<platform::GpuDevice> device = platform::GpuDevice::Create(window);
    if (device == nullptr) {
        return -2;
    }
    gpu_ = std::make_unique<DeferredGpuDevice>(std::move(device));
    force_next_frame_ = true;
    int width = 0;
    int height = 0;
    platform::WindowSize(window, width, height);
    bb_width_ = std::max(width, 1);
    bb_height_ = std::max(height, 1);
    full_screen_ = false;
    scene_texture_.width = bb_width_;
    scene_texture_.height = bb_height_;
    layer_texture_.width = bb_width_;
    layer_texture_.height = bb_height_;
    layer_held_ = false;
    gpu_->ResizeTargets(bb_width_, bb_height_, multisample_ == 1 ? 4 : 0);
    gpu_->SetFiltering(smooth_);
    SetupTransforms();
    blend_mode_ = 8;
    frame_state_ = 0;
    return 0;
}

void WRENDER::ResetMode(int width, int height, bool full_screen) {
    if (width <= 0 || height <= 0) {
        return;
    }
    if (width == bb_width_ && height == bb_height_ && full_screen == full_screen_) {
        return;
    }
    bb_width_ = width;
    bb_height_ = height;
    full_screen_ = full_screen;
    force_next_frame_ = true;
    scene_texture_.width = width;
    scene_texture_.height = height;
    layer_texture_.width = width;
    layer_texture_.height = height;
    layer_held_ = false;
    if (gpu_ != nullptr) {
        gpu_->ResizeTargets(width, height, multisample_ == 1 ? 4 : 0);
    }
    SetupTransforms();
}

void WRENDER::SetLogicalSize(int width, int height) {
    // A missing logical size (0, or nonsense) means the picture is the back buffer itself.
    if (width <= 0 || height <= 0) {
        width = 0;
        height = 0;
    }
    // The back-buffer pass sets the same size again to restore the transforms.
    if (width != logical_width_ || height != logical_height_) {
        force_next_frame_ = true;
    }
    logical_width_ = width;
    logical_height_ = height;
    float sx = 1.0f;
    float sy = 1.0f;
    if (width > 0) {
        sx = 1.0f + float(bb_width_ - width) / float(width);
        sy = 1.0f + float(bb_height_ - height) / float(height);
    }
    if (sx != 1.0f || sy != 1.0f) {
        float s = sy < sx ? sy : sx;
        sx = s;
        sy = s;
    }
    scale_x_ = sx;
    scale_y_ = sy;
    scaled_width_ = width > 0 ? int(float(width) * sx) : bb_width_;
    scaled_height_ = height > 0 ? int(float(height) * sy) : bb_height_;
    offset_x_ = int(unsigned(std::max(bb_width_ - scaled_width_, 0)) >> 1);
    offset_y_ = int(unsigned(std::max(bb_height_ - scaled_height_, 0)) >> 1);
    SetupTransforms();
    if (sx != 1.0f || sy != 1.0f) {
        Scale(sx, sy, true);
    }
    if (offset_x_ != 0 || offset_y_ != 0) {
        Translate(float(offset_x_), -float(offset_y_), 0.0f);
    }
}

int WRENDER::BeginFrame() {
    if (frame_state_ != 0) {
        return -1;
    }
    if (gpu_ != nullptr) {
        DeleteReleasedTextures();
    }
    if (Drawing()) {
        gpu_->Hold();
        gpu_->BeginTarget(platform::GpuTarget::kScene, clear_colour_);
    }
    frame_state_ = 1;
    signature_.Reset();
    signature_.Add(uint32_t(bb_width_), uint32_t(bb_height_));
    signature_.Add(clear_colour_, smooth_ ? 1u : 0u);
    SignTransforms();
    scene_draws_ = 0;
    return 0;
}

int WRENDER::EndScene() {
    if (frame_state_ != 1) {
        return -1;
    }
    frame_state_ = 2;
    return 0;
}

int WRENDER::BeginBackBuffer() {
    if (frame_state_ != 2) {
        return -1;
    }
    frame_state_ = 3;
    // The same draw into the scene or onto the back buffer looks different.
    signature_.Add(uint64_t(frame_state_));
    // Also without a device: the overlay starts in the mode the scene copy leaves behind.
    SetBlendMode(1);
    if (Drawing()) {
        gpu_->BeginTarget(platform::GpuTarget::kBackBuffer, clear_colour_);
        float w = float(bb_width_);
        float h = float(bb_height_);
        platform::GpuVertex v[4] = {
            Vertex(0.0f, 0.0f, 0.0f, 0xFFFFFFFF, 0.0f, 0.0f),
            Vertex(0.0f, h, 0.0f, 0xFFFFFFFF, 0.0f, 1.0f),
            Vertex(w, h, 0.0f, 0xFFFFFFFF, 1.0f, 1.0f),
            Vertex(w, 0.0f, 0.0f, 0xFFFFFFFF, 1.0f, 0.0f),
        };
        gpu_->BindSceneTexture();
        SetupTransforms();
        gpu_->DrawQuad(v);
    }
    SetLogicalSize(logical_width_, logical_height_);
    return 0;
}

int WRENDER::Present() {
    if (frame_state_ != 3) {
        return -1;
    }
    frame_state_ = 0;
    const bool same =
        !force_next_frame_ && !read_back_ && signature_.Value() == presented_signature_;
    read_back_ = false;
    if (frames_unseen_) {
        return 0;
    }
    if (same) {
        if (gpu_ != nullptr) {
            gpu_->Drop();
        }
        return 0;
    }
    if (gpu_ != nullptr) {
        gpu_->Present();
    }
    presented_signature_ = signature_.Value();
    force_next_frame_ = false;
    ++presented_frames_;
    return 0;
}

int WRENDER::SetBlendMode(int mode) {
    if (mode == blend_mode_) {
        return 1;
    }
    if (mode < 0 || mode > 5) {
        return 0;
    }
    platform::GpuBlendState state = BlendStateOf(mode, colour_add_);
    blend_mode_ = mode;
    colour_add_ = state.colour_add;
    if (gpu_ != nullptr) {
        gpu_->SetBlendState(state);
    }
    return 0;
}

void WRENDER::RestoreDrawState(int blend_mode, bool colour_add, bool smooth) {
    blend_mode_ = blend_mode;
    colour_add_ = colour_add;
    if (gpu_ != nullptr && blend_mode >= 0 && blend_mode <= 5) {
        gpu_->SetBlendState(BlendStateOf(blend_mode, colour_add));
    }
    smooth_ = smooth;
    if (gpu_ != nullptr) {
        gpu_->SetFiltering(smooth);
    }
}

void WRENDER::DrawQuad(const WQUAD& q, float x, float y, float sx, float sy, float angle, int ox,
                       int oy) {
    int depth = std::clamp(q.depth, 0, 100);
    float z = float(depth) / 100.0f;
    float w = q.corners[3].x - q.corners[0].x;
    float h = q.corners[1].y - q.corners[0].y;
    if (sy == 0.0f) {
        sy = sx;
    }
    float left = -float(ox) * sx;
    float top = -float(oy) * sy;
    float right = (w - float(ox)) * sx;
    float bottom = (h - float(oy)) * sy;
    float px[4] = {left, left, right, right};
    float py[4] = {top, bottom, bottom, top};
    if (angle != 0.0f) {
        float c = std::cos(angle);
        float s = std::sin(angle);
        for (int i = 0; i < 4; ++i) {
            float rx = px[i] * c - py[i] * s;
            float ry = px[i] * s + py[i] * c;
            px[i] = rx;
            py[i] = ry;
        }
    }
    platform::GpuVertex v[4];
    for (int i = 0; i < 4; ++i) {
        v[i] = Vertex(px[i] + x, py[i] + y, z, q.colour, q.corners[i].u, q.corners[i].v);
    }
    if (CanDraw()) {
        BindTexture(q.texture);
    }
    SetBlendMode(q.blend);
    NoteDraw(q.texture, v, 4);
    if (CanDraw()) {
        gpu_->DrawQuad(v);
    }
    if (InFrame()) {
        signature_.Add(kSignedQuad, uint32_t(depth));
        SignTexture(q.texture);
        SignBlend();
        for (const platform::GpuVertex& corner : v) {
            signature_.Add(corner.x, corner.y);
            signature_.Add(corner.u, corner.v);
        }
        signature_.Add(q.colour, 0u);
    }
    if (IsRecording()) {
        WRECORDED_DRAW d;
        d.kind = WRECORDED_DRAW::kQuad;
        d.texture = q.texture;
        for (int i = 0; i < 4; ++i) {
            d.corners[i] = WQUAD_CORNER{v[i].x, v[i].y, v[i].u, v[i].v};
        }
        d.colour = q.colour;
        d.depth = depth;
        d.x = x;
        d.y = y;
        d.sx = sx;
        d.sy = sy;
        d.angle = angle;
        d.ox = ox;
        d.oy = oy;
        Record(d);
    }
}

void WRENDER::DrawLine(float x1, float y1, float x2, float y2, uint32_t colour) {
    const platform::GpuVertex v[2] = {Vertex(x1, y1, 1.0f, colour, 0.0f, 0.0f),
                                      Vertex(x2, y2, 1.0f, colour, 0.0f, 0.0f)};
    NoteDraw(nullptr, v, 2);
    if (CanDraw()) {
        gpu_->BindNoTexture();
        gpu_->DrawLines(v, 2);
    }
    if (InFrame()) {
        signature_.Add(kSignedLine, colour);
        SignBlend();
        signature_.Add(x1, y1);
        signature_.Add(x2, y2);
    }
    if (IsRecording()) {
        WRECORDED_DRAW d;
        d.kind = WRECORDED_DRAW::kLine;
        d.corners[0] = WQUAD_CORNER{x1, y1, 0.0f, 0.0f};
        d.corners[1] = WQUAD_CORNER{x2, y2, 0.0f, 0.0f};
        d.colour = colour;
        d.depth = 100;
        Record(d);
    }
}

void WRENDER::DrawRect(float x1, float y1, float x2, float y2, uint32_t outline_colour,
                       uint32_t fill_colour) {
    const float xs[4] = {x1, x1, x2, x2};
    const float ys[4] = {y1, y2, y2, y1};
    const platform::GpuVertex rect[2] = {Vertex(x1, y1, 1.0f, outline_colour, 0.0f, 0.0f),
                                         Vertex(x2, y2, 1.0f, fill_colour, 0.0f, 0.0f)};
    NoteDraw(nullptr, rect, 2);
    if (CanDraw()) {
        platform::GpuVertex fill[4];
        for (int i = 0; i < 4; ++i) {
            fill[i] = Vertex(xs[i], ys[i], 1.0f, fill_colour, 0.0f, 0.0f);
        }
        gpu_->BindNoTexture();
        gpu_->DrawQuad(fill);
        // Left, top, bottom, right.
        const int ends[4][2] = {{0, 1}, {0, 3}, {1, 2}, {3, 2}};
        platform::GpuVertex edges[8];
        for (int e = 0; e < 4; ++e) {
            for (int k = 0; k < 2; ++k) {
                int i = ends[e][k];
                edges[e * 2 + k] = Vertex(xs[i], ys[i], 1.0f, outline_colour, 0.0f, 0.0f);
            }
        }
        gpu_->DrawLines(edges, 8);
    }
    if (InFrame()) {
        signature_.Add(kSignedRect, 0u);
        SignBlend();
        signature_.Add(outline_colour, fill_colour);
        signature_.Add(x1, y1);
        signature_.Add(x2, y2);
    }
    if (IsRecording()) {
        WRECORDED_DRAW d;
        d.kind = WRECORDED_DRAW::kRect;
        for (int i = 0; i < 4; ++i) {
            d.corners[i] = WQUAD_CORNER{xs[i], ys[i], 0.0f, 0.0f};
        }
        d.colour = fill_colour;
        d.outline_colour = outline_colour;
        d.depth = 100;
        Record(d);
    }
}

void WRENDER::DrawPoints(const WPOINT_EMITTER& emitter) {
    if (emitter.head == nullptr) {
        return;
    }
    float size = emitter.point_size * float(emitter.multiplier);
    if (CanDraw()) {
        BindTexture(emitter.texture);
    }
    SetBlendMode(emitter.blend);
    const bool in_frame = InFrame();
    if (in_frame) {
        signature_.Add(kSignedPoints, 0u);
        SignTexture(emitter.texture);
        SignBlend();
        signature_.Add(size, 0.0f);
    }
    platform::GpuPointVertex batch[kPointBatch];
    int in_batch = 0;
    int alive = 0;
    for (const WPOINT_PARTICLE* p = emitter.head; p != nullptr; p = p->next) {
        if (!p->alive) {
            continue;
        }
        ++alive;
        batch[in_batch++] = platform::GpuPointVertex{p->x, p->y, p->z, p->colour};
        if (in_frame) {
            signature_.Add(p->x, p->y);
            signature_.Add(std::bit_cast<uint32_t>(p->z), p->colour);
        }
        if (in_batch == kPointBatch) {
            NotePoints(emitter.texture, batch, in_batch);
            if (CanDraw()) {
                gpu_->DrawPoints(batch, in_batch, size);
            }
            in_batch = 0;
        }
    }
    if (in_batch > 0) {
        NotePoints(emitter.texture, batch, in_batch);
        if (CanDraw()) {
            gpu_->DrawPoints(batch, in_batch, size);
        }
    }
    if (IsRecording()) {
        WRECORDED_DRAW d;
        d.kind = WRECORDED_DRAW::kPoints;
        d.texture = emitter.texture;
        d.point_count = alive;
        d.point_size = size;
        Record(d);
    }
}

void WRENDER::SetFiltering(bool smooth) {
    if (GetLogicalWidth() != bb_width_ && GetLogicalHeight() != bb_height_) {
        smooth = true;
    }
    smooth_ = smooth;
    if (gpu_ != nullptr) {
        gpu_->SetFiltering(smooth);
    }
    if (frame_state_ != 0) {
        signature_.Add(uint64_t(smooth));
    }
}

void WRENDER::SetupTransforms() {
    camera_.Setup(bb_width_, bb_height_);
    ApplyTransforms();
}

void WRENDER::Scale(float sx, float sy, bool accumulate) {
    if (!accumulate) {
        SetupTransforms();
    }
    camera_.world = camera_.world * WMATRIX::Scaling(sx, sy, 1.0f);
    ApplyTransforms();
}

void WRENDER::Translate(float tx, float ty, float tz) {
    camera_.world = camera_.world * WMATRIX::Translation(tx, ty, tz);
    ApplyTransforms();
}

void WRENDER::ApplyTransforms() {
    if (frame_state_ != 0) {
        SignTransforms();
    }
    if (gpu_ == nullptr) {
        return;
    }
    float world_view[16];
    float projection[16];
    ToRowMajorArray(camera_.world * camera_.view, world_view);
    ToRowMajorArray(camera_.projection, projection);
    gpu_->SetTransforms(world_view, projection);
}

void WRENDER::EnumerateModes(std::vector<std::pair<int, int>>& modes) {
    modes.clear();
    std::vector<platform::DisplayMode> all = platform::DisplayModes();
    auto keep = [&](bool sixty_only) {
        for (const platform::DisplayMode& m : all) {
            bool rate_ok = !sixty_only || m.refresh_hz == 60 || m.refresh_hz == 0;
            std::pair<int, int> size{m.width, m.height};
            if (m.width >= m.height && rate_ok &&
                std::find(modes.begin(), modes.end(), size) == modes.end()) {
                modes.push_back(size);
            }
        }
    };
    keep(true);
    // A display without any 60 Hz mode still offers its sizes.
    if (modes.empty()) {
        keep(false);
    }
}

bool WRENDER::ReadBackBuffer(std::vector<uint32_t>& argb, int& width, int& height) {
    if (gpu_ == nullptr || frame_state_ != 3) {
        return false;
    }
    read_back_ = true;
    gpu_->ReadBackBuffer(argb, width, height);
    return true;
}

int WRENDER::GetGpuDrawCalls() const {
    return gpu_ != nullptr ? gpu_->DrawCalls() : 0;
}

void WRENDER::Record(const WRECORDED_DRAW& draw) {
    // The second pass of a layer repeats draws the recorder has seen.
    if (layer_pass_ == LayerPass::kRedraw) {
        return;
    }
    recorded_.push_back(draw);
    recorded_.back().blend = blend_mode_;
    recorded_.back().frame_state = frame_state_;
    recorded_.back().in_layer = layer_pass_ == LayerPass::kSignature;
}

void WRENDER::SignBlend() {
    signature_.Add(uint32_t(blend_mode_), colour_add_ ? 1u : 0u);
}

void WRENDER::SignTexture(const WTEXTURE* t) {
    if (t == nullptr) {
        signature_.Add(uint64_t(0));
        return;
    }
    signature_.Add(t->identity);
    signature_.Add(t->version);
}

void WRENDER::SignTransforms() {
    for (const WMATRIX* m : {&camera_.world, &camera_.view, &camera_.projection}) {
        for (const auto& row : m->m) {
            signature_.Add(row[0], row[1]);
            signature_.Add(row[2], row[3]);
        }
    }
}
