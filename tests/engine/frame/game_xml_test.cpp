// "game.xml": exact bytes written, values read back, and files that are missing or hostile.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "engine/frame/game.h"
#include "engine/resources/file_system.h"
#include "tests/engine/frame/scratch_home.h"

namespace {

class GameXmlTest : public ScratchHome {
  protected:
    void SetUp() override {
        ScratchHome::SetUp();
        game_ = WUN::ST_GAME::GetInstance();
        game_->SetFolderName("Test Product");
        user_folder_ = data_home_ + "/test-product/";
    }

    // "game.xml" in the user folder, relative to the scratch HOME.
    static constexpr const char* kGameXml = ".local/share/test-product/game.xml";

    WUN::ST_GAME* game_ = nullptr;
    std::string user_folder_;
};

TEST_F(GameXmlTest, TheUserFolderIsNamedForTheProductInTheDataHome) {
    EXPECT_EQ(game_->UserFolder(), user_folder_);
    // A new account has no data home yet: saving makes it.
    ASSERT_EQ(WFILE_SYSTEM::FileExists(data_home_), 0);
    ASSERT_TRUE(game_->SaveGameXml(1024, 768, true, false));
    EXPECT_EQ(WFILE_SYSTEM::FileExists(user_folder_), 2);
    struct Case {
        const char* product;
        const char* folder;
    };
    const Case cases[] = {
        {"Puzzle Desk", "puzzle-desk"},
        {"  Jigsaw: Deluxe 2! ", "jigsaw-deluxe-2"},
        {"Caf\u00e9 Puzzles", "caf\u00e9-puzzles"},
        {"../..", "game"},
        {"", "game"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WUN::ST_GAME::FolderNameFor(c.product), c.folder) << c.product;
    }
}

TEST_F(GameXmlTest, SaveWritesByteOrderMarkDeclarationAndOneElementPerLine) {
    ASSERT_TRUE(game_->SaveGameXml(1280, 720, false, true));
    const std::string expected =
        "\xEF\xBB\xBF<?xml version=\"1.0\"?>\n"
        "<Config>\n"
        "<Main resX=\"1280\" resY=\"720\" support1024=\"" +
        std::string(game_->GetSupport1024() ? "true" : "false") +
        "\" FullScreen=\"false\" Log=\"true\" />\n"
        "</Config>\n";
    EXPECT_EQ(home_.Read(kGameXml), expected);
    EXPECT_EQ(WFILE_SYSTEM::FileExists(user_folder_ + "game.xml.tmp"), 0);
    EXPECT_EQ(game_->GetPixelCount(), 1280 * 720);
}

TEST_F(GameXmlTest, SavedValuesReadBack) {
    ASSERT_TRUE(game_->SaveGameXml(800, 600, true, false));
    // Other values in the frame first, so the read has to bring them back.
    game_->SaveGameXml(640, 480, false, false);
    home_.Write(kGameXml,
                "\xEF\xBB\xBF<?xml version=\"1.0\"?>\n<Config>\n<Main resX=\"800\" resY=\"600\" "
                "support1024=\"true\" FullScreen=\"true\" Log=\"false\" />\n</Config>\n");
    game_->ParseGameXml();
    EXPECT_EQ(game_->GetConfiguredWidth(), 800);
    EXPECT_EQ(game_->GetConfiguredHeight(), 600);
    EXPECT_TRUE(game_->GetSupport1024());
    EXPECT_TRUE(game_->GetFullScreenWanted());
    EXPECT_EQ(game_->GetPixelCount(), 480000);
}

TEST_F(GameXmlTest, UnusableFilesGiveNoSizeAndFalseFlags) {
    const std::string w = std::to_string(game_->GetDesktopWidth());
    const std::string h = std::to_string(game_->GetDesktopHeight());
    struct Case {
        const char* name;
        const char* content;  // null: no file, or a named pipe
        bool pipe = false;
    };
    const Case cases[] = {
        {"missing", nullptr},
        {"empty", ""},
        {"not XML", "resX=1024 resY=768 FullScreen=true"},
        {"binary", "\x01\xFF\xFE\x02garbage\x1A"},
        {"truncated", "\xEF\xBB\xBF<?xml version=\"1.0\"?>\n<Config>\n<Main resX=\"10"},
        {"root without children", "<Config/>"},
        {"names are not checked, missing attributes are 0", "<A><B FullScreen=\"no\"/></A>"},
        // The product of the two would overflow.
        {"negative width", "<Config><Main resX=\"-70000\" resY=\"70000\"/></Config>"},
        {"negative sides", "<Config><Main resX=\"-70000\" resY=\"-70000\"/></Config>"},
        {"zero height", "<Config><Main resX=\"800\" resY=\"0\"/></Config>"},
        // Opening a pipe with no writer would wait for ever.
        {"named pipe", nullptr, true},
    };
    for (const Case& c : cases) {
        // A previous value in the frame must not survive an unusable file.
        game_->SaveGameXml(1024, 768, true, false);
        WFILE_SYSTEM::RemoveFile(user_folder_ + "game.xml");
        if (c.pipe) {
            ASSERT_EQ(::mkfifo((user_folder_ + "game.xml").c_str(), 0600), 0);
        } else if (c.content) {
            home_.Write(kGameXml, c.content);
        }
        game_->ParseGameXml();
        EXPECT_EQ(game_->GetConfiguredWidth(), 0) << c.name;
        EXPECT_EQ(game_->GetConfiguredHeight(), 0) << c.name;
        EXPECT_FALSE(game_->GetFullScreenWanted()) << c.name;
        EXPECT_FALSE(game_->GetSupport1024()) << c.name;
        EXPECT_EQ(game_->GetPixelCount(), 0) << c.name;
    }
}

TEST_F(GameXmlTest, SizeLargerThanTheDesktopBecomesTheDesktop) {
    const int dw = game_->GetDesktopWidth();
    const int dh = game_->GetDesktopHeight();
    struct Case {
        int x, y;
        int want_x, want_y;
    };
    const Case cases[] = {
        {dw + 1, 100, dw, dh},
        {100, dh + 1, dw, dh},
        {dw, dh, dw, dh},
        {dw - 1, dh - 1, dw - 1, dh - 1},
    };
    for (const Case& c : cases) {
        game_->SaveGameXml(c.x, c.y, false, false);
        game_->ParseGameXml();
        EXPECT_EQ(game_->GetConfiguredWidth(), c.want_x) << c.x << "x" << c.y;
        EXPECT_EQ(game_->GetConfiguredHeight(), c.want_y) << c.x << "x" << c.y;
        EXPECT_EQ(game_->GetPixelCount(), c.want_x * c.want_y);
    }
}

TEST_F(GameXmlTest, DefaultIsFullScreenAtTheDesktopWhen1024x768IsListed) {
    game_->WriteDefaultGameXml();
    game_->ParseGameXml();
    const bool listed = game_->GetSupport1024();
    EXPECT_EQ(game_->GetConfiguredWidth(), listed ? game_->GetDesktopWidth() : 1024);
    EXPECT_EQ(game_->GetConfiguredHeight(), listed ? game_->GetDesktopHeight() : 768);
    EXPECT_TRUE(game_->GetFullScreenWanted());
    EXPECT_NE(home_.Read(kGameXml).find("Log=\"false\""), std::string::npos);
}

TEST_F(GameXmlTest, SaveFailsWithoutLosingTheOldFile) {
    ASSERT_TRUE(game_->SaveGameXml(800, 600, false, false));
    const std::string before = home_.Read(kGameXml);
    // A folder where the temporary file would go makes the write fail before the rename.
    WFILE_SYSTEM::CreateFolder(user_folder_ + "game.xml.tmp");
    EXPECT_FALSE(game_->SaveGameXml(1024, 768, true, false));
    EXPECT_EQ(home_.Read(kGameXml), before);
}

}  // namespace
