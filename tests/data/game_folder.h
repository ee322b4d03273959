// The built game folder as the data checks see it: its path, packs read with the program's
// password, the working folder switched into it for loaders that read loose files, and the
// shipped registry.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/resources/file_system.h"
#include "engine/resources/pack_password.h"
#include "engine/resources/registry.h"

// The folder named by PD_GAME_DIR (set by CTest), or empty.
inline std::string GameFolder() {
    const char* dir = std::getenv("PD_GAME_DIR");
    return dir ? dir : "";
}

// Reads one member of the pack at pack_path (relative to the game folder) with the real
// reader and password; false when the pack, the member or the decryption fails.
inline bool ReadGameMember(const std::string& pack_path, const std::string& member,
                           std::vector<unsigned char>& bytes) {
    bytes.clear();
    const std::string path = GameFolder() + "/" + pack_path;
    const bool ok = g_file_system.ReadPackMember(path.c_str(), member.c_str(), kPackPassword) == 1;
    if (ok) {
        bytes.assign(g_file_system.MemberData, g_file_system.MemberData + g_file_system.MemberSize);
    }
    g_file_system.FreeMember();
    return ok;
}

// Runs every test with the game folder as the working folder and packs switched on, as the
// game itself runs. A game folder without its data is a failure: the build makes it.
class GameFolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = GameFolder();
        if (folder_.empty() || !std::filesystem::exists(folder_ + "/DATA")) {
            FAIL() << "PD_GAME_DIR (" << folder_ << ") holds no built game data";
        }
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(folder_);
        saved_use_packs_ = UsePacks;
        UsePacks = true;
        g_file_system.PackPassword = kPackPassword;
    }
    void TearDown() override {
        if (previous_.empty())
            return;
        g_file_system.SetPack(nullptr);
        UsePacks = saved_use_packs_;
        std::filesystem::current_path(previous_);
    }
    const std::string& Folder() const { return folder_; }

  private:
    std::string folder_;
    std::filesystem::path previous_;
    bool saved_use_packs_ = false;
};

// The game folder with its shipped resource.xml read into g_resources; the built-in registry is
// put back afterwards so that no other test sees the shipped one.
class RegistryFolderTest : public GameFolderTest {
  protected:
    void SetUp() override {
        GameFolderTest::SetUp();
        if (!HasFatalFailure())
            LoadResources();
    }
    void TearDown() override {
        UseBuiltInResources();
        GameFolderTest::TearDown();
    }
};
