// board_sandbox: cuts one picture into a puzzle and lets a person play it to the last join with
// the pocket and the play panel's tools, or writes a headless screenshot of a chosen frame,
// optionally solving the puzzle or touring the tools by script.
#include <cstdio>
#include <filesystem>
#include <memory>
#include <vector>

#include "engine/frame/game.h"
#include "engine/platform/png_writer.h"
#include "engine/resources/file_system.h"
#include "engine/resources/registry.h"
#include "engine/ui/particles.h"
#include "engine/ui/shared_items.h"
#include "engine/ui/sprite.h"
#include "game/board/panel_answers.h"
#include "game/board/pieces_system.h"
#include "game/board/play_panel.h"
#include "game/records/player_settings.h"
#include "tools/board_sandbox/game_data.h"
#include "tools/board_sandbox/sandbox_options.h"
#include "tools/board_sandbox/tool_tour.h"
#include "tools/devkit/input_driver.h"
#include "tools/devkit/test_picture.h"
#include "tools/game_driver/solve_script.h"

namespace {

constexpr float kFixedStep = 1.0f / 60.0f;  // seconds per frame of a headless run

GAME::PUZZLE_PIECES_SYSTEM* g_board = nullptr;
PLAY_PANEL* g_panel = nullptr;
SOLVE_SCRIPT* g_solver = nullptr;  // in the window: its input arrives in the next iteration
TOOL_TOUR* g_tour = nullptr;
std::string g_screenshot;  // the next drawn frame is written here, then it is cleared
bool g_screenshot_written = false;

// As the game's shell plays: the panel first, then the board.
int UpdateFrame() {
    WUN::ST_GAME& game = *WUN::ST_GAME::GetInstance();
    if (g_solver != nullptr)
        g_solver->Step();
    if (g_tour != nullptr)
        g_tour->Step();
    for (PARTIC_CIRCLE* effect : g_effects) {
        if (effect != nullptr)
            effect->Update(0, 0.0f);
    }
    if (GAME::PressEndsMagnifier(game.input, *g_board, *g_panel)) {
        return 0;
    }
    const GAME::PLAY_FRAME frame = GAME::UpdatePanelAndBoard(*g_board, *g_panel);
    if (frame.answer == PLAY_PANEL::kExit || frame.result == GAME::kBoardLeave) {
        game.Quit();
    }
    if (frame.result == GAME::kBoardFinished) {
        std::printf("board_sandbox: finished, score %d in %.1f s\n", g_board->counters.regSc,
                    g_board->counters.regTa);
    }
    return 0;
}

void DrawScene() {
    g_board->Draw(0);
    g_panel->Draw(0);
}
void DrawOverlay() {
    g_panel->DrawHints();
    g_board->DrawOverlay();
    if (g_screenshot.empty())
        return;
    WRENDER& render = WUN::ST_GAME::GetInstance()->render;
    std::vector<uint32_t> argb;
    int w = 0;
    int h = 0;
    g_screenshot_written =
        render.ReadBackBuffer(argb, w, h) && platform::WritePng(g_screenshot, argb.data(), w, h);
    g_screenshot.clear();
}

std::unique_ptr<PLAY_PANEL> MakePanel(int screen_w, int screen_h) {
    g_file_system.SelectPack(g_resources.packs.level_pack);
    auto panel = std::make_unique<PLAY_PANEL>(g_resources.play_panel.panel);
    g_file_system.UnselectPack();
    panel->SetPosition(screen_w / 2, static_cast<int>(screen_h * 0.97));
    return panel;
}

// The loaded picture's shorter side over its longer side.
float PictureAspect(const WSPRITE& picture) {
    const int w = picture.GetWidth();
    const int h = picture.GetHeight();
    if (w <= 0 || h <= 0)
        return 0.75f;
    return w > h ? static_cast<float>(h) / w : static_cast<float>(w) / h;
}

// The game folder's pack holds the member (the board would cut the default texture instead).
bool PackHolds(const std::string& pack, const std::string& member) {
    const bool found =
        g_file_system.OpenPack(pack.c_str()) == 1 && g_file_system.FindMember(member.c_str()) == 1;
    g_file_system.ClosePack();
    return found;
}

// Runs `frames` + 1 fixed steps headless, each one drawn (the groups realign while drawing) but
// only the last two on the GPU, and writes the last one as PNG: a window system may give a window
// larger than its first size its new picture size only once a frame has been presented. A solve
// script queues its input before each step.
int RunHeadless(const SANDBOX_OPTIONS& options, SOLVE_SCRIPT* solver) {
    WUN::ST_GAME& game = *WUN::ST_GAME::GetInstance();
    for (int frame = 0; frame <= options.frames; ++frame) {
        if (solver != nullptr)
            solver->Step();
        const bool last = frame == options.frames;
        game.render.SetFramesUnseen(frame + 1 < options.frames);
        if (last)
            g_screenshot = options.screenshot;
        game.Step(kFixedStep, true);
    }
    if (!g_screenshot_written) {
        std::fprintf(stderr, "board_sandbox: cannot write %s\n", options.screenshot.c_str());
        return 1;
    }
    std::printf("board_sandbox: frame %d written to %s (%d of %d units left)\n", options.frames,
                options.screenshot.c_str(), g_board->counters.regF, g_board->StackSize());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    SANDBOX_OPTIONS options;
    options.game_dir = PD_GAME_DIR;
    if (!ParseSandboxOptions(argc, argv, options) || options.help) {
        PrintSandboxUsage();
        return options.help ? 0 : 2;
    }
    namespace fs = std::filesystem;
    std::string picture = options.picture;
    const bool from_pack = !options.pack.empty();
    if (from_pack && picture.empty()) {
        std::fprintf(stderr, "board_sandbox: --pack needs the picture's member name\n");
        return 2;
    }
    if (picture.empty()) {
        picture = (fs::temp_directory_path() / "board_sandbox_picture.png").string();
        if (!WriteTestPicture(picture, 800, 600)) {
            std::fprintf(stderr, "board_sandbox: cannot write the test picture\n");
            return 1;
        }
    }
    std::error_code error;
    if (!from_pack)
        picture = fs::absolute(picture, error).string();
    if (!options.screenshot.empty()) {
        options.screenshot = fs::absolute(options.screenshot, error).string();
    }
    if (!from_pack && !fs::is_regular_file(picture, error)) {
        std::fprintf(stderr, "board_sandbox: no picture %s\n", picture.c_str());
        return 1;
    }
    const bool game_data = LoadGameData(options.game_dir);
    if (from_pack && !(game_data && PackHolds(options.pack, picture))) {
        std::fprintf(stderr, "board_sandbox: no picture %s in the pack %s\n", picture.c_str(),
                     options.pack.c_str());
        return 1;
    }

    WUN::ST_GAME& game = *WUN::ST_GAME::GetInstance();
    game.SetName("Puzzle Desk board sandbox");
    game.window.Create(game.GetName());
    game.render.SetMultisample(0);
    if (game.render.Create(game.window.handle) != 0) {
        std::fprintf(stderr, "board_sandbox: no render device\n");
        return 1;
    }
    game.SetVideoMode(options.width, options.height, false);

    PUZZLE_PLAYER_PROFILE settings;
    settings.background = static_cast<int32_t>(options.table);
    auto board = std::make_unique<GAME::PUZZLE_PIECES_SYSTEM>();
    board->pack_name = options.pack;
    board->Init(picture, options.pieces, 0, &settings, options.rotation, options.deformation, 0);
    // The grid is chosen at the build, so the aspect may follow the loaded picture.
    board->SetAspect(options.aspect > 0.0f ? options.aspect : PictureAspect(*board->picture));
    board->SetState(GAME::kStateBuild);
    g_board = board.get();
    INPUT_DRIVER driver(game, kFixedStep);
    std::unique_ptr<PLAY_PANEL> panel = MakePanel(game.GetGameWidth(), game.GetGameHeight());
    g_panel = panel.get();
    std::unique_ptr<SOLVE_SCRIPT> solver;
    if (options.solve) {
        solver = std::make_unique<SOLVE_SCRIPT>(*board, driver);
    }
    std::unique_ptr<TOOL_TOUR> tour;
    if (options.tour) {
        tour = std::make_unique<TOOL_TOUR>(*board, *panel, game.input);
        g_tour = tour.get();
    }

    game.SetUpdateCallback(UpdateFrame);
    game.SetSceneCallback(DrawScene);
    game.SetOverlayCallback(DrawOverlay);
    if (!options.screenshot.empty()) {
        return RunHeadless(options, solver.get());
    }
    g_solver = solver.get();
    return game.Run();
}
