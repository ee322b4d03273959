// A headless catalogue fixture: the game's pack folders (packs off) under a scratch working
// folder, small generated thumbnails and page-turn buttons, shared sprites whose draws tell them
// apart, and synthetic input.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/resources/config.h"
#include "engine/resources/registry.h"
#include "engine/ui/shared_items.h"
#include "game/shell/puzzle_category.h"
#include "tests/engine/ui/ui_fixture.h"

class CatalogueTest : public UiTest {
  protected:
    static constexpr int kScreenW = 1024;
    static constexpr int kScreenH = 768;
    // The built-in registry's folders.
    static constexpr const char* kThumbnails = "DATA/pre/";
    static constexpr const char* kPictures = "DATA/low/";

    void SetUp() override {
        UiTest::SetUp();
        working_ = std::make_unique<WORKING_FOLDER>(FolderPath(""));
        UseBuiltInResources();
        for (const char* folder : {"DATA/pre", "DATA/low", "DATA/menu"}) {
            std::filesystem::create_directories(FolderPath(folder));
        }
        // Four frames of 40 x 40: a hit square of 40 around the button's position.
        Image(160, 40, 0xFF8080FF, "DATA/menu/button_right.png");
        Image(160, 40, 0xFF80FF80, "DATA/menu/button_left.png");
    }

    void TearDown() override {
        for (WSPRITE** sprite :
             {&g_shared_sprites.shadow, &g_shared_sprites.white_plain, &g_shared_sprites.darkening,
              &g_shared_sprites.rot_yes, &g_shared_sprites.rot_no}) {
            delete *sprite;
            *sprite = nullptr;
        }
        working_.reset();
        UiTest::TearDown();
    }

    // A category of count entries on thumbnails of w x h, laid out for the screen, as the
    // reader makes it.
    std::unique_ptr<PUZZLE_CATEGORY> CategoryOf(int count, int w = 40, int h = 30) {
        Image(w, h, 0xFF996633, std::string(kThumbnails) + "t.png");
        auto category = std::make_unique<PUZZLE_CATEGORY>(0);
        g_file_system.SelectPack(g_resources.packs.pre_pack);
        for (int i = 0; i < count; ++i) {
            category->Append(std::make_unique<FRAME>("p.png", "t.png", 12, i % 2 == 0, 0));
        }
        g_file_system.UnselectPack();
        category->UpdatePageButtons();
        category->LayoutPage(kScreenW, kScreenH);
        return category;
    }

    // The shared sprites a page draws, each on a texture of its own.
    void MakeSharedSprites() {
        g_shared_sprites.shadow = SpriteOf(Image(10, 10, 0xFF000000, "shadow.png"));
        g_shared_sprites.white_plain = SpriteOf(Image(10, 10, 0xFFFFFFFF, "plain.png"));
        g_shared_sprites.darkening = SpriteOf(Image(8, 8, 0xBBFFFFFF, "dark.png"));
        g_shared_sprites.rot_yes = SpriteOf(Image(16, 16, 0xFF00FF00, "yes.png"));
        g_shared_sprites.rot_no = SpriteOf(Image(16, 16, 0xFFFF0000, "no.png"));
    }
    // The recorded quad draws of one texture.
    std::vector<WRECORDED_DRAW> DrawsOf(const WSPRITE* sprite) const {
        std::vector<WRECORDED_DRAW> draws;
        for (const WRECORDED_DRAW& draw : QuadDraws()) {
            if (draw.texture == sprite->GetTexture()) {
                draws.push_back(draw);
            }
        }
        return draws;
    }

    // One frame with the pointer at (x, y): a left press (double: a double click) or none, the
    // category's update, then the release and the end of the frame. Returns the update's answer.
    enum PRESS { kNoPress, kPress, kDoublePress, kRightPress };
    int Frame(PUZZLE_CATEGORY& category, float x, float y, PRESS press) {
        MoveMouse(static_cast<int>(x), static_cast<int>(y));
        if (press == kDoublePress) {
            input->SetDoubleClick();
        }
        if (press == kRightPress) {
            input->SetButton(WINPUT::kRight, true);
        } else if (press != kNoPress) {
            PressLeft();
        }
        const int answer = category.Update();
        EndFrame();
        input->ClearButtons();
        return answer;
    }
    // A completed click (press, then release) on one of the page-turn buttons.
    void Click(PUZZLE_CATEGORY& category, const WBUTTONMAP4& button) {
        MoveMouse(static_cast<int>(button.pos.x), static_cast<int>(button.pos.y));
        PressLeft();
        category.Update();
        EndFrame();
        ReleaseLeft();
        category.Update();
        EndFrame();
    }

  private:
    // By full path, wherever the pack folders have left the loose folder.
    WSPRITE* SpriteOf(const std::string& image) {
        return new WSPRITE(FolderPath(image).c_str(), true);
    }

    std::unique_ptr<WORKING_FOLDER> working_;
};
