// LoadTables: the three tables in order, and the start-up end when strings.xml is missing.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "engine/frame/game.h"
#include "engine/frame/load_tables.h"
#include "engine/frame/startup_message.h"
#include "engine/resources/config.h"
#include "engine/resources/registry.h"
#include "engine/text/strings.h"
#include "tests/engine/text/sheet_fixture.h"
#include "tests/support/scratch_folder.h"

namespace {

void PrintMessageBox(const std::string& caption, const std::string& text) {
    std::fprintf(stderr, "[%s|%s]\n", caption.c_str(), text.c_str());
}

TEST(LoadTablesDeathTest, AMissingStringsFileEndsStartUpWithItsMessage) {
    SCRATCH_FOLDER scratch;
    EXPECT_EXIT(
        {
            WORKING_FOLDER working(scratch.Root());
            g_show_message_box = &PrintMessageBox;
            LoadTables();
        },
        ::testing::ExitedWithCode(0), "\\[Message\\|strings\\.xml    LOST\\]");
    // The two tables before it were written on the way.
    EXPECT_FALSE(scratch.Read("resource.xml").empty());
    EXPECT_FALSE(scratch.Read("config.xml").empty());
}

TEST(LoadTables, ReadsAllThreeTablesAndNamesTheApplication) {
    WUN::ST_GAME* game = WUN::ST_GAME::GetInstance();
    const std::string saved_name = game->GetName();
    for (const bool named : {true, false}) {
        SCRATCH_FOLDER scratch;
        std::vector<std::pair<std::string, std::string>> rows = {{"menu_btn_hello", "Hello"},
                                                                 {"error_play_url", "Lost"}};
        if (named) {
            rows.push_back({"windowname_txt_gamename", "Puzzle Desk (localised)"});
        }
        scratch.Write("strings.xml", Sheet(rows));
        scratch.Write("config.xml", "<config><product var='Puzzle Desk'/></config>");
        game->SetName("before");
        {
            WORKING_FOLDER working(scratch.Root());
            LoadTables();
        }
        SCOPED_TRACE(named ? "with a localised name" : "without one");
        EXPECT_EQ(game->GetName(), named ? "Puzzle Desk (localised)" : "before");
        EXPECT_STREQ(g_resources.packs.fonts_pack, "DATA/fonts");
        EXPECT_STREQ(g_config.product, "Puzzle Desk");
        EXPECT_STREQ(g_texts.menu_btn_hello, "Hello");
        EXPECT_STREQ(g_texts.error_play_url, "Lost");
        EXPECT_EQ(g_texts.system_txt_resolution, nullptr);
        g_texts = TEXTS();
        g_config = CONFIG();
        GetStringTable().Clear();
    }
    game->SetName(saved_name.c_str());
}

}  // namespace
