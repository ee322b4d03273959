// editions.xml from the editions pack: the six required elements and the two optional texts.
#include "engine/frame/editions.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/resources/file_system.h"
#include "engine/resources/pack_password.h"
#include "engine/text/strings.h"
#include "tests/engine/text/sheet_fixture.h"
#include "tests/support/scratch_folder.h"
#include "tools/pack_builder/pack_writer.h"

namespace {

const char* const kRequired[] = {
    "<url_file param='play.url'/>",    "<run_if_url_lost param='false'/>",
    "<exe_file param='tools/go.sh'/>", "<run_if_exe_lost param='yes'/>",
    "<splash1 param='logo1.png'/>",    "<splash2 param='logo2.png'/>",
};

class EditionsTest : public ::testing::Test {
  protected:
    EditionsTest() : working_(scratch_.Root()) {}

    void SetUp() override {
        saved_uses_packs_ = UsePacks;
        UsePacks = true;
        g_file_system.PackPassword = kPackPassword;
        g_editions = EDITIONS();
        GetStringTable().Clear();
        scratch_.Write("strings.xml", Sheet({{"edition_notice", "Licensed edition"}}));
    }
    void TearDown() override {
        UsePacks = saved_uses_packs_;
        g_editions = EDITIONS();
        GetStringTable().Clear();
    }

    void Pack(const std::string& body) {
        const std::string source =
            scratch_.Write("src/editions.xml", "<editions>" + body + "</editions>");
        std::string error;
        ASSERT_EQ(WritePack(scratch_.Path("DATA/editions"), {{"editions.xml", source}},
                            kPackPassword, error),
                  1)
            << error;
    }

    static std::string Required(int except = -1) {
        std::string body;
        for (int i = 0; i < 6; ++i) {
            body += i == except ? "" : kRequired[i];
        }
        return body;
    }

    static void ExpectDefaults() {
        EXPECT_TRUE(g_editions.run_if_url_lost);
        EXPECT_TRUE(g_editions.run_if_exe_lost);
        EXPECT_EQ(g_editions.url_file, "");
        EXPECT_EQ(g_editions.exe_file, "");
        EXPECT_EQ(g_editions.splash1, "");
        EXPECT_EQ(g_editions.notice_text, nullptr);
    }

    SCRATCH_FOLDER scratch_;
    WORKING_FOLDER working_;
    bool saved_uses_packs_ = false;
};

TEST_F(EditionsTest, TheSixRequiredElementsAloneReadAllValuesAndNoTexts) {
    Pack(Required());
    LoadEditions();
    EXPECT_EQ(g_editions.url_file, "play.url");
    EXPECT_FALSE(g_editions.run_if_url_lost);
    EXPECT_EQ(g_editions.exe_file, "tools/go.sh");
    EXPECT_TRUE(g_editions.run_if_exe_lost);
    EXPECT_EQ(g_editions.splash1, "logo1.png");
    EXPECT_EQ(g_editions.splash2, "logo2.png");
    EXPECT_EQ(g_editions.notice_text, nullptr);
    EXPECT_EQ(g_editions.title_text, nullptr);
    EXPECT_EQ(g_file_system.CurrentPack, nullptr);  // unselected again
}

TEST_F(EditionsTest, AnyMissingRequiredElementKeepsTheDefaults) {
    for (int missing = 0; missing < 6; ++missing) {
        g_editions = EDITIONS();
        Pack(Required(missing) + "<copyright1 var='edition_notice' x='1' y='2'/>");
        LoadEditions();
        SCOPED_TRACE(kRequired[missing]);
        ExpectDefaults();
    }
}

TEST_F(EditionsTest, NoPackOrNoFileKeepsTheDefaults) {
    LoadEditions();
    ExpectDefaults();
    const std::string other = scratch_.Write("src/other.xml", "<x/>");
    std::string error;
    ASSERT_EQ(
        WritePack(scratch_.Path("DATA/editions"), {{"other.xml", other}}, kPackPassword, error), 1);
    LoadEditions();
    ExpectDefaults();
    EXPECT_EQ(g_file_system.CurrentPack, nullptr);
}

TEST_F(EditionsTest, TextsAreLocalisedOrShowTheirKey) {
    Pack(Required() +
         "<copyright1 var='no_such_key' x='12' y='-30'/>"
         "<copyright_title var='edition_notice' x='640' y='700'/>");
    LoadEditions();
    ASSERT_NE(g_editions.notice_text, nullptr);
    EXPECT_STREQ(g_editions.notice_text, "no_such_key");
    EXPECT_EQ(g_editions.notice_x, 12);
    EXPECT_EQ(g_editions.notice_y, -30);
    ASSERT_NE(g_editions.title_text, nullptr);
    EXPECT_STREQ(g_editions.title_text, "Licensed edition");
    EXPECT_EQ(g_editions.title_x, 640);
    EXPECT_EQ(g_editions.title_y, 700);
}

}  // namespace
