// Headless fixtures for the shell's windows and for the game object itself: the built-in
// registry with its pack folders (packs off) under a scratch working folder, images at the
// shipped sizes, a one-picture catalogue, one player in a scratch per-user folder, a test font
// for every text and silent sounds whose plays and volumes can be told.
#pragma once

#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <utility>

#include "engine/audio/sound.h"
#include "engine/resources/registry.h"
#include "engine/text/strings.h"
#include "engine/ui/shared_items.h"
#include "game/records/player_settings.h"
#include "game/shell/profile.h"
#include "game/shell/puzzle.h"
#include "game/shell/window_parts.h"
#include "tests/engine/ui/ui_fixture.h"
#include "tests/support/silent_wav.h"

class ShellWindowTest : public UiTest {
  protected:
    static constexpr int kMusic = 13;  // game_01 of the registry's sound section

    void SetUp() override {
        UiTest::SetUp();
        working_ = std::make_unique<WORKING_FOLDER>(FolderPath(""));
        UseBuiltInResources();
        for (const char* pack : {"DATA/gui", "DATA/menu", "DATA/low", "DATA/pre"}) {
            std::filesystem::create_directories(FolderPath(pack));
        }
        const struct {
            const char* name;
            int w, h;
            uint32_t argb;
        } gui[] = {
            {"window_standart.png", 800, 600, 0xFFEEDDCC},
            {"window_mini.png", 680, 420, 0xFFEEDDBB},
            {"button_ok.png", 600, 60, 0xFF22AA22},
            {"button_cancel.png", 600, 60, 0xFFAA2222},
            {"button_flat.png", 880, 56, 0xFFCCBB99},
            {"slider_3.png", 128, 32, 0xFF886644},
            {"slider_left.png", 160, 40, 0xFF4466AA},
            {"slider_right.png", 160, 40, 0xFF4466AB},
            {"checkbox_button.png", 80, 40, 0xFF664422},
            {"check_rotate.png", 96, 48, 0xFF664423},
            {"rotation_text.png", 64, 64, 0xFF3355AA},
            {"select_fon.png", 260, 200, 0xFF99AACC},
            {"gear.png", 120, 120, 0xFFCC9933},
            {"fortepiano.png", 170, 120, 0xFF111111},
            {"violin.png", 110, 160, 0xFF995522},
            {"avtor_fon.png", 200, 380, 0xFF223366},
            {"windows_FAQ_fon1.png", 168, 168, 0xFF335577},
            {"windows_FAQ_fon2.png", 168, 168, 0xFF335578},
            {"windows_FAQ_fon3.png", 168, 168, 0xFF335579},
            {"window_standart_2_2.png", 64, 64, 0xFFFFFFFF},
        };
        for (const auto& image : gui) {
            Image(image.w, image.h, image.argb, std::string("DATA/gui/") + image.name);
        }
        Image(10, 10, 0xFFFFFFFF, "DATA/menu/white_plain.png");
        Image(10, 10, 0x80000000, "DATA/menu/QSadow.png");
        font = MakeFont();
        g_fonts[0] = g_fonts[1] = font.get();
        for (int sound : {int{GAME::kSoundButtonPress}, int{GAME::kSoundButtonDisabled},
                          int{GAME::kSoundPuzzleSelection}, kMusic, kMusic + 1}) {
            ReplaceSound(sound);
        }
    }

    void TearDown() override {
        for (WSOUND*& sound : g_sounds) {
            delete sound;
            sound = nullptr;
        }
        g_fonts[0] = g_fonts[1] = nullptr;
        g_texts = TEXTS{};
        for (CREDITS_GROUP& group : g_credits) {
            group = {};
        }
        working_.reset();
        UiTest::TearDown();
    }

    // A window made the way the shell makes it, with its images from gui_pack.
    template <class WINDOW, class... ARGS>
    std::unique_ptr<WINDOW> Open(ARGS&&... args) {
        return GAME::MakeFromGuiPack<WINDOW>(std::forward<ARGS>(args)...);
    }

    // A fresh, never played sound in slot index, so that a play can be told from none.
    void ReplaceSound(int index) {
        delete g_sounds[index];
        const std::string wav = SilentWav();
        g_sounds[index] = game->sound.LoadMemory(wav.data(), wav.size());
    }
    bool Played(int index) const { return g_sounds[index] && g_sounds[index]->Channel() != -1; }

    // One frame at the pointer's position: update runs, then the input advances.
    int Frame(const std::function<int()>& update) {
        const int answer = update();
        EndFrame();
        return answer;
    }
    // A press and a release on (x, y), one frame each; the first answer either frame gave (a
    // check box answers the press, a button the release).
    int Click(float x, float y, const std::function<int()>& update) {
        MoveMouse(static_cast<int>(x), static_cast<int>(y));
        PressLeft();
        const int press = Frame(update);
        ReleaseLeft();
        const int release = Frame(update);
        return press != 0 ? press : release;
    }
    // A key pressed for one frame; that frame's answer.
    int Key(int vk, const std::function<int()>& update) {
        KeyDown(vk);
        const int answer = Frame(update);
        KeyUp(vk);
        EndFrame();
        return answer;
    }

    std::unique_ptr<WFONT> font;

  private:
    std::unique_ptr<WORKING_FOLDER> working_;
};

// GAME::PUZZLE on the fixture's data, as the loading thread leaves it: one player ("Tester")
// with a fresh "set.bin", one category holding one 240 x 180 picture.
class GameShellTest : public ShellWindowTest {
  protected:
    void SetUp() override {
        ShellWindowTest::SetUp();
        namespace fs = std::filesystem;
        setenv("HOME", FolderPath("").c_str(), 1);
        setenv("XDG_DATA_HOME", FolderPath("data").c_str(), 1);
        // The own pictures and their thumbnails stay in the scratch home too.
        setenv("XDG_CACHE_HOME", FolderPath("cache").c_str(), 1);
        unsetenv("XDG_PICTURES_DIR");
        unsetenv("XDG_CONFIG_HOME");
        game->SetFolderName("Desk");
        root = game->UserFolder();
        fs::create_directories(root + "Tester");
        WFILE_SYSTEM::WriteStream(root + "LC.pzl", "Tester", 6);
        // The menu's panels and its buttons of four 100-pixel frames.
        Image(600, 80, 0xFFBB9977, "DATA/menu/up_panel.png");
        Image(900, 120, 0xFFBB9966, "DATA/menu/menu_panel.png");
        for (const char* button :
             {"top_button.png", "trophy_button.png", "compleate_button.png", "play_button.png",
              "cut_button.png", "exit_button.png", "settings_button.png"}) {
            Image(400, 100, 0xFF3366AA, std::string("DATA/menu/") + button);
        }
        // The catalogue finds the picture in its pack; with packs off the board reads it by its
        // own path, from the working folder.
        Image(240, 180, 0xFF6699CC, "DATA/low/p.png");
        Image(240, 180, 0xFF6699CC, "p.png");
        Image(80, 60, 0xFF6699CC, "DATA/pre/t.png");
        const std::string catalogue =
            "<pzls><c><p adrFm=\"p.png\" adrSm=\"t.png\" amount=\"12\" rot=\"0\"/></c></pzls>";
        WFILE_SYSTEM::WriteStream(FolderPath("pzls.xml"), catalogue.data(), catalogue.size());
        game->render.SetLogicalSize(1024, 768);
        puzzle = std::make_unique<GAME::PUZZLE>();
        Step();  // the first frame applies the player's settings
    }
    void TearDown() override {
        puzzle.reset();
        ShellWindowTest::TearDown();
    }

    void Step() {
        puzzle->Update(0, 0.0f);
        EndFrame();
    }
    int Update() {
        puzzle->Update(0, 0.0f);
        return 0;
    }
    // A completed click on an item with a position.
    template <class ITEM>
    void ClickOn(const ITEM& item) {
        Click(item.pos.x, item.pos.y, [this] { return Update(); });
    }
    void Press(int vk) {
        Key(vk, [this] { return Update(); });
    }
    PUZZLE_PLAYER_PROFILE& Settings() const { return *puzzle->Profile().GetSettings(); }
    // The player's "set.bin" as it is on disk.
    PUZZLE_PLAYER_PROFILE SavedSettings() const {
        PUZZLE_PLAYER_PROFILE saved;
        std::ifstream file(root + "Tester/set.bin", std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(file)),
                                std::istreambuf_iterator<char>());
        if (bytes.size() == PUZZLE_PLAYER_PROFILE::kFileSize) {
            uint8_t record[PUZZLE_PLAYER_PROFILE::kFileSize];
            std::copy(bytes.begin(), bytes.end(), record);
            saved.Decode(record);
        }
        return saved;
    }

    std::string root;
    std::unique_ptr<GAME::PUZZLE> puzzle;
};
