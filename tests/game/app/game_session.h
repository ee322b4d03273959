// GAME_SESSION: the real program in this test's process, started through GAME_DRIVER in a
// scratch game folder: the built one with a catalogue of our own.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "engine/frame/game.h"
#include "game/shell/puzzle.h"
#include "tests/support/scratch_folder.h"
#include "tools/devkit/input_driver.h"
#include "tools/game_driver/game_driver.h"

// Two categories: the first opens with a 12-piece landscape, the second holds one more picture.
constexpr char kSessionCatalogue[] = R"(<?xml version="1.0"?>
<catalogue>
  <category>
    <picture adrFm="aitzgorri.jpg" adrSm="aitzgorri.jpg" amount="12" rot="false"/>
    <picture adrFm="mountain_sunset.jpg" adrSm="mountain_sunset.jpg" amount="35" rot="true"/>
  </category>
  <category>
    <picture adrFm="picos_de_europa.jpg" adrSm="picos_de_europa.jpg" amount="24" rot="false"/>
  </category>
</catalogue>
)";

class GAME_SESSION : public ::testing::Test {
  protected:
    // The built game folder's entries, linked, and the session's catalogue.
    void SetUp() override {
        namespace fs = std::filesystem;
        const char* built = std::getenv("PD_GAME_DIR");
        ASSERT_NE(built, nullptr) << "PD_GAME_DIR names the folder of the built game";
        for (const fs::directory_entry& entry : fs::directory_iterator(built)) {
            const std::string name = entry.path().filename().string();
            if (name == "DATA") {
                fs::create_directory(game_dir_.Path(name));
                for (const fs::directory_entry& pack : fs::directory_iterator(entry.path())) {
                    fs::create_symlink(pack.path(),
                                       game_dir_.Path("DATA/") + pack.path().filename().string());
                }
            } else if (name != "pzls.xml") {
                fs::create_symlink(entry.path(), game_dir_.Path(name));
            }
        }
        game_dir_.Write("pzls.xml", kSessionCatalogue);
    }

    // Takes a file or pack (relative to the game folder) away, as a broken installation would.
    void Remove(const std::string& relative) {
        ASSERT_TRUE(std::filesystem::remove(game_dir_.Path(relative))) << relative;
    }

    // Starts the program; the first frame then applies the player's settings.
    void Start(const GAME_DRIVER::START& start) {
        ASSERT_TRUE(driver_.Start(game_dir_.Root(), start)) << driver_.Problem();
        driver_.Step();
    }

    WUN::ST_GAME& Frame() { return *WUN::ST_GAME::GetInstance(); }
    GAME::PUZZLE& Game() { return driver_.Game(); }
    INPUT_DRIVER& Input() { return driver_.Input(); }
    std::string ReadUserFile(const std::string& name) {
        std::ifstream in(Frame().UserFolder() + name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    // A click at the centre of an item (logical pixels).
    template <class ITEM>
    void ClickOn(const ITEM& item) {
        driver_.Click(static_cast<int>(item.pos.x), static_cast<int>(item.pos.y));
    }

    SCRATCH_FOLDER game_dir_;
    GAME_DRIVER driver_;
};
