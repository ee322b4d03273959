// WRENDER's cached layer: its draws signed, and drawn on the GPU again only when they change.
#include <cstddef>

#include "engine/platform/gpu_device.h"
#include "engine/render/render_device.h"

namespace {

// FNV-1a: the signature only has to tell two lists of draws apart.
constexpr uint64_t kSignatureBasis = 14695981039346656037ull;
constexpr uint64_t kSignaturePrime = 1099511628211ull;

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

}  // namespace

void WRENDER::NoteDraw(const WTEXTURE* texture, const void* vertices, size_t bytes) {
    if (frame_state_ == 1) {
        ++scene_draws_;
    }
    if (layer_pass_ != LayerPass::kSignature) {
        return;
    }
    uint64_t signature = MixValue(layer_signing_, texture);
    signature = MixValue(signature, texture != nullptr ? texture->version : 0);
    signature = MixValue(signature, blend_mode_);
    signature = MixValue(signature, colour_add_);
    signature = MixValue(signature, smooth_);
    layer_signing_ = Mix(signature, vertices, bytes);
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
    uint64_t signature = MixValue(kSignatureBasis, bb_width_);
    signature = MixValue(signature, bb_height_);
    signature = MixValue(signature, clear_colour_);
    signature = MixValue(signature, camera_);
    signature = MixValue(signature, blend_before);
    signature = MixValue(signature, colour_add_before);
    layer_signing_ = MixValue(signature, smooth_before);
    layer_pass_ = LayerPass::kSignature;
    contents();
    layer_pass_ = LayerPass::kNone;
    // 0 stands for an empty layer.
    signature = layer_signing_ | 1u;

    if (Drawing()) {
        if (signature != layer_signature_) {
            // The second pass starts from the state the first one did, so each draw meets the
            // same blend mode and filtering.
            RestoreDrawState(blend_before, colour_add_before, smooth_before);
            gpu_->BeginTarget(platform::GpuTarget::kLayer, clear_colour_);
            layer_pass_ = LayerPass::kRedraw;
            contents();
            layer_pass_ = LayerPass::kNone;
            gpu_->ResumeScene();
            layer_signature_ = signature;
            layer_texture_.version = NextTextureVersion();
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
