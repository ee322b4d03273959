// Player names: which names may become a player's folder, and what "LC.pzl" bytes name.
#include "game/shell/player_name.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/support/scratch_folder.h"

namespace {

using namespace std::string_literals;

TEST(PlayerName, RefusedNamesMakeNoPlayer) {
    const struct {
        std::string name;
        const char* why;
    } kRefused[] = {
        {"", "empty"},
        {".", "the folder itself"},
        {"..", "the parent"},
        {"a/b", "a path"},
        {"/", "a path"},
        {"../outside", "a path out of the folder"},
        {"ann\0x"s, "NUL cuts the path short"},
        {std::string(kMaxPlayerNameBytes + 1, 'x'), "longer than a file name may be"},
        {"LC.pzl", "the last player's file"},
        {"game.xml", "the window configuration"},
        {"LC.pzl.tmp", "the last player's file while it is written"},
        {"game.xml.tmp", "the configuration while it is written"},
        {"ann\n", "a line end"},
        {"\tann", "a control byte"},
        {"ann\x7f", "DEL"},
    };
    for (const auto& refused : kRefused) {
        EXPECT_FALSE(IsPlayerName(refused.name)) << refused.why;
        EXPECT_EQ(LastPlayerFromBytes(refused.name), "") << refused.why;
    }
}

TEST(PlayerName, OrdinaryAndUnusualButHarmlessNamesAreKept) {
    for (const std::string& name : {"Player"s, "Ann Lee"s, "..."s, ".ann"s, "Zo\xC3\xAB"s, "a\\b"s,
                                    "lc.pzl"s, std::string(kMaxPlayerNameBytes, 'x')}) {
        EXPECT_TRUE(IsPlayerName(name)) << name;
        EXPECT_EQ(LastPlayerFromBytes(name), name);
    }
}

TEST(PlayerName, OnlyAMissingEntryOrARealFolderIsUsable) {
    namespace fs = std::filesystem;
    SCRATCH_FOLDER users;
    SCRATCH_FOLDER outside;
    fs::create_directory(users.Path("ann"));
    users.Write("notes", "a file");
    fs::create_directory_symlink(outside.Root(), users.Path("away"));
    fs::create_symlink(users.Path("gone"), users.Path("dangling"));
    const struct {
        const char* name;
        bool usable;
    } kCases[] = {
        {"ann", true},       {"newcomer", true},
        {"notes", false},    {"away", false},  // a link leads out of the per-user folder
        {"dangling", false}, {"..", false},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(IsUsablePlayerName(users.Root(), c.name), c.usable) << c.name;
    }
}

}  // namespace
