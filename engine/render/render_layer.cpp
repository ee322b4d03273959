// WRENDER's cached layer: its draws signed, and drawn on the GPU again only where they change.
#include <algorithm>
#include <cmath>
#include <cstddef>

#include "engine/platform/gpu_device.h"
#include "engine/render/deferred_gpu_device.h"
#include "engine/render/render_device.h"

namespace {

// FNV-1a: the signature only has to tell two draws apart.
constexpr uint64_t kSignatureBasis = 14695981039346656037ull;
constexpr uint64_t kSignaturePrime = 1099511628211ull;
// Back-buffer pixels around a draw's corners that rasterising and filtering may still touch.
constexpr float kDrawMargin = 2.0f;
constexpr float kEverywhere = 1e30f;

uint64_t Mix(uint64_t signature, const void* bytes, size_t size) {
    const auto* p = static_cast<const unsigned char*>(bytes);
    for (size_t i = 0; i < size; ++i) {
        signature = (signature ^ p[i]) * kSignaturePrime;
    }
    return signature;
}

template <typename T>
uint64_t MixValue(uint64_t signature, const T& value) {
    return Mix(signature, &value, sizeof(value));
}

// What a texture shows: which texture it is and how often it changed.
uint64_t MixTexture(uint64_t signature, const WTEXTURE* texture) {
    if (texture == nullptr) {
        return MixValue(signature, uint64_t(0));
    }
    return MixValue(MixValue(signature, texture->identity), texture->version);
}

}  // namespace

void WRENDER::NoteDraw(const WTEXTURE* texture, const platform::GpuVertex* vertices, int count) {
    if (frame_state_ == 1) {
        ++scene_draws_;
    }
    if (layer_pass_ != LayerPass::kSignature) {
        return;
    }
    LAYER_DRAW draw;
    uint64_t signature = MixTexture(kSignatureBasis, texture);
    signature = MixValue(signature, blend_mode_);
    signature = MixValue(signature, colour_add_);
    signature = MixValue(signature, smooth_);
    draw.signature = Mix(signature, vertices, size_t(count) * sizeof(vertices[0]));
    draw.left = draw.top = kEverywhere;
    draw.right = draw.bottom = -kEverywhere;
    const float w = float(bb_width_);
    const float h = float(bb_height_);
    for (int i = 0; i < count; ++i) {
        float clip[4];
        TransformPoint(layer_transform_, vertices[i].x, vertices[i].y, vertices[i].z, clip);
        if (clip[3] <= 0.0f) {
            draw.left = draw.top = -kEverywhere;
            draw.right = draw.bottom = kEverywhere;
            break;
        }
        const float x = (clip[0] / clip[3] + 1.0f) * 0.5f * w;
        const float y = (1.0f - clip[1] / clip[3]) * 0.5f * h;
        draw.left = std::min(draw.left, x - kDrawMargin);
        draw.right = std::max(draw.right, x + kDrawMargin);
        draw.top = std::min(draw.top, y - kDrawMargin);
        draw.bottom = std::max(draw.bottom, y + kDrawMargin);
    }
    signing_.push_back(draw);
}

void WRENDER::NotePoints(const WTEXTURE* texture, const platform::GpuPointVertex* points,
                         int count) {
    if (frame_state_ == 1) {
        ++scene_draws_;
    }
    if (layer_pass_ != LayerPass::kSignature) {
        return;
    }
    uint64_t signature = MixTexture(kSignatureBasis, texture);
    signature = MixValue(signature, blend_mode_);
    signature = MixValue(signature, colour_add_);
    signature = Mix(signature, points, size_t(count) * sizeof(points[0]));
    signing_.push_back(LAYER_DRAW{signature, -kEverywhere, -kEverywhere, kEverywhere, kEverywhere});
}

void WRENDER::MatchLayerDraws(const std::function<void(const LAYER_DRAW&)>& unmatched) const {
    // A draw that was taken out, put in or changed shows as a short run of unmatched draws; a
    // run longer than the search is taken as changed as a whole.
    constexpr size_t kSearch = 64;
    size_t i = 0;
    size_t j = 0;
    while (i < signing_.size() && j < held_.size()) {
        if (signing_[i] == held_[j]) {
            ++i;
            ++j;
            continue;
        }
        size_t found = j + 1;
        while (found < held_.size() && found - j <= kSearch && !(held_[found] == signing_[i])) {
            ++found;
        }
        if (found < held_.size() && found - j <= kSearch) {
            for (; j < found; ++j) {
                unmatched(held_[j]);
            }
        } else {
            unmatched(signing_[i]);
            ++i;
        }
    }
    for (; i < signing_.size(); ++i) {
        unmatched(signing_[i]);
    }
    for (; j < held_.size(); ++j) {
        unmatched(held_[j]);
    }
}

void WRENDER::DrawCachedLayer(const std::function<void()>& contents) {
    // The layer replaces the whole scene: whatever was drawn before it would be lost.
    if (!layer_caching_ || frame_state_ != 1 || scene_draws_ > 0 ||
        layer_pass_ != LayerPass::kNone) {
        contents();
        return;
    }
    const int blend_before = blend_mode_;
    const bool colour_add_before = colour_add_;
    const bool smooth_before = smooth_;
    uint64_t base = MixValue(kSignatureBasis, bb_width_);
    base = MixValue(base, bb_height_);
    base = MixValue(base, clear_colour_);
    base = MixValue(base, camera_);
    base = MixValue(base, blend_before);
    base = MixValue(base, colour_add_before);
    layer_base_ = MixValue(base, smooth_before);
    layer_transform_ = camera_.world * camera_.view * camera_.projection;
    signing_.clear();
    layer_pass_ = LayerPass::kSignature;
    contents();
    layer_pass_ = LayerPass::kNone;

    if (Drawing()) {
        // A pixel that no unmatched draw covers keeps its colour: the draws over it are the
        // same, in the same order, in both lists.
        float left = 0.0f, top = 0.0f;
        float right = float(bb_width_), bottom = float(bb_height_);
        bool changed = true;
        if (layer_held_ && held_base_ == layer_base_) {
            left = top = kEverywhere;
            right = bottom = -kEverywhere;
            auto take = [&](const LAYER_DRAW& draw) {
                left = std::min(left, draw.left);
                top = std::min(top, draw.top);
                right = std::max(right, draw.right);
                bottom = std::max(bottom, draw.bottom);
            };
            MatchLayerDraws(take);
            changed = left < right && top < bottom;
        }
        if (changed) {
            auto pixel = [](float v, int size) { return int(std::clamp(v, 0.0f, float(size))); };
            // The second pass starts from the state the first one did, so each draw meets the
            // same blend mode and filtering.
            RestoreDrawState(blend_before, colour_add_before, smooth_before);
            gpu_->BeginLayer(pixel(std::floor(left), bb_width_), pixel(std::floor(top), bb_height_),
                             pixel(std::ceil(right), bb_width_),
                             pixel(std::ceil(bottom), bb_height_), clear_colour_);
            layer_pass_ = LayerPass::kRedraw;
            contents();
            layer_pass_ = LayerPass::kNone;
            gpu_->ResumeScene();
            held_.swap(signing_);
            held_base_ = layer_base_;
            layer_held_ = true;
            layer_texture_.MarkChanged();
            ++layer_redraws_;
        }
        gpu_->CopyLayerToScene();
    }
    ++scene_draws_;
    if (IsRecording()) {
        const float w = float(GetLogicalWidth());
        const float h = float(GetLogicalHeight());
        WRECORDED_DRAW d;
        d.kind = WRECORDED_DRAW::kQuad;
        d.texture = &layer_texture_;
        d.corners[0] = WQUAD_CORNER{0.0f, 0.0f, 0.0f, 0.0f};
        d.corners[1] = WQUAD_CORNER{0.0f, h, 0.0f, 1.0f};
        d.corners[2] = WQUAD_CORNER{w, h, 1.0f, 1.0f};
        d.corners[3] = WQUAD_CORNER{w, 0.0f, 1.0f, 0.0f};
        d.colour = 0xFFFFFFFF;
        Record(d);
        // A copy: no blending.
        recorded_.back().blend = 0;
    }
}
