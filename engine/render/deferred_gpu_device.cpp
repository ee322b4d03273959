// DeferredGpuDevice: keeping a frame's commands and making or dropping them.
#include "engine/render/deferred_gpu_device.h"

#include <utility>

using platform::GpuBlendState;
using platform::GpuPointVertex;
using platform::GpuTarget;
using platform::GpuVertex;

DeferredGpuDevice::DeferredGpuDevice(std::unique_ptr<platform::GpuDevice> device)
    : device_(std::move(device)) {}

void DeferredGpuDevice::Hold() {
    holding_ = true;
}

void DeferredGpuDevice::Play() {
    holding_ = false;
    for (const Command& command : commands_) {
        Make(command);
    }
    Clear();
}

void DeferredGpuDevice::Drop() {
    holding_ = false;
    for (const Command& command : commands_) {
        // The setters only note the state for the next draw: no GPU work is done by them.
        if (command.op == Op::kTransforms || command.op == Op::kBlend ||
            command.op == Op::kFiltering) {
            Make(command);
        }
    }
    Clear();
}

void DeferredGpuDevice::Clear() {
    commands_.clear();
    vertices_.clear();
    points_.clear();
    matrices_.clear();
    blends_.clear();
}

void DeferredGpuDevice::Make(const Command& command) {
    switch (command.op) {
        case Op::kBeginScene:
            device_->BeginTarget(GpuTarget::kScene, command.value);
            break;
        case Op::kBeginBackBuffer:
            device_->BeginTarget(GpuTarget::kBackBuffer, command.value);
            break;
        case Op::kTransforms:
            device_->SetTransforms(&matrices_[command.first], &matrices_[command.first + 16]);
            break;
        case Op::kBlend:
            device_->SetBlendState(blends_[command.first]);
            break;
        case Op::kFiltering:
            device_->SetFiltering(command.value != 0);
            break;
        case Op::kBindTexture:
            device_->BindTexture(command.value);
            break;
        case Op::kBindScene:
            device_->BindSceneTexture();
            break;
        case Op::kBindLayer:
            device_->BindLayerTexture();
            break;
        case Op::kResumeScene:
            device_->ResumeScene();
            break;
        case Op::kCopyLayer:
            device_->CopyLayerToScene();
            break;
        case Op::kBindNone:
            device_->BindNoTexture();
            break;
        case Op::kQuad:
            device_->DrawQuad(&vertices_[command.first]);
            break;
        case Op::kLines:
            device_->DrawLines(&vertices_[command.first], command.count);
            break;
        case Op::kPoints:
            device_->DrawPoints(&points_[command.first], command.count, command.size);
            break;
    }
}

void DeferredGpuDevice::ResizeTargets(int width, int height, int samples) {
    device_->ResizeTargets(width, height, samples);
}

void DeferredGpuDevice::BeginTarget(GpuTarget target, uint32_t clear_argb) {
    if (!holding_) {
        device_->BeginTarget(target, clear_argb);
        return;
    }
    const Op op = target == GpuTarget::kScene ? Op::kBeginScene : Op::kBeginBackBuffer;
    commands_.push_back(Command{op, clear_argb});
}

void DeferredGpuDevice::BeginLayer(int left, int top, int right, int bottom,
                                   uint32_t clear_argb) {
    Play();
    device_->BeginLayer(left, top, right, bottom, clear_argb);
}

void DeferredGpuDevice::ResumeScene() {
    Keep(Op::kResumeScene, [&] { device_->ResumeScene(); });
}

void DeferredGpuDevice::CopyLayerToScene() {
    Keep(Op::kCopyLayer, [&] { device_->CopyLayerToScene(); });
}

void DeferredGpuDevice::SetTransforms(const float world_view[16], const float projection[16]) {
    if (!holding_) {
        device_->SetTransforms(world_view, projection);
        return;
    }
    commands_.push_back(Command{Op::kTransforms, 0, matrices_.size()});
    matrices_.insert(matrices_.end(), world_view, world_view + 16);
    matrices_.insert(matrices_.end(), projection, projection + 16);
}

void DeferredGpuDevice::SetBlendState(const GpuBlendState& state) {
    if (!holding_) {
        device_->SetBlendState(state);
        return;
    }
    commands_.push_back(Command{Op::kBlend, 0, blends_.size()});
    blends_.push_back(state);
}

void DeferredGpuDevice::SetFiltering(bool smooth) {
    if (!holding_) {
        device_->SetFiltering(smooth);
        return;
    }
    commands_.push_back(Command{Op::kFiltering, smooth ? 1u : 0u});
}

unsigned int DeferredGpuDevice::UploadTexture(unsigned int handle, int width, int height,
                                              const uint32_t* argb) {
    return device_->UploadTexture(handle, width, height, argb);
}

void DeferredGpuDevice::DeleteTexture(unsigned int handle) {
    device_->DeleteTexture(handle);
}

void DeferredGpuDevice::BindTexture(unsigned int handle) {
    if (!holding_) {
        device_->BindTexture(handle);
        return;
    }
    commands_.push_back(Command{Op::kBindTexture, handle});
}

void DeferredGpuDevice::BindSceneTexture() {
    Keep(Op::kBindScene, [&] { device_->BindSceneTexture(); });
}

void DeferredGpuDevice::BindLayerTexture() {
    Keep(Op::kBindLayer, [&] { device_->BindLayerTexture(); });
}

void DeferredGpuDevice::BindNoTexture() {
    Keep(Op::kBindNone, [&] { device_->BindNoTexture(); });
}

void DeferredGpuDevice::DrawQuad(const GpuVertex vertices[4]) {
    ++draw_calls_;
    if (!holding_) {
        device_->DrawQuad(vertices);
        return;
    }
    commands_.push_back(Command{Op::kQuad, 0, vertices_.size(), 4});
    vertices_.insert(vertices_.end(), vertices, vertices + 4);
}

void DeferredGpuDevice::DrawLines(const GpuVertex* vertices, int count) {
    ++draw_calls_;
    if (!holding_) {
        device_->DrawLines(vertices, count);
        return;
    }
    commands_.push_back(Command{Op::kLines, 0, vertices_.size(), count});
    vertices_.insert(vertices_.end(), vertices, vertices + count);
}

void DeferredGpuDevice::DrawPoints(const GpuPointVertex* points, int count, float size) {
    ++draw_calls_;
    if (!holding_) {
        device_->DrawPoints(points, count, size);
        return;
    }
    commands_.push_back(Command{Op::kPoints, 0, points_.size(), count, size});
    points_.insert(points_.end(), points, points + count);
}

void DeferredGpuDevice::ReadBackBuffer(std::vector<uint32_t>& argb, int& width, int& height) {
    const bool was_holding = holding_;
    Play();
    holding_ = was_holding;
    device_->ReadBackBuffer(argb, width, height);
}

void DeferredGpuDevice::Present() {
    Play();
    device_->Present();
}
