// Render device speed: recorded quads, GPU quads and point sprites per frame, texture uploads,
// and a frame that draws what is already on screen.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <vector>

#include "engine/platform/platform.h"
#include "engine/render/render_device.h"

namespace {

WQUAD Square(WTEXTURE* texture, float size) {
    WQUAD q;
    q.corners[0] = {0, 0, 0, 0};
    q.corners[1] = {0, size, 0, 1};
    q.corners[2] = {size, size, 1, 1};
    q.corners[3] = {size, 0, 1, 0};
    q.texture = texture;
    return q;
}

void* g_window = nullptr;

// One window and device for every GPU benchmark; null when the machine has no OpenGL 3.3.
// The back buffer is larger than the window, so each frame is stretched onto it.
WRENDER* GpuRender() {
    static WRENDER* render = [] {
        setenv("SDL_VIDEODRIVER", "offscreen", 0);
        auto* r = new WRENDER;
        g_window = platform::CreateGameWindow("render bench");
        if (g_window == nullptr || r->Create(g_window) != 0) {
            return static_cast<WRENDER*>(nullptr);
        }
        r->ResetMode(1920, 1080, true);
        r->SetLogicalSize(1024, 768);
        return r;
    }();
    return render;
}

void BM_RecordedQuads(benchmark::State& state) {
    WRENDER render;
    WQUAD q = Square(render.GetDefaultTexture(), 64);
    for (auto _ : state) {
        for (int i = 0; i < 1000; ++i) {
            render.DrawQuad(q, float(i % 900), float(i % 700), 1, 0, 0.3f, 32, 32);
        }
        render.ClearRecordedDraws();
    }
    state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_RecordedQuads);

// An idle screen in the default mode: the two passes alone, on a back buffer of the window's
// own size (the desktop in full screen), which is drawn straight into the window.
void BM_GpuEmptyFrameAtWindowSize(benchmark::State& state) {
    WRENDER* render = GpuRender();
    if (render == nullptr) {
        state.SkipWithError("no OpenGL 3.3");
        return;
    }
    int width = 0;
    int height = 0;
    platform::WindowSize(g_window, width, height);
    render->ResetMode(width, height, true);
    render->SetLogicalSize(1024, 768);
    for (auto _ : state) {
        render->ForceNextFrame();
        render->BeginFrame();
        render->EndScene();
        render->BeginBackBuffer();
        render->Present();
    }
    render->ResetMode(1920, 1080, true);
    render->SetLogicalSize(1024, 768);
}
BENCHMARK(BM_GpuEmptyFrameAtWindowSize)->Unit(benchmark::kMillisecond)->UseRealTime();

// A board-sized frame: range(0) textured 64-pixel quads, letter-boxed onto 1920 × 1080; shown
// every time (range(1) 1), or drawing the same each time, so only the first is shown (0).
void BM_GpuFrameOfQuads(benchmark::State& state) {
    WRENDER* render = GpuRender();
    if (render == nullptr) {
        state.SkipWithError("no OpenGL 3.3");
        return;
    }
    WTEXTURE* texture = render->CreateTexture(64, 64);
    FillTexture(0xFF80C0FF, texture);
    WQUAD q = Square(texture, 64);
    const bool shown = state.range(1) != 0;
    const int presented_before = render->GetPresentedFrames();
    for (auto _ : state) {
        if (shown) {
            render->ForceNextFrame();
        }
        render->BeginFrame();
        for (int i = 0; i < state.range(0); ++i) {
            render->DrawQuad(q, float(i * 7 % 960), float(i * 13 % 704), 1, 0, 0, 0, 0);
        }
        render->EndScene();
        render->BeginBackBuffer();
        render->Present();
    }
    render->ReleaseTexture(texture);
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.counters["shown"] = render->GetPresentedFrames() - presented_before;
}
BENCHMARK(BM_GpuFrameOfQuads)
    ->ArgNames({"quads", "shown"})
    ->Args({100, 1})
    ->Args({1000, 1})
    ->Args({1000, 0})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_GpuPointSprites(benchmark::State& state) {
    WRENDER* render = GpuRender();
    if (render == nullptr) {
        state.SkipWithError("no OpenGL 3.3");
        return;
    }
    std::vector<WPOINT_PARTICLE> particles(size_t(state.range(0)));
    for (size_t i = 0; i < particles.size(); ++i) {
        particles[i] = WPOINT_PARTICLE{
            true, float(i % 1024), float(i % 768),
            0.0f, 0x80FFA040,      i + 1 < particles.size() ? &particles[i + 1] : nullptr};
    }
    WPOINT_EMITTER emitter;
    emitter.texture = render->GetDefaultTexture();
    emitter.point_size = 0.3f;
    emitter.multiplier = 16;
    emitter.head = particles.data();
    for (auto _ : state) {
        render->ForceNextFrame();
        render->BeginFrame();
        render->DrawPoints(emitter);
        render->EndScene();
        render->BeginBackBuffer();
        render->Present();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_GpuPointSprites)->Arg(2000)->Unit(benchmark::kMillisecond)->UseRealTime();

// A full picture changed and drawn once per frame (the board's ghost image, the magnifier).
void BM_GpuTextureUpload(benchmark::State& state) {
    WRENDER* render = GpuRender();
    if (render == nullptr) {
        state.SkipWithError("no OpenGL 3.3");
        return;
    }
    WTEXTURE* texture = render->CreateTexture(1024, 768);
    WQUAD q = Square(texture, 16);
    uint32_t colour = 0;
    for (auto _ : state) {
        FillTexture(0xFF000000 | colour++, texture);
        render->BeginFrame();
        render->DrawQuad(q, 0, 0, 1, 0, 0, 0, 0);
        render->EndScene();
        render->BeginBackBuffer();
        render->Present();
    }
    render->ReleaseTexture(texture);
}
BENCHMARK(BM_GpuTextureUpload)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
