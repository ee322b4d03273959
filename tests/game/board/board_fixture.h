// A headless board fixture: a small test picture cut into 4 x 3 pieces, synthetic mouse
// input through WINPUT, fixed frame steps, and the sounds the board plays.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/frame/game.h"
#include "engine/resources/file_system.h"
#include "game/board/pieces_system.h"
#include "game/records/player_settings.h"
#include "tests/data/game_folder.h"
#include "tests/support/scratch_folder.h"
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
        game->render.SetLogicalSize(1024, 768);
        game->Centre = {512, 384};
        game->timer.delta = kStep;
        ReleaseMouse();
        UsePacks = false;
        g_file_system.SetPack(nullptr);
        picture_path_ = scratch_.Path("picture.png");
        ASSERT_TRUE(WriteTestPicture(picture_path_, kPictureW, kPictureH));
    }

    void TearDown() override {
        board.reset();
        ReleaseMouse();
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
        board->Update(0, kStep);
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

    PUZZLE_PIECE& Piece(int col, int row) { return *board->GridAt(col, row); }
    const std::string& PicturePath() const { return picture_path_; }

    // Turns a piece about its own centre until it has reached quarter turns.
    void TurnTo(PUZZLE_PIECE& p, int quarter_turns) {
        while (p.trt != quarter_turns) {
            p.TurnAbout(p.X(), p.Y());
            while (p.IsTurning())
                p.Update(0.05f, false);
        }
    }

    // One board frame: the update, then the end of the input frame.
    int Frame(float step = kStep) {
        const int result = board->Update(0, step);
        input->EndFrame();
        return result;
    }
    void Frames(int count) {
        for (int i = 0; i < count; ++i)
            Frame();
    }

    void MoveMouse(int x, int y) { input->SetPosition(x, y); }
    // Press, one held frame at the destination, release: the drop's result. quiet_time >= 0
    // sets the seconds since the last join as the release frame starts.
    int Drag(int from_x, int from_y, int to_x, int to_y, float quiet_time = -1.0f) {
        MoveMouse(from_x, from_y);
        input->SetButton(WINPUT::kLeft, true);
        Frame();
        MoveMouse(to_x, to_y);
        Frame();
        input->SetButton(WINPUT::kLeft, false);
        if (quiet_time >= 0.0f)
            board->counters.regT = quiet_time;
        return Frame();
    }
    int DragPiece(PUZZLE_PIECE& p, int to_x, int to_y, float quiet_time = -1.0f) {
        return Drag(static_cast<int>(p.X()), static_cast<int>(p.Y()), to_x, to_y, quiet_time);
    }
    int RightClick(int x, int y) {
        MoveMouse(x, y);
        input->SetButton(WINPUT::kRight, true);
        const int result = Frame();
        input->SetButton(WINPUT::kRight, false);
        Frame();
        return result;
    }
    int Count(int sound) const {
        return static_cast<int>(std::count(sounds.begin(), sounds.end(), sound));
    }

    void ReleaseMouse() {
        input->ClearButtons();
        input->EndFrame();
        input->EndFrame();
    }

    WUN::ST_GAME* game = nullptr;
    WINPUT* input = nullptr;
    PUZZLE_PLAYER_PROFILE settings;
    std::unique_ptr<PUZZLE_PIECES_SYSTEM> board;
    std::vector<int> sounds;
    SCRATCH_FOLDER scratch_;

  private:
    std::string picture_path_;
    std::filesystem::path previous_folder_;
};

}  // namespace GAME
