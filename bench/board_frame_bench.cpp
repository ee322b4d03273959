// Drawn play frames of the board on the offscreen driver's OpenGL, swap included, at 12 and 405
// pieces: still, dragging, a pick, a drop, the deal, after a sort and the border filter's fade;
// with the cached layer and cut piece quads, and drawn straight as a baseline.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>

#include "engine/frame/game.h"
#include "engine/platform/platform.h"
#include "engine/resources/file_system.h"
#include "game/board/pieces_system.h"
#include "game/records/player_settings.h"
#include "tools/devkit/input_driver.h"
#include "tools/devkit/test_picture.h"

namespace {

constexpr float kStep = 1.0f / 60.0f;

enum SCENE { kStill, kDrag, kPick, kDrop, kDeal, kSort, kFade };

WUN::ST_GAME& Game() {
    return *WUN::ST_GAME::GetInstance();
}

GAME::PUZZLE_PIECES_SYSTEM* g_board = nullptr;

int UpdateBoard() {
    return g_board != nullptr ? g_board->Update(0, 0.0f) : 0;
}
void DrawBoard() {
    g_board->Draw(0);
}
void DrawBoardOverlay() {
    g_board->DrawOverlay();
}

// The game's window and device at 1024 x 768, made once; false when there is no OpenGL 3.3.
bool MakeDevice() {
    static const bool made = [] {
        setenv("SDL_VIDEODRIVER", "offscreen", 0);
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        void* window = platform::CreateGameWindow("board frame bench");
        WRENDER& render = Game().render;
        if (window == nullptr || render.Create(window) != 0) {
            return false;
        }
        render.ResetMode(1024, 768, false);
        render.SetLogicalSize(1024, 768);
        Game().Centre = {512, 384};
        Game().SetUpdateCallback(&UpdateBoard);
        Game().SetSceneCallback(&DrawBoard);
        Game().SetOverlayCallback(&DrawBoardOverlay);
        return true;
    }();
    return made;
}

// A dealt board at rest: 12 pieces of a 4:3 picture or 405 of a 2560 x 1440 one.
std::unique_ptr<GAME::PUZZLE_PIECES_SYSTEM> MakeBoard(int pieces, PUZZLE_PLAYER_PROFILE& settings) {
    UsePacks = false;
    const bool large = pieces > 12;
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("pd_frame_bench_" + std::to_string(getpid()) + ".png"))
                                 .string();
    WriteTestPicture(path, large ? 2560 : 1024, large ? 1440 : 768);
    auto board = std::make_unique<GAME::PUZZLE_PIECES_SYSTEM>();
    board->SetAspect(large ? 0.5625f : 0.75f);
    board->Init(path, large ? 15 : 3, 0, &settings, false, 1.0f, 0);
    board->SetState(GAME::kStateBuild);
    board->Update(0, kStep);
    std::filesystem::remove(path);
    for (int i = 0; i < 240; ++i) {
        board->Update(0, kStep);
    }
    return board;
}

// Drawn as before the layer: every frame whole, every piece over its whole texture.
void DrawStraight(GAME::PUZZLE_PIECES_SYSTEM& board, bool straight) {
    Game().render.SetLayerCaching(!straight);
    for (GAME::PUZZLE_PIECE* p : board.Grid()) {
        if (straight) {
            p->sprite.ShowAllTexels();
        } else {
            p->sprite.ShowOnlyOpaqueTexels();
        }
    }
}

// range(0): SCENE; range(1): pieces (12 or 405); range(2): 1 drawn straight. An iteration's
// time is its frame's, or for a pick or a drop the worst of the frames that show it.
void BM_BoardFrame(benchmark::State& state) {
    if (!MakeDevice()) {
        state.SkipWithError("no OpenGL 3.3");
        return;
    }
    const auto scene = static_cast<SCENE>(state.range(0));
    const bool straight = state.range(2) == 1;
    PUZZLE_PLAYER_PROFILE settings;
    settings.background = -1;
    std::unique_ptr<GAME::PUZZLE_PIECES_SYSTEM> board =
        MakeBoard(static_cast<int>(state.range(1)), settings);
    g_board = board.get();
    DrawStraight(*board, straight);
    WUN::ST_GAME& game = Game();
    INPUT_DRIVER driver(game, kStep);
    auto drawn_step = [&] {
        const auto start = std::chrono::steady_clock::now();
        game.Step(kStep, true);
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
    // Steps whose frames reach no GPU: the set-up of the next pick or drop.
    auto unseen_steps = [&](int count) {
        game.render.SetFramesUnseen(true);
        for (int i = 0; i < count; ++i) {
            game.Step(kStep, false);
        }
        game.render.SetFramesUnseen(false);
    };
    // The centre of a piece from the lower half of the stack that lies uncovered there: a pick
    // takes it out of the middle of the layer.
    auto pickable = [&] {
        for (int i = board->StackSize() / 2; i < board->StackSize(); ++i) {
            const GAME::PUZZLE_PIECE& p = *board->StackAt(i);
            if (board->HitTest(static_cast<int>(p.X()), static_cast<int>(p.Y())) == i + 1) {
                return &p;
            }
        }
        return static_cast<const GAME::PUZZLE_PIECE*>(board->StackAt(0));
    };
    auto piece_x = [&] { return static_cast<int>(pickable()->X()); };
    auto piece_y = [&] { return static_cast<int>(pickable()->Y()); };
    driver.MoveTo(700, 600);
    for (int i = 0; i < 3; ++i) {
        drawn_step();
    }
    int drag_x = 0;
    int drag_y = 0;
    if (scene == kDrag) {
        drag_x = piece_x();
        drag_y = piece_y();
        driver.MoveTo(drag_x, drag_y);
        driver.Press(WINPUT::kLeft);
        drawn_step();
    }
    const int redraws_before = game.render.GetLayerRedraws();
    double worst = 0.0;
    int frame = 0;
    int picks = 0;
    for (auto _ : state) {
        int frames = 1;
        switch (scene) {
            case kStill:
                break;
            case kDrag:
                driver.MoveTo(drag_x + (frame % 2 == 0 ? 40 : 0), drag_y + 20 * (frame % 3));
                break;
            case kPick:
                driver.MoveTo(piece_x(), piece_y());
                unseen_steps(1);
                driver.Press(WINPUT::kLeft);
                frames = 3;
                break;
            case kDrop:
                drag_x = piece_x();
                drag_y = piece_y();
                driver.MoveTo(drag_x, drag_y);
                driver.Press(WINPUT::kLeft);
                unseen_steps(1);
                driver.MoveTo(drag_x + 60, drag_y + 40);
                unseen_steps(1);
                drawn_step();
                driver.Release(WINPUT::kLeft);
                // The release, then the piece sinking until it rests in the layer again.
                frames = 15;
                break;
            case kDeal:
                if (frame % 60 == 0) {
                    board->SetState(GAME::kStateBuild);
                    unseen_steps(1);
                    DrawStraight(*board, straight);
                }
                break;
            case kSort:
                if (frame % 60 == 0) {
                    board->Sort();
                }
                break;
            case kFade:
                if (frame % 30 == 0) {
                    board->ToggleBorderFilter();
                }
                break;
        }
        double seconds = 0.0;
        for (int i = 0; i < frames; ++i) {
            seconds = std::max(seconds, drawn_step());
        }
        state.SetIterationTime(seconds);
        worst = std::max(worst, seconds);
        ++frame;
        if (scene == kPick) {
            picks += board->HeldPiece() != 0 ? 1 : 0;
            driver.Release(WINPUT::kLeft);
            unseen_steps(15);
        }
    }
    driver.Release(WINPUT::kLeft);
    unseen_steps(1);
    state.counters["worst_ms"] = worst * 1000.0;
    if (scene == kPick) {
        state.counters["picks"] = picks;
    }
    state.counters["pieces"] = board->StackSize();
    state.counters["layer_redraws"] = game.render.GetLayerRedraws() - redraws_before;
    g_board = nullptr;
}

void Scenes(benchmark::internal::Benchmark* b, std::initializer_list<SCENE> scenes) {
    b->ArgNames({"scene", "pieces", "straight"});
    for (SCENE scene : scenes) {
        for (int pieces : {12, 405}) {
            for (int straight : {0, 1}) {
                b->Args({scene, pieces, straight});
            }
        }
    }
}

// Scenes: 0 still, 1 drag, 2 pick, 3 drop, 4 deal, 5 after a sort, 6 border filter's fade.
BENCHMARK(BM_BoardFrame)
    ->Apply([](benchmark::internal::Benchmark* b) {
        Scenes(b, {kStill, kDrag, kDeal, kSort, kFade});
    })
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(30)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_BoardFrame)
    ->Apply([](benchmark::internal::Benchmark* b) {
        Scenes(b, {kPick, kDrop});
    })
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(6)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
