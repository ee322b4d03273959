// The string table: reading office-suite sheets, lookups, and the texts resolved at start-up.
#include "engine/text/strings.h"

#include <gtest/gtest.h>

#include <pugixml.hpp>
#include <string>

#include "tests/engine/text/sheet_fixture.h"
#include "tests/support/scratch_folder.h"

namespace {

WSTRING_TABLE TableOf(const std::string& xml) {
    pugi::xml_document document;
    EXPECT_TRUE(document.load_string(xml.c_str()));
    WSTRING_TABLE table;
    table.LoadSheet(document);
    return table;
}

TEST(StringTable, ReadsASheetAsAnOfficeSuiteWritesIt) {
    const WSTRING_TABLE table = TableOf(Sheet({{"key", "text"},
                                               {"menu_btn_hello", "Hello, %s!"},
                                               {"menu_btn_hello", "second copy"},
                                               {"Menu_btn_hello", "other case"},
                                               {"caf\xC3\xA9", "UTF-8 \xE2\x9C\x93"}}));
    EXPECT_EQ(table.RowCount(), 5);
    EXPECT_STREQ(table.Lookup("key"), "text");  // the header row is an entry like the others
    EXPECT_STREQ(table.Lookup("menu_btn_hello"), "Hello, %s!");
    EXPECT_STREQ(table.Lookup("Menu_btn_hello"), "other case");
    EXPECT_STREQ(table.Lookup("caf\xC3\xA9"), "UTF-8 \xE2\x9C\x93");
    const char* missing = "menu_btn_missing";
    EXPECT_EQ(table.Lookup(missing), missing);  // the key pointer itself
    EXPECT_EQ(table.LookupString("menu_btn_missing"), "menu_btn_missing");
}

TEST(StringTable, CellsCountByPositionAndExplicitIndex) {
    const std::string rows =
        SheetRow(SheetCell("only_key")) +                                // no text cell
        SheetRow(SheetCell("right text", 2)) +                           // key cell left out
        SheetRow(SheetCell("gap_key") + SheetCell("third column", 3)) +  // text cell left out
        SheetRow(SheetCell("wide_key") + SheetCell("comment") + SheetCell("ignored")) +
        SheetRow("<Cell ss:MergeAcross=\"1\"><Data ss:Type=\"String\">merged_key</Data></Cell>" +
                 SheetCell("after merge")) +
        SheetRow(SheetCell("rich_key") +
                 "<Cell><ss:Data ss:Type=\"String\" xmlns=\"http://www.w3.org/TR/REC-html40\">"
                 "<B>Bold</B> and plain</ss:Data></Cell>") +
        // Hostile merges: one that would wrap the column count past a later ss:Index 2, and a
        // negative one that would step back onto the key column.
        SheetRow("<Cell ss:MergeAcross=\"2147483647\"><Data>huge_merge_key</Data></Cell>" +
                 SheetCell("wrapped text", 2)) +
        SheetRow(SheetCell("back_key") +
                 "<Cell ss:MergeAcross=\"-2\"><Data>back text</Data></Cell>" +
                 SheetCell("overwritten_key"));
    const WSTRING_TABLE table = TableOf(Sheet({}, rows));
    EXPECT_EQ(table.RowCount(), 8);
    EXPECT_STREQ(table.Lookup("only_key"), "Value not loaded");
    EXPECT_STREQ(table.Lookup("Value not loaded"), "right text");
    EXPECT_STREQ(table.Lookup("gap_key"), "Value not loaded");
    EXPECT_STREQ(table.Lookup("wide_key"), "comment");
    EXPECT_STREQ(table.Lookup("merged_key"), "Value not loaded");
    EXPECT_STREQ(table.Lookup("rich_key"), "Bold and plain");
    EXPECT_STREQ(table.Lookup("huge_merge_key"), "Value not loaded");
    EXPECT_STREQ(table.Lookup("back_key"), "back text");
}

// Office suites choose their own prefix for the spreadsheet's names; what counts is the
// namespace it stands for.
TEST(StringTable, NamesMatchByNamespaceAndLocalName) {
    const std::string cells = "<Cell><Data>key</Data></Cell><Cell><Data>text</Data></Cell>";
    struct Case {
        const char* name;
        std::string xml;
        const char* text;  // what "key" looks up to
    };
    const Case cases[] = {
        {"every element prefixed", PrefixElements(Sheet({{"key", "text"}}), "ss:"), "text"},
        {"another prefix, attributes too",
         "<s:Workbook xmlns:s='urn:schemas-microsoft-com:office:spreadsheet'><s:Worksheet>"
         "<s:Table><s:Row><s:Cell s:Index='2'><s:Data>key</s:Data></s:Cell></s:Row>"
         "<s:Row><s:Cell><s:Data>key</s:Data></s:Cell><s:Cell><s:Data>text</s:Data></s:Cell>"
         "</s:Row></s:Table></s:Worksheet></s:Workbook>",
         "text"},
        {"no namespace at all",
         "<Workbook><Worksheet><Table><Row>" + cells + "</Row></Table></Worksheet></Workbook>",
         "text"},
        {"the sheet's names in another namespace",
         "<Workbook xmlns='urn:other'><Worksheet><Table><Row>" + cells +
             "</Row></Table></Worksheet></Workbook>",
         "key"},
        {"a worksheet of another namespace first",
         "<Workbook xmlns:o='urn:other'><o:Worksheet/><Worksheet><Table><Row>" + cells +
             "</Row></Table></Worksheet></Workbook>",
         "text"},
    };
    for (const Case& c : cases) {
        EXPECT_STREQ(TableOf(c.xml).Lookup("key"), c.text) << c.name;
    }
}

TEST(StringTable, OtherColumnsLaterLoadsAndBadDocuments) {
    pugi::xml_document document;
    ASSERT_TRUE(document.load_string(Sheet({{"text one", "key_one"}}).c_str()));
    WSTRING_TABLE table;
    EXPECT_EQ(table.LoadSheet(document, 2, 1), 1);
    EXPECT_STREQ(table.Lookup("key_one"), "text one");
    ASSERT_TRUE(document.load_string(Sheet({{"key_one", "later"}, {"key_two", "two"}}).c_str()));
    EXPECT_EQ(table.LoadSheet(document), 3);  // appended after the first load
    EXPECT_STREQ(table.Lookup("key_one"), "text one");
    EXPECT_STREQ(table.Lookup("key_two"), "two");

    const char* not_sheets[] = {
        "<Workbook><Worksheet><Table/></Worksheet></Workbook>",
        "<ss:Workbook xmlns:ss='urn:x'><ss:Worksheet><ss:Table><ss:Row><ss:Cell><ss:Data>k"
        "</ss:Data></ss:Cell></ss:Row></ss:Table></ss:Worksheet></ss:Workbook>",
        "<Book><Worksheet><Table><Row/></Table></Worksheet></Book>",
    };
    for (const char* xml : not_sheets) {
        ASSERT_TRUE(document.load_string(xml));
        WSTRING_TABLE empty;
        EXPECT_EQ(empty.LoadSheet(document), 0) << xml;
    }
}

class ResolvedTextsTest : public ::testing::Test {
  protected:
    void TearDown() override {
        g_texts = TEXTS();
        ClearOptionalMessages();
    }
};

TEST_F(ResolvedTextsTest, KeysResolveToTheirTextsOrThemselves) {
    const WSTRING_TABLE table = TableOf(Sheet({
        {"menu_btn_hello", "Hello"},
        {"tutorial_txt_step03", "Step three"},
        {"menu_txt_profile_select", "Select"},
        {"menu_btn_pack00_name", "Animals"},
        {"menu_btn_pack10_name", "Cities"},
        {"menu_btn_pack20_name", "Last"},
        {"system_txt_resolution", "Too small"},
    }));
    ResolveTexts(table);
    EXPECT_STREQ(g_texts.menu_btn_hello, "Hello");
    EXPECT_STREQ(g_texts.tutorial_txt_step03, "Step three");
    EXPECT_STREQ(g_texts.menu_txt_profile_select, "Select");
    EXPECT_STREQ(g_texts.game_txt_score, "game_txt_score");
    EXPECT_STREQ(g_texts.credits_txt_header, "credits_txt_header");
    EXPECT_EQ(g_texts.error_play_url, nullptr);
    EXPECT_STREQ(g_texts.system_txt_resolution, "Too small");

    ASSERT_EQ(g_pack_names.size(), 21u);
    EXPECT_EQ(g_pack_names[0], "Animals");
    EXPECT_EQ(g_pack_names[3], "menu_btn_pack03_name");
    EXPECT_EQ(g_pack_names[10], "Cities");
    EXPECT_EQ(g_pack_names[20], "Last");
}

TEST_F(ResolvedTextsTest, CreditsListsKeepOnlyTheTextsThatExist) {
    const WSTRING_TABLE table = TableOf(Sheet({
        {"credits_txt_manager", "Management"},
        {"credits_txt_manager_name02", "M. Two"},
        {"credits_txt_technology", "Technology"},
        {"credits_txt_technology_name", "Engine Team"},
        {"credits_txt_music", "Music"},
        {"error_play_url", "play.url is missing"},
    }));
    ResolveTexts(table);
    const CREDITS_GROUP& manager = g_credits[2];
    EXPECT_EQ(manager.keys, (std::vector<std::string>{
                                "credits_txt_manager", "credits_txt_manager_name01",
                                "credits_txt_manager_name02", "credits_txt_manager_name03"}));
    EXPECT_EQ(manager.texts, (std::vector<std::string>{"Management", "M. Two"}));
    EXPECT_EQ(g_credits[1].keys,
              (std::vector<std::string>{"credits_txt_technology", "credits_txt_technology_name"}));
    EXPECT_EQ(g_credits[1].texts, (std::vector<std::string>{"Technology", "Engine Team"}));
    EXPECT_EQ(g_credits[7].texts, (std::vector<std::string>{"Music"}));  // names all missing
    EXPECT_TRUE(g_credits[9].texts.empty());
    EXPECT_EQ(g_credits[9].keys.front(), "credits_txt_screenwriter");
    EXPECT_STREQ(g_texts.error_play_url, "play.url is missing");
    EXPECT_EQ(g_texts.system_txt_resolution, nullptr);
}

TEST(StringsFile, MissingAndUnparsableFiles) {
    SCRATCH_FOLDER scratch;
    WSTRING_TABLE table;
    EXPECT_FALSE(LoadStringsFile(scratch.Path("strings.xml").c_str(), table));
    const std::string broken = scratch.Write("broken.xml", Sheet({{"k", "v"}}).substr(0, 900));
    EXPECT_TRUE(LoadStringsFile(broken.c_str(), table));
    EXPECT_EQ(table.RowCount(), 0);
    const std::string good = scratch.Write("strings.xml", Sheet({{"k", "v"}}));
    EXPECT_TRUE(LoadStringsFile(good.c_str(), table));
    EXPECT_STREQ(table.Lookup("k"), "v");
}

// A cell's text is gathered from however deep its runs nest, without a call per level.
TEST(StringsFile, DeeplyNestedCellsLoad) {
    SCRATCH_FOLDER scratch;
    constexpr int kDepth = 200000;
    std::string runs;
    for (int i = 0; i < kDepth; ++i) {
        runs += "<B>";
    }
    runs += "deep text";
    for (int i = 0; i < kDepth; ++i) {
        runs += "</B>";
    }
    const std::string path = scratch.Write("strings.xml", Sheet({{"deep", runs}, {"k", "v"}}));
    WSTRING_TABLE table;
    ASSERT_TRUE(LoadStringsFile(path.c_str(), table));
    EXPECT_STREQ(table.Lookup("deep"), "deep text");
    EXPECT_STREQ(table.Lookup("k"), "v");
}

}  // namespace
