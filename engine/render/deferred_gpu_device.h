// DeferredGpuDevice: holds a frame's GPU commands back until the render device knows whether
// the frame differs from the one on screen, then plays them onto the real device or drops them.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "engine/platform/gpu_device.h"

class DeferredGpuDevice final : public platform::GpuDevice {
  public:
    explicit DeferredGpuDevice(std::unique_ptr<platform::GpuDevice> device);

    // From Hold until Play or Drop, targets, state, binds and draws are kept, not made.
    // Texture uploads and deletions, target sizes and read-backs always reach the device.
    void Hold();
    bool Holding() const { return holding_; }
    // Makes the kept commands on the device, in order, and stops holding.
    void Play();
    // Forgets the kept targets, binds and draws and stops holding. The state they were made
    // in is still handed on, so the device and its owner agree on it afterwards.
    void Drop();

    void ResizeTargets(int width, int height, int samples) override;
    void BeginTarget(platform::GpuTarget target, uint32_t clear_argb) override;
    // The cached layer's picture outlives the frame, so a frame that redraws it is made from
    // here on, never dropped.
    void BeginLayer(int left, int top, int right, int bottom, uint32_t clear_argb) override;
    void ResumeScene() override;
    void CopyLayerToScene() override;
    void SetTransforms(const float world_view[16], const float projection[16]) override;
    void SetBlendState(const platform::GpuBlendState& state) override;
    void SetFiltering(bool smooth) override;
    unsigned int UploadTexture(unsigned int handle, int width, int height,
                               const uint32_t* argb) override;
    void DeleteTexture(unsigned int handle) override;
    void BindTexture(unsigned int handle) override;
    void BindSceneTexture() override;
    void BindLayerTexture() override;
    void BindNoTexture() override;
    void DrawQuad(const platform::GpuVertex vertices[4]) override;
    void DrawLines(const platform::GpuVertex* vertices, int count) override;
    void DrawPoints(const platform::GpuPointVertex* points, int count, float size) override;
    // Plays what is held first: the picture read is the one drawn so far.
    void ReadBackBuffer(std::vector<uint32_t>& argb, int& width, int& height) override;
    void Present() override;
    // Draws asked for, made or held: a frame's batches count the same either way.
    int DrawCalls() const override { return draw_calls_; }

  private:
    enum class Op {
        kBeginScene,
        kBeginBackBuffer,
        kTransforms,
        kBlend,
        kFiltering,
        kBindTexture,
        kBindScene,
        kBindLayer,
        kResumeScene,
        kCopyLayer,
        kBindNone,
        kQuad,
        kLines,
        kPoints
    };
    // One held command; its data, when it has any, sits in the pools below at first.
    struct Command {
        Op op;
        uint32_t value = 0;  // clear colour, texture handle, filtering flag
        size_t first = 0;    // index into the pool of its kind
        int count = 0;
        float size = 0.0f;  // point size
    };

    void Make(const Command& command);
    // A command without data: made at once, or kept while holding.
    template <typename Direct>
    void Keep(Op op, Direct direct) {
        if (holding_) {
            commands_.push_back(Command{op});
        } else {
            direct();
        }
    }
    void Clear();

    std::unique_ptr<platform::GpuDevice> device_;
    bool holding_ = false;
    int draw_calls_ = 0;
    std::vector<Command> commands_;
    std::vector<platform::GpuVertex> vertices_;
    std::vector<platform::GpuPointVertex> points_;
    std::vector<float> matrices_;  // 32 floats per transform command
    std::vector<platform::GpuBlendState> blends_;
};
