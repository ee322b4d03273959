// Where the program finds its game folder: beside itself in the build tree, under share/ once
// installed, nowhere when neither holds the packs.
#include "game/app/game_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/support/scratch_folder.h"

namespace {

struct LAYOUT {
    const char* name;
    const char* data_folder;  // made under the scratch root; null for none
    const char* executable;   // relative to the scratch root
    const char* expected;     // relative to the scratch root; empty when none is found
};

constexpr LAYOUT kLayouts[] = {
    {"build tree", "build/game/DATA", "build/game/puzzle-desk", "build/game"},
    {"installed", "usr/share/puzzle-desk/DATA", "usr/bin/puzzle-desk", "usr/share/puzzle-desk"},
    {"build tree wins over share", "p/bin/DATA", "p/bin/puzzle-desk", "p/bin"},
    {"no packs anywhere", nullptr, "opt/bin/puzzle-desk", ""},
    {"share without packs", "x/share/puzzle-desk", "x/bin/puzzle-desk", ""},
};

TEST(GameFolderTest, FoundFromTheProgramsOwnLocation) {
    for (const LAYOUT& layout : kLayouts) {
        SCOPED_TRACE(layout.name);
        SCRATCH_FOLDER root;
        if (layout.data_folder != nullptr) {
            std::filesystem::create_directories(root.Path(layout.data_folder));
        }
        // A second layout in the same root must not be picked up by accident.
        root.Write("share/puzzle-desk/DATA/stray", "");
        const std::string found = GameFolderFor(root.Path(layout.executable));
        const std::string expected = *layout.expected ? root.Path(layout.expected) : "";
        EXPECT_EQ(found, expected);
    }
}

TEST(GameFolderTest, ABareNameHasNoFolder) {
    EXPECT_EQ(GameFolderFor("puzzle-desk"), "");
    EXPECT_EQ(GameFolderFor(""), "");
}

}  // namespace
