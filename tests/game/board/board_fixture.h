// A headless board fixture: a small synthetic picture cut into 4 x 3 pieces, the board as the
// game of the frame's own steps, the input driver's mouse, and the sounds the board plays.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/frame/game.h"
#include "engine/platform/platform.h"
#include "engine/resources/file_system.h"
#include "game/board/pieces_system.h"
#include "game/records/player_settings.h"
#include "tests/data/game_folder.h"
#include "tests/support/scratch_folder.h"
#include "tools/devkit/input_driver.h"
#include "tools/devkit/test_picture.h"

namespace GAME {

class BoardTest : public ::testing::Test {
  protected:
    static constexpr int kPictureW = 240;  // 4 x 3 cells of 60 x 60 at Min 3
    static constexpr int kPictureH = 180;
    static constexpr float kStep = 0.02f;

    void SetUp() override {
        game = WUN::ST_GAME::GetInstance();
        input = game->GetInput();
        game->render.ResetMode(1024, 768, false);
        game->render.SetLogicalSize(1024, 768);
        game->Centre = {512, 384};
        game->timer.delta = kStep;
        current_ = this;
        game->SetUpdateCallback(UpdateBoard);
        ReleaseMouse();
        UsePacks = false;
        g_file_system.SetPack(nullptr);
        picture_path_ = scratch_.Path("picture.png");
        ASSERT_TRUE(WriteTestPicture(picture_path_, kPictureW, kPictureH));
    }

    void TearDown() override {
        board.reset();
        ReleaseMouse();
        game->SetUpdateCallback(nullptr);
        current_ = nullptr;
        if (!previous_folder_.empty()) {
            g_file_system.SetPack(nullptr);
            UsePacks = false;
            std::filesystem::current_path(previous_folder_);
        }
    }

    // The shipped art of the built game folder (pocket tiles, tool buttons at their real
    // sizes), read from its packs as the game does. Call before MakeBoard.
    void UseGameArt() {
        const std::string folder = GameFolder();
        ASSERT_TRUE(!folder.empty() && std::filesystem::exists(folder + "/DATA"))
            << "PD_GAME_DIR (" << folder << ") holds no built game data";
        previous_folder_ = std::filesystem::current_path();
        std::filesystem::current_path(folder);
        UseBuiltInResources();
        UsePacks = true;
        g_file_system.PackPassword = kPackPassword;
    }

    // A board in play with its pieces dealt, at rest and spread out so that none overlap.
    void MakeBoard(bool rotation = false, float deformation = 0.0f) {
        board = std::make_unique<PUZZLE_PIECES_SYSTEM>();
        board->SetAspect(0.75f);
        board->Init(picture_path_, 3, 0, &settings, rotation, deformation, 0);
        board->SetState(kStateBuild);
        Frame();
        ASSERT_EQ(board->state, kStatePlay);
        ASSERT_EQ(board->StackSize(), 12);
        board->sound_observer = [this](int index) { sounds.push_back(index); };
        Spread();
    }

    // Every piece at rest in a loose grid (150 px apart), upright unless turned later.
    void Spread() {
        for (PUZZLE_PIECE* p : board->Grid()) {
            p->Place(200.0f + p->col * 150.0f, 200.0f + p->row * 150.0f);
            p->lift = 0.0f;
            p->lift_direction = 0;
        }
    }

    // The one window of this program's GPU tests: the render device made for it draws only
    // while the window's OpenGL context is the current one. Null without OpenGL 3.3.
    static void* GpuWindow() {
        static void* window = platform::CreateGameWindow("board pixels");
        return window;
    }

    PUZZLE_PIECE& Piece(int col, int row) { return *board->GridAt(col, row); }
    // The draw is of the piece: its body, a highlight or its shadow (its place in the atlas
    // that all shadows share).
    static bool DrawnFor(const WRECORDED_DRAW& d, const PUZZLE_PIECE& p) {
        if (d.texture == p.sprite.GetTexture()) {
            return true;
        }
        if (!p.shadow || d.texture != p.shadow->GetTexture()) {
            return false;
        }
        const WQUAD_CORNER* place = p.shadow->quad.corners;
        return d.corners[0].u == place[0].u && d.corners[0].v == place[0].v &&
               d.corners[2].u == place[2].u && d.corners[2].v == place[2].v;
    }
    const std::string& PicturePath() const { return picture_path_; }

    // Turns a piece about its own centre until it has reached quarter turns.
    void TurnTo(PUZZLE_PIECE& p, int quarter_turns) {
        while (p.trt != quarter_turns) {
            p.TurnAbout(p.X(), p.Y());
            while (p.IsTurning())
                p.Update(0.05f, false);
        }
    }

    // One step of the frame, which takes the queued input and updates the board: the board's
    // result.
    int Frame(float step = kStep) {
        game->Step(step);
        return result_;
    }
    void Frames(int count) {
        for (int i = 0; i < count; ++i)
            Frame();
    }

    // The input below is queued: the next frame takes it.
    void MoveMouse(int x, int y) { driver.MoveTo(x, y); }
    void Press(WINPUT::Button button = WINPUT::kLeft) { driver.Press(button); }
    void Release(WINPUT::Button button = WINPUT::kLeft) { driver.Release(button); }
    void KeyDown(int vk) { driver.KeyDown(vk); }
    void KeyUp(int vk) { driver.KeyUp(vk); }
    // Press, one held frame at the destination, release: the drop's result. quiet_time >= 0
    // sets the seconds since the last join as the release frame starts.
    int Drag(int from_x, int from_y, int to_x, int to_y, float quiet_time = -1.0f) {
        MoveMouse(from_x, from_y);
        Press();
        Frame();
        MoveMouse(to_x, to_y);
        Frame();
        Release();
        if (quiet_time >= 0.0f)
            board->counters.regT = quiet_time;
        return Frame();
    }
    int DragPiece(PUZZLE_PIECE& p, int to_x, int to_y, float quiet_time = -1.0f) {
        return Drag(static_cast<int>(p.X()), static_cast<int>(p.Y()), to_x, to_y, quiet_time);
    }
    // The frame that sees the press gives the result; the release shows in the next one.
    int RightClick(int x, int y) {
        driver.Click(x, y, 0, WINPUT::kRight);
        const int result = Frame();
        Frame();
        return result;
    }
    int Count(int sound) const {
        return static_cast<int>(std::count(sounds.begin(), sounds.end(), sound));
    }

    // Takes input a test left queued, then puts the buttons up, so tests do not see each other's
    // input.
    void ReleaseMouse() {
        game->Step(0.0f);
        input->ClearButtons();
        input->EndFrame();
        input->EndFrame();
    }

    // The game's update in each step once there is a board: the board's, its result. A test of
    // the board's owner runs the owner's frame instead.
    virtual int UpdateStep() { return board->Update(0, 0.0f); }

    WUN::ST_GAME* game = nullptr;
    WINPUT* input = nullptr;
    INPUT_DRIVER driver{*WUN::ST_GAME::GetInstance(), kStep};
    PUZZLE_PLAYER_PROFILE settings;
    std::unique_ptr<PUZZLE_PIECES_SYSTEM> board;
    std::vector<int> sounds;
    SCRATCH_FOLDER scratch_;

  private:
    // The frame's update callback: the test's step, once there is a board.
    static int UpdateBoard() {
        if (current_ != nullptr && current_->board != nullptr)
            current_->result_ = current_->UpdateStep();
        return 0;
    }

    static inline BoardTest* current_ = nullptr;
    int result_ = kBoardNothing;
    std::string picture_path_;
    std::filesystem::path previous_folder_;
};

// The board drawn on the GPU of the program's one test window: the 1024 x 768 logical screen in
// a back buffer of the size given, on an opaque board. Skipped without OpenGL 3.3; derived
// set-ups go on only when IsSkipped() and HasFatalFailure() are false.
class BoardGpuTest : public BoardTest {
  protected:
    BoardGpuTest(int width = 1024, int height = 768) : width_(width), height_(height) {}

    void SetUp() override {
        if (GpuWindow() == nullptr) {
            GTEST_SKIP() << "no OpenGL 3.3 window on this machine";
        }
        BoardTest::SetUp();
        WRENDER& render = game->render;
        if (!render.HasDevice()) {
            ASSERT_EQ(render.Create(GpuWindow()), 0);
        }
        render.SetRecording(false);
        render.ResetMode(width_, height_, false);
        render.SetLogicalSize(1024, 768);
        // The player's colour is always opaque: the scene holds no transparency.
        settings.background = -1;
    }

    void TearDown() override {
        if (GpuWindow() == nullptr) {
            return;
        }
        BoardTest::TearDown();
        // The other tests of this program read the recorded draws at the screen's own size.
        game->render.ResetMode(1024, 768, false);
        game->render.SetLogicalSize(1024, 768);
        game->render.SetRecording(true);
    }

    bool Ready() const { return !IsSkipped() && !HasFatalFailure(); }

  private:
    int width_;
    int height_;
};

}  // namespace GAME
