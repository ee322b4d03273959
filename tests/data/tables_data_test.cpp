// The shipped config.xml, strings.xml and editions.xml: every key the game reads is there,
// with the printf formats matching the arguments the screens pass.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <pugixml.hpp>
#include <string>
#include <vector>

#include "engine/frame/editions.h"
#include "engine/resources/config.h"
#include "engine/resources/registry.h"
#include "engine/text/strings.h"
#include "tests/data/game_folder.h"
#include "tests/engine/text/sheet_fixture.h"
#include "tests/support/scratch_folder.h"

namespace {

// Every key resolved into g_texts, in the game's order, plus the start-up resolution message.
const char* const kTextKeys[] = {
    "menu_btn_hello",
    "options_txt_level_header",
    "options_txt_music",
    "options_txt_sound",
    "options_txt_cursor",
    "options_txt_pieces_fix",
    "options_txt_background",
    "score_txt_header",
    "score_txt_score",
    "score_txt_pieces",
    "score_txt_time",
    "menu_hnt_options",
    "menu_hnt_score",
    "menu_hnt_play",
    "menu_hnt_change",
    "menu_hnt_exit",
    "menu_hnt_leaderboard",
    "menu_hnt_achievements",
    "leaderboard_txt_header",
    "profiles_txt_default_name",
    "achievements_txt_header",
    "profiles_btn_player_add",
    "profiles_btn_player_delete",
    "profiles_dlg_enter_header",
    "profiles_dlg_enter",
    "finish_txt_header",
    "finish_txt_score",
    "finish_txt_time",
    "difficulty_txt_ok",
    "difficulty_txt_cancel",
    "difficulty_txt_rotation",
    "finish_txt_pieces",
    "resolution_txt_header",
    "resolution_txt_fullscreen",
    "resolution_txt_xga",
    "resolution_txt_wxga",
    "resolution_txt_fullhd",
    "resolution_txt_system",
    "resolution_dlg_select",
    "options_txt_game_header",
    "options_btn_resolution",
    "options_btn_credits",
    "difficulty_txt_pieces",
    "difficulty_txt_deformation",
    "game_hnt_exit",
    "game_hnt_border",
    "game_hnt_ghost",
    "game_hnt_hint",
    "game_hnt_image",
    "game_hnt_sort",
    "game_hnt_loupe",
    "game_hnt_options",
    "credits_txt_header",
    "credits_txt_company_publisher",
    "credits_txt_company_developer",
    "menu_dlg_exit_confirm",
    "game_dlg_save",
    "profiles_txt_header",
    "achievements_hnt_pieces_total_description",
    "achievements_hnt_score_total_description",
    "achievements_hnt_puzzle_pieces_description",
    "achievements_hnt_time_total_description",
    "achievements_hnt_puzzles_description",
    "achievements_hnt_pieces_joining_description",
    "achievements_hnt_puzzle_hardmode_description",
    "finish_hnt_achievements_pieces_total_name",
    "finish_hnt_achievements_score_total_name",
    "finish_hnt_achievements_puzzle_pieces_name",
    "finish_hnt_achievements_time_total_name",
    "finish_hnt_achievements_puzzles_name",
    "finish_hnt_achievements_pieces_joining_name",
    "finish_hnt_achievements_puzzle_hardmode_name",
    "game_txt_score",
    "tutorial_txt_header",
    "tutorial_txt_step01_windows",
    "tutorial_txt_step02_windows",
    "tutorial_txt_step03",
    "menu_btn_saves_name",
    "game_dlg_resolution_error",
    "menu_txt_profile_select",
    "system_txt_resolution",
    "windowname_txt_gamename",
};

// The printf conversions each format key must hold, as the screens pass their arguments:
// "s" a UTF-8 string, "i" an int, "*i" a precision and an int.
const std::map<std::string, std::string> kFormats = {
    {"menu_btn_hello", "s"},    {"score_txt_score", "i"},       {"score_txt_pieces", "i"},
    {"score_txt_time", "*i*i"}, {"difficulty_txt_pieces", "i"}, {"difficulty_txt_deformation", "i"},
    {"game_txt_score", "i"},
};

// The conversions of a printf format in order ("%%" is none); "?" marks one it cannot read.
std::string Conversions(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%')
            continue;
        if (++i < text.size() && text[i] == '%')
            continue;
        while (i < text.size() && std::string("-+ #0").find(text[i]) != std::string::npos)
            ++i;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])))
            ++i;
        if (i < text.size() && text[i] == '.') {
            ++i;
            if (i < text.size() && text[i] == '*') {
                out += '*';
                ++i;
            }
            while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])))
                ++i;
        }
        if (i >= text.size())
            return out + "?";
        char c = text[i];
        out += c == 'd' ? 'i' : (std::string("is").find(c) != std::string::npos ? c : '?');
    }
    return out;
}

class TablesDataTest : public GameFolderTest {
  protected:
    void SetUp() override {
        GameFolderTest::SetUp();
        if (HasFatalFailure())
            return;
        GetStringTable().Clear();
        ASSERT_TRUE(LoadStringsFile("strings.xml", GetStringTable()));
    }
    void TearDown() override {
        GetStringTable().Clear();
        g_config = CONFIG();
        g_editions = EDITIONS();
        GameFolderTest::TearDown();
    }
    static bool Has(const char* key) { return GetStringTable().Lookup(key) != key; }
};

TEST_F(TablesDataTest, StringsHoldEveryKeyTheGameResolves) {
    for (const char* key : kTextKeys)
        EXPECT_TRUE(Has(key)) << key;
    // Its presence would make the game demand a play.url file at start.
    EXPECT_FALSE(Has("error_play_url"));
}

// An office suite saving the file writes every element with the spreadsheet's prefix.
TEST_F(TablesDataTest, StringsReadTheSameWithPrefixedElements) {
    std::ifstream in("strings.xml", std::ios::binary);
    const std::string shipped((std::istreambuf_iterator<char>(in)), {});
    const std::string prefixed = PrefixElements(shipped, "ss:");
    ASSERT_NE(prefixed.find("<ss:Worksheet"), std::string::npos);
    pugi::xml_document document;
    ASSERT_TRUE(document.load_string(prefixed.c_str()));
    WSTRING_TABLE table;
    EXPECT_EQ(table.LoadSheet(document), GetStringTable().RowCount());
    for (const char* key : kTextKeys)
        EXPECT_STREQ(table.Lookup(key), GetStringTable().Lookup(key)) << key;
}

TEST_F(TablesDataTest, FormatsTakeTheArgumentsTheScreensPass) {
    for (const char* key : kTextKeys) {
        auto format = kFormats.find(key);
        const std::string expected = format == kFormats.end() ? "" : format->second;
        EXPECT_EQ(Conversions(GetStringTable().Lookup(key)), expected) << key;
    }
    EXPECT_EQ(Conversions("%i %% %.*i:%s %5d"), "i*isi");  // the reader itself
}

TEST_F(TablesDataTest, CreditsGroupsAndCatalogueCaptionsAreFilled) {
    ResolveTexts(GetStringTable());
    for (int g = 0; g < kCreditsGroupCount; ++g) {
        ASSERT_FALSE(g_credits[g].keys.empty());
        EXPECT_GE(g_credits[g].texts.size(), 2u) << g_credits[g].keys.front() << " has no name";
    }
    pugi::xml_document pzls;
    ASSERT_TRUE(pzls.load_file("pzls.xml"));
    int categories = 0;
    for (pugi::xml_node c = pzls.document_element().first_child(); c; c = c.next_sibling()) {
        ASSERT_LT(categories, kPackNameCount);
        char key[32];
        std::snprintf(key, sizeof key, "menu_btn_pack%02d_name", categories);
        EXPECT_EQ(g_pack_names[categories], GetStringTable().Lookup(key));
        EXPECT_TRUE(Has(key)) << "the book tab " << categories << " has no caption";
        ++categories;
    }
    EXPECT_GE(categories, 4);
}

TEST_F(TablesDataTest, ConfigHoldsEveryBuiltInKeyAndTheNames) {
    // The built-in file names every key; written into a scratch folder it is the key list.
    SCRATCH_FOLDER scratch;
    {
        WORKING_FOLDER working(scratch.Root());
        WriteDefaultConfig();
    }
    pugi::xml_document builtin, shipped;
    ASSERT_TRUE(builtin.load_file(scratch.Path("config.xml").c_str()));
    ASSERT_TRUE(shipped.load_file("config.xml"));
    int keys = 0;
    for (pugi::xml_node key : builtin.document_element().children()) {
        std::vector<pugi::xml_node> leaves;
        if (key.attribute("var")) {
            leaves.push_back(key);
        } else {
            for (pugi::xml_node leaf : key.children())
                leaves.push_back(leaf);
        }
        for (pugi::xml_node leaf : leaves) {
            std::string path = leaf.parent() == key ? std::string(key.name()) + "/" : "";
            path += leaf.name();
            pugi::xml_node found = shipped.document_element().first_element_by_path(path.c_str());
            EXPECT_TRUE(found.attribute("var")) << path << " is missing from config.xml";
            ++keys;
        }
    }
    EXPECT_GT(keys, 40);

    LoadConfig();
    EXPECT_STREQ(g_config.product, "Puzzle Desk");
    EXPECT_STREQ(g_config.company, "Puzzle Desk");
    EXPECT_EQ(static_cast<uint32_t>(g_config.font_main_color), 0xFF2E4577u);
}

TEST_F(TablesDataTest, EditionsRunEverywhereAndNameLogosThatExist) {
    LoadEditions();
    EXPECT_TRUE(g_editions.run_if_url_lost);
    EXPECT_TRUE(g_editions.run_if_exe_lost);
    for (const std::string& logo : {g_editions.splash1, g_editions.splash2}) {
        EXPECT_FALSE(logo.empty());
        EXPECT_TRUE(std::filesystem::is_regular_file(logo)) << logo;
    }
    ASSERT_NE(g_editions.notice_text, nullptr);
    ASSERT_NE(g_editions.title_text, nullptr);
    EXPECT_NE(std::string(g_editions.notice_text), "edition_txt_notice");
    EXPECT_NE(std::string(g_editions.title_text), "edition_txt_title");
}

}  // namespace
