// config.xml: the built-in file and the conversions its values go through.
#include "engine/resources/config.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/support/scratch_folder.h"

namespace {

class ConfigTest : public ::testing::Test {
  protected:
    ConfigTest() : working_(scratch_.Root()) {}
    void TearDown() override { g_config = CONFIG(); }

    void LoadFrom(const std::string& body) {
        scratch_.Write("config.xml", "<whatever>" + body + "</whatever>");
        LoadConfig();
    }

    SCRATCH_FOLDER scratch_;
    WORKING_FOLDER working_;
};

TEST_F(ConfigTest, TheBuiltInFileIsIndentedWithoutMarkAndReadsBackAsBuiltIn) {
    g_config.max_save = 0;
    g_config.trofy.sage_6 = 0;
    LoadConfig();
    const std::string file = scratch_.Read("config.xml");
    EXPECT_EQ(file.rfind("<?xml", 0), 0u);  // no byte-order mark
    EXPECT_NE(file.find("<config>\n\t<trofei_enable var=\"true\" />\n"
                        "\t<white_splain_extra var=\"70\" />\n"
                        "\t<font_main_color var=\"-13744777\" />\n"
                        "\t<button_hint_color_border var=\"-13312\" />\n"
                        "\t<button_hint_color_back var=\"-1996488705\" />\n"
                        "\t<black_transluvent var=\"-1728053232\" />\n"
                        "\t<button_sokand_cancel_identy var=\"0.45\" />\n"),
              std::string::npos)
        << file;
    EXPECT_NE(file.find("\t<time_for_reset_video_mode var=\"15\" />\n"
                        "\t<time_for_show_hint_frame_choise var=\"0.3\" />\n"),
              std::string::npos);
    EXPECT_NE(file.find("\t<color_background_3 var=\"-1\" />\n\t<book>\n"
                        "\t\t<max_frame_rotation var=\"0\" />\n"),
              std::string::npos);
    EXPECT_NE(file.find("\t\t<opt_size_DRY var=\"0.85\" />\n\t</book>\n\t<trofy>\n"
                        "\t\t<collector_1 var=\"10\" />\n"),
              std::string::npos);
    EXPECT_NE(file.find("\t\t<sage_6 var=\"100\" />\n\t</trofy>\n</config>"), std::string::npos);
    for (const char* absent : {"product", "company", "color_splash"}) {
        EXPECT_EQ(file.find(absent), std::string::npos) << absent;
    }

    const CONFIG builtin;
    EXPECT_STREQ(g_config.product, "");
    EXPECT_STREQ(g_config.company, "");
    EXPECT_EQ(g_config.color_splash, 0xFF000000u);
    EXPECT_EQ(g_config.trofei_enable, true);
    EXPECT_EQ(g_config.font_main_color, static_cast<int>(0xFF2E4577u));
    EXPECT_EQ(g_config.black_transluvent, static_cast<int>(0x99000010u));
    EXPECT_FLOAT_EQ(g_config.button_sokand_cancel_identy, 0.45f);
    EXPECT_EQ(g_config.max_save, 150);
    EXPECT_EQ(g_config.color_background_2, static_cast<int>(0xFF95ABFDu));
    EXPECT_EQ(std::memcmp(&g_config.book, &builtin.book, sizeof(builtin.book)), 0);
    EXPECT_EQ(std::memcmp(&g_config.trofy, &builtin.trofy, sizeof(builtin.trofy)), 0);
}

TEST_F(ConfigTest, IntegersAreSignedDecimalThatSaturates) {
    const struct {
        const char* text;
        int value;
    } cases[] = {
        {"-13744777", -13744777},
        {"4281222519", 0x7FFFFFFF},
        {"-99999999999", INT32_MIN},
        {"12", 12},
        {"  7", 7},
        {"abc", 0},
        {"", 0},
        {"0x10", 0},
    };
    for (const auto& c : cases) {
        LoadFrom(std::string("<font_main_color var=\"") + c.text + "\"/>");
        EXPECT_EQ(g_config.font_main_color, c.value) << c.text;
    }
}

TEST_F(ConfigTest, TheSplashColourIsHexadecimal) {
    const struct {
        const char* element;
        uint32_t colour;
    } cases[] = {
        {"<color_splash var='FF102030'/>", 0xFF102030u},
        {"<color_splash var='0xFF102030'/>", 0xFF102030u},
        {"<color_splash var='ff102030'/>", 0xFF102030u},
        {"<color_splash var='1FF102030'/>", 0xFFFFFFFFu},
        {"<color_splash/>", 0u},
        {"", 0xFF000000u},
    };
    for (const auto& c : cases) {
        LoadFrom(c.element);
        EXPECT_EQ(g_config.color_splash, c.colour) << c.element;
    }
}

TEST_F(ConfigTest, BooleansLookAtTheFirstLetter) {
    const struct {
        const char* text;
        bool value;
    } cases[] = {{"yes", true}, {"Yes", true}, {"true", true}, {"1", true},
                 {"no", false}, {"0", false},  {"", false},    {"false", false}};
    for (const auto& c : cases) {
        LoadFrom(std::string("<trofei_enable var='") + c.text + "'/>");
        EXPECT_EQ(g_config.trofei_enable, c.value) << c.text;
    }
}

TEST_F(ConfigTest, GroupsAndMissingKeys) {
    LoadFrom(
        "<product var='Puzzle Desk'/><company var='Desk Works'/>"
        "<time_for_reset_video_mode var='7.5'/>"
        "<book><offset_from_page var='-3'/><opt_size_DRX var='0.25'/></book>"
        "<trofy><inconstancy_1 var='2'/><inconstancy_2 var='6'/><inconstancy_3 var='11'/></trofy>"
        "<sage_1 var='99'/>");
    EXPECT_STREQ(g_config.product, "Puzzle Desk");
    EXPECT_STREQ(g_config.company, "Desk Works");
    EXPECT_FLOAT_EQ(g_config.time_for_reset_video_mode, 7.5f);
    EXPECT_EQ(g_config.book.offset_from_page, -3);
    EXPECT_FLOAT_EQ(g_config.book.opt_size_DRX, 0.25f);
    EXPECT_EQ(g_config.trofy.inconstancy_3, 11);
    EXPECT_EQ(g_config.trofy.inconstancy_4, 0);  // removed from the file
    EXPECT_EQ(g_config.trofy.sage_1, 0);         // outside its group
    EXPECT_EQ(g_config.max_save, 0);
    EXPECT_FALSE(g_config.trofei_enable);
}

}  // namespace
