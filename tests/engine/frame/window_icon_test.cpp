// The window icon from the working folder: which file is taken, and files that are refused.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/frame/window.h"
#include "engine/platform/png_writer.h"
#include "tests/support/scratch_folder.h"

namespace {

namespace fs = std::filesystem;

// What one icon file in icons/ holds.
enum class Icon { kMissing, kPicture, kTooLarge, kNotAPicture };

class WindowIconTest : public testing::Test {
  protected:
    void SetUp() override { fs::create_directory("icons"); }

    static void Write(const std::string& path, Icon icon, int size, uint32_t colour) {
        fs::remove(path);
        if (icon == Icon::kNotAPicture) {
            std::ofstream(path, std::ios::binary) << "\x89PNG truncated";
        } else if (icon != Icon::kMissing) {
            const int side = icon == Icon::kTooLarge ? WWINDOW::kMaxIconSize + 1 : size;
            std::vector<uint32_t> texels(size_t(side) * side, colour);
            ASSERT_TRUE(platform::WritePng(path, texels.data(), side, side));
        }
    }

    SCRATCH_FOLDER scratch_;
    WORKING_FOLDER working_{scratch_.Root()};
};

TEST_F(WindowIconTest, TakesTheLargestUsableIconOrNone) {
    struct Case {
        Icon icon_64, icon_32;
        int expected_size;  // 0: no icon
    } cases[] = {
        {Icon::kPicture, Icon::kPicture, 64},     {Icon::kMissing, Icon::kPicture, 32},
        {Icon::kNotAPicture, Icon::kPicture, 32}, {Icon::kTooLarge, Icon::kPicture, 32},
        {Icon::kMissing, Icon::kMissing, 0},      {Icon::kNotAPicture, Icon::kTooLarge, 0},
    };
    for (const Case& c : cases) {
        Write("icons/window_64.png", c.icon_64, 64, 0xFF102030);
        Write("icons/window_32.png", c.icon_32, 32, 0xFF405060);
        std::vector<uint32_t> argb;
        int width = 0;
        int height = 0;
        const bool loaded = WWINDOW::LoadIcon(argb, width, height);
        const int row = int(&c - cases);
        ASSERT_EQ(loaded, c.expected_size != 0) << "case " << row;
        if (loaded) {
            EXPECT_EQ(width, c.expected_size) << "case " << row;
            EXPECT_EQ(height, c.expected_size) << "case " << row;
            ASSERT_EQ(argb.size(), size_t(width) * height) << "case " << row;
            EXPECT_EQ(argb[0], c.expected_size == 64 ? 0xFF102030u : 0xFF405060u) << "case " << row;
        }
    }
}

}  // namespace
