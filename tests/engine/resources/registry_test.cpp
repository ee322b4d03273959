// resource.xml: the built-in file, reading by position, and what missing parts read as.
#include "engine/resources/registry.h"

#include <gtest/gtest.h>

#include <pugixml.hpp>
#include <string>

#include "engine/resources/registry_items.h"
#include "tests/support/scratch_folder.h"

namespace {

class RegistryTest : public ::testing::Test {
  protected:
    RegistryTest() : working_(scratch_.Root()) {}
    void SetUp() override { g_resources = RESOURCES(); }

    // Every item holds its built-in value.
    static void ExpectBuiltIn() {
        for (const RESOURCE_SECTION& section : ResourceSections()) {
            for (const RESOURCE_ITEM& item : section.items) {
                ASSERT_NE(*item.field, nullptr) << section.name;
                EXPECT_STREQ(*item.field, item.builtin) << section.name << " " << item.name;
                if (item.space) {
                    EXPECT_EQ(*item.space, item.builtin_space) << item.name;
                }
            }
        }
    }

    SCRATCH_FOLDER scratch_;
    WORKING_FOLDER working_;
};

TEST_F(RegistryTest, AMissingFileIsRecreatedWithTheBuiltInContent) {
    LoadResources();
    const std::string file = scratch_.Read("resource.xml");
    EXPECT_EQ(file.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_EQ(file.find('\t'), std::string::npos);
    EXPECT_NE(file.find("<resource>\n<progress_file var=\"Progress.xml\" />\n<fonts>\n"
                        "<big_font var=\"Font_big.fnt\" space=\"-8\" />\n"),
              std::string::npos)
        << file.substr(0, 200);
    ExpectBuiltIn();

    EXPECT_STREQ(g_resources.progress_file, "Progress.xml");
    EXPECT_STREQ(g_resources.packs.menu_pack, "DATA/menu");
    EXPECT_STREQ(g_resources.packs.mid_pack, "DATA/mid");
    EXPECT_STREQ(g_resources.main_screen.shadow, "QSadow.png");
    EXPECT_STREQ(g_resources.main_screen.linoleum, "lenolium.jpg");
    EXPECT_STREQ(g_resources.fonts.font_loading.var, "Font_big.fnt");
    EXPECT_EQ(g_resources.fonts.font_loading.space, -8);
    EXPECT_EQ(g_resources.fonts[1].space, -6);
    EXPECT_STREQ(g_resources.fonts[3].var, "numbers.fnt");
    EXPECT_STREQ(g_resources.cursor, "Cursor.png");
    EXPECT_STREQ(g_resources.level_win.rot_yes, "complit_rotation.png");
    EXPECT_STREQ(g_resources.author_screen.blue_pic, "avtor_fon.png");
    EXPECT_STREQ(g_resources.sound[0], "button_disabled.ogg");
    EXPECT_STREQ(g_resources.sound[13], "game_01.ogg");
    EXPECT_STREQ(g_resources.sound[RESOURCES::SOUND::kCount - 1], "tools_off.ogg");

    // A second start reads the file it wrote and leaves it alone.
    g_resources = RESOURCES();
    LoadResources();
    ExpectBuiltIn();
    EXPECT_EQ(scratch_.Read("resource.xml"), file);
}

TEST_F(RegistryTest, ReadingTheSameFileAgainKeepsNoNewCopies) {
    // Every text read is kept for the life of the process; a second read of the same table must
    // hand out the copies already kept, or reading tables again grows memory without bound.
    LoadResources();
    const char* first_sound = g_resources.sound[13];
    LoadResources();
    EXPECT_EQ(g_resources.sound[13], first_sound);
}

TEST_F(RegistryTest, ItemsAreTakenByPositionWhateverTheirNames) {
    WriteDefaultResources();
    pugi::xml_document document;
    ASSERT_TRUE(document.load_file("resource.xml"));
    pugi::xml_node root = document.document_element();
    root.set_name("anything");
    root.first_child().set_name("first_item");
    for (pugi::xml_node section : root.children()) {
        for (pugi::xml_node item : section.children()) {
            item.set_name("item");
        }
    }
    // Whole sections in another order read the same too.
    root.append_move(root.child("packs"));
    ASSERT_TRUE(document.save_file("resource.xml"));
    LoadResources();
    ExpectBuiltIn();
}

TEST_F(RegistryTest, MissingPartsReadAsEmptyOrZero) {
    scratch_.Write("resource.xml",
                   "<r><p var='progress'/>"
                   "<fonts><a var='one.fnt'/><b var='two.fnt' space='3'/></fonts>"
                   "<level_win><x var='second'/><y var='first'/></level_win>"
                   "<loading_screen><a var='bg'/><b var='gear'/><c var='extra'/></loading_screen>"
                   "<cursor/></r>");
    LoadResources();
    EXPECT_STREQ(g_resources.progress_file, "progress");
    EXPECT_STREQ(g_resources.fonts.big_font.var, "one.fnt");
    EXPECT_EQ(g_resources.fonts.big_font.space, 0);  // no space attribute
    EXPECT_EQ(g_resources.fonts.font.space, 3);
    EXPECT_STREQ(g_resources.fonts.font_loading.var, "");  // too few items
    EXPECT_STREQ(g_resources.level_win.complit, "second");
    EXPECT_STREQ(g_resources.level_win.replay, "first");
    EXPECT_STREQ(g_resources.level_win.rot_yes, "");
    EXPECT_STREQ(g_resources.loading_screen.gear, "gear");
    EXPECT_STREQ(g_resources.cursor, "");           // no var
    EXPECT_STREQ(g_resources.packs.menu_pack, "");  // no section
    EXPECT_STREQ(g_resources.sound[5], "");
}

TEST_F(RegistryTest, AFileThatDoesNotParseGivesEmptyTextsEverywhere) {
    scratch_.Write("resource.xml", "<resource><progress_file var='x'");
    LoadResources();
    for (const RESOURCE_SECTION& section : ResourceSections()) {
        for (const RESOURCE_ITEM& item : section.items) {
            ASSERT_NE(*item.field, nullptr);
            EXPECT_STREQ(*item.field, "");
        }
    }
}

TEST_F(RegistryTest, BuiltInValuesCanBeUsedWithoutAFile) {
    UseBuiltInResources();
    ExpectBuiltIn();
    EXPECT_TRUE(scratch_.Read("resource.xml").empty());
}

}  // namespace
