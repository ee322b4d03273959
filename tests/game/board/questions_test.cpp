// The save and quit questions: answers from their buttons and from a fresh Enter or Escape.
#include "game/board/questions.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "engine/frame/game.h"
#include "engine/platform/virtual_keys.h"
#include "engine/resources/file_system.h"
#include "engine/resources/pack_password.h"
#include "engine/resources/registry.h"
#include "engine/ui/buttons.h"
#include "tests/data/game_folder.h"

namespace GAME {
namespace {

class QuestionsTest : public ::testing::Test {
  public:
    void SetUp() override {
        game_ = WUN::ST_GAME::GetInstance();
        input_ = game_->GetInput();
        game_->render.SetLogicalSize(1024, 768);
        game_->Centre = {512, 384};
        // The real window and buttons, so the two buttons have their own places.
        UseBuiltInResources();
        UsePacks = true;
        g_file_system.PackPassword = kPackPassword;
        gui_pack_ = GameFolder() + "/" + g_resources.packs.gui_pack;
        g_file_system.SelectPack(gui_pack_.c_str());
        Settle();
    }
    void TearDown() override {
        g_file_system.UnselectPack();
        UsePacks = false;
        Settle();
    }

    // Every key and button up, and seen up.
    void Settle() {
        input_->ClearButtons();
        input_->KeyUp(VK_RETURN);
        input_->KeyUp(VK_ESCAPE);
        input_->EndFrame();
        input_->EndFrame();
    }
    int Frame(QUESTION_WINDOW& question) {
        const int answer = question.Update(0, 0.0f);
        input_->EndFrame();
        return answer;
    }
    int Click(QUESTION_WINDOW& question, const WSPRITE& button) {
        input_->SetPosition(static_cast<int>(button.pos.x), static_cast<int>(button.pos.y));
        input_->SetButton(WINPUT::kLeft, true);
        Frame(question);
        input_->SetButton(WINPUT::kLeft, false);
        return Frame(question);
    }

    WUN::ST_GAME* game_ = nullptr;
    WINPUT* input_ = nullptr;
    std::string gui_pack_;
};

TEST_F(QuestionsTest, ButtonsAndFreshKeysAnswer) {
    const struct {
        const char* what;
        std::function<int(QuestionsTest&, QUESTION_WINDOW&)> act;
        int answer;
    } cases[] = {
        {"OK", [](QuestionsTest& t, QUESTION_WINDOW& q) { return t.Click(q, q.OkButton()); }, 1},
        {"Cancel",
         [](QuestionsTest& t, QUESTION_WINDOW& q) { return t.Click(q, q.CancelButton()); }, -1},
        {"Enter",
         [](QuestionsTest& t, QUESTION_WINDOW& q) {
             t.input_->KeyDown(VK_RETURN);
             return t.Frame(q);
         },
         1},
        {"Escape",
         [](QuestionsTest& t, QUESTION_WINDOW& q) {
             t.input_->KeyDown(VK_ESCAPE);
             return t.Frame(q);
         },
         -1},
    };
    for (const auto& c : cases) {
        for (bool save : {true, false}) {
            std::unique_ptr<QUESTION_WINDOW> question;
            if (save) {
                question = std::make_unique<PUZZLE_SAVE_QUEST>();
            } else {
                question = std::make_unique<PUZZLE_QUIT_QUEST>();
            }
            EXPECT_EQ(Frame(*question), 0) << c.what;
            EXPECT_EQ(c.act(*this, *question), c.answer)
                << c.what << (save ? " (save)" : " (quit)");
            Settle();
        }
    }
}

TEST_F(QuestionsTest, AKeyStillHeldFromBeforeIsNoAnswer) {
    // The Escape that opened the quit question is still down in its first frames.
    input_->KeyDown(VK_ESCAPE);
    input_->EndFrame();
    PUZZLE_QUIT_QUEST question;
    EXPECT_EQ(Frame(question), 0);
    EXPECT_EQ(Frame(question), 0);
    input_->KeyUp(VK_ESCAPE);
    EXPECT_EQ(Frame(question), 0);
}

}  // namespace
}  // namespace GAME
