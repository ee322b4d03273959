// The shipped resource.xml and the packs: every registry item is a member of the pack its
// consumer selects, with the frame layout its widget expects.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "engine/render/image_info.h"
#include "engine/resources/registry.h"
#include "engine/resources/registry_items.h"
#include "tests/data/game_folder.h"

namespace {

// Where each section's items are loaded from: the pack of every item, or per item where one
// section is shared between screens that select different packs.
struct SECTION_PACKS {
    const char* section;
    const char* const* pack;                    // g_resources.packs field for every item ...
    std::map<int, const char* const*> by_item;  // ... unless the item is listed here
};

const RESOURCES::PACKS& Packs() {
    return g_resources.packs;
}

std::vector<SECTION_PACKS> SectionPacks() {
    const RESOURCES::PACKS& p = Packs();
    return {
        {"main_screen", &p.menu_pack, {}},
        {"book", &p.book_pack, {}},
        {"particle", &p.effects_pack, {}},
        {"cursor", &p.menu_pack, {}},
        {"gallery_button", &p.book_pack, {}},
        {"gui", &p.gui_pack, {}},
        {"window_trophy", &p.gui_pack, {{9, &p.trofei_pack}}},
        {"window_liders", &p.gui_pack, {}},
        {"window_change_player", &p.gui_pack, {}},
        {"window_settings", &p.gui_pack, {}},
        {"window_scores", &p.gui_pack, {}},
        {"window_change_resolution", &p.gui_pack, {}},
        {"change_puzzle_screen", &p.gui_pack, {}},
        {"exit_question", &p.gui_pack, {}},
        {"save_question", &p.gui_pack, {}},
        {"choice_color_back", &p.level_pack, {}},
        {"up_score_punel", &p.level_pack, {}},
        {"change_player", &p.menu_pack, {}},
        {"rotation_text", &p.gui_pack, {}},
        {"play_panel", &p.level_pack, {}},
        {"fly_frame", &p.level_pack, {}},
        {"pocket", &p.pocket_pack, {}},
        {"level_win", &p.gui_pack, {{2, &p.menu_pack}, {3, &p.menu_pack}}},
        {"loading_screen", &p.loading_pack, {}},
        {"author_screen", &p.gui_pack, {}},
        {"faq_screen", &p.gui_pack, {}},
        {"sound", &p.music_pack, {}},
    };
}

// Base names of window_trophy completed with the level and the extension, levels counted as
// the configuration's thresholds.
const std::pair<int, int> kTrophyLevels[] = {{3, 5}, {4, 3}, {5, 4}, {6, 4}, {7, 4}, {8, 6}};

const RESOURCE_SECTION* FindSection(const char* name) {
    for (const RESOURCE_SECTION& s : ResourceSections()) {
        if (std::string(s.name) == name)
            return &s;
    }
    return nullptr;
}

class RegistryDataTest : public RegistryFolderTest {
  protected:
    // The size of an image member, or false when it is missing or no PNG/JPEG.
    bool MemberImageSize(const char* pack, const char* member, int& w, int& h) {
        std::vector<unsigned char> bytes;
        return ReadGameMember(pack, member, bytes) &&
               ReadImageInfo(bytes.data(), bytes.size(), w, h);
    }
};

TEST_F(RegistryDataTest, ShippedResourceXmlEqualsTheBuiltInRegistry) {
    for (const RESOURCE_SECTION& section : ResourceSections()) {
        for (size_t i = 0; i < section.items.size(); ++i) {
            const RESOURCE_ITEM& item = section.items[i];
            SCOPED_TRACE(std::string(section.name) + " item " + std::to_string(i));
            ASSERT_NE(*item.field, nullptr);
            EXPECT_STREQ(*item.field, item.builtin);
            if (item.space) {
                EXPECT_EQ(*item.space, item.builtin_space);
            }
        }
    }
}

TEST_F(RegistryDataTest, EveryItemIsAMemberOfThePackItsScreenSelects) {
    std::vector<unsigned char> bytes;
    for (const SECTION_PACKS& entry : SectionPacks()) {
        const RESOURCE_SECTION* section = FindSection(entry.section);
        ASSERT_NE(section, nullptr) << entry.section;
        for (int i = 0; i < static_cast<int>(section->items.size()); ++i) {
            if (std::string(entry.section) == "window_trophy" && i >= 2 && i <= 8)
                continue;
            auto item_pack = entry.by_item.find(i);
            const char* pack = *(item_pack != entry.by_item.end() ? item_pack->second : entry.pack);
            const char* member = *section->items[i].field;
            EXPECT_TRUE(ReadGameMember(pack, member, bytes))
                << entry.section << " item " << i << ": " << member << " is not in " << pack;
            EXPECT_FALSE(bytes.empty()) << member;
        }
    }
}

TEST_F(RegistryDataTest, EveryTrophyLevelHasItsPicture) {
    const RESOURCE_SECTION* trophies = FindSection("window_trophy");
    ASSERT_NE(trophies, nullptr);
    const std::string extension = *trophies->items[2].field;
    std::vector<unsigned char> bytes;
    for (auto [item, levels] : kTrophyLevels) {
        for (int level = 1; level <= levels; ++level) {
            const std::string member =
                *trophies->items[item].field + std::to_string(level) + extension;
            EXPECT_TRUE(ReadGameMember(Packs().trofei_pack, member, bytes)) << member;
        }
    }
}

TEST_F(RegistryDataTest, ButtonStripsHoldFourFramesAndCheckBoxesTwo) {
    const RESOURCES& r = g_resources;
    struct STRIP {
        const char* pack;
        const char* member;
        int frames;
    };
    const STRIP strips[] = {
        {r.packs.menu_pack, r.main_screen.button_top, 4},
        {r.packs.menu_pack, r.main_screen.button_trophy, 4},
        {r.packs.menu_pack, r.main_screen.button_compleat, 4},
        {r.packs.menu_pack, r.main_screen.button_play, 4},
        {r.packs.menu_pack, r.main_screen.button_cut, 4},
        {r.packs.menu_pack, r.main_screen.button_exit, 4},
        {r.packs.menu_pack, r.main_screen.button_settings, 4},
        {r.packs.menu_pack, r.main_screen.save_delete, 4},
        {r.packs.menu_pack, r.main_screen.next_page, 4},
        {r.packs.menu_pack, r.main_screen.prev_page, 4},
        {r.packs.book_pack, r.gallery_button, 4},
        {r.packs.gui_pack, r.gui.ok_button, 4},
        {r.packs.gui_pack, r.gui.cancel_button, 4},
        {r.packs.gui_pack, r.gui.flat, 4},
        {r.packs.gui_pack, r.gui.slider_plus, 4},
        {r.packs.gui_pack, r.gui.slider_minus, 4},
        {r.packs.level_pack, r.play_panel.exit, 4},
        {r.packs.level_pack, r.play_panel.frame, 4},
        {r.packs.level_pack, r.play_panel.hint, 4},
        {r.packs.level_pack, r.play_panel.image, 4},
        {r.packs.level_pack, r.play_panel.sort, 4},
        {r.packs.level_pack, r.play_panel.magnifer, 4},
        {r.packs.level_pack, r.play_panel.border, 4},
        {r.packs.level_pack, r.play_panel.settings, 4},
        {r.packs.level_pack, r.fly_frame.x1, 4},
        {r.packs.level_pack, r.fly_frame.x2, 4},
        {r.packs.level_pack, r.fly_frame.x3, 4},
        {r.packs.level_pack, r.fly_frame.close, 4},
        {r.packs.gui_pack, r.level_win.replay, 4},
        {r.packs.pocket_pack, r.pocket.button, 4},
        {r.packs.gui_pack, r.gui.slider, 4},  // left cap, track, right cap, knob
        {r.packs.gui_pack, r.gui.check_box, 2},
        {r.packs.gui_pack, r.change_puzzle_screen, 2},
    };
    for (const STRIP& strip : strips) {
        int w = 0, h = 0;
        ASSERT_TRUE(MemberImageSize(strip.pack, strip.member, w, h)) << strip.member;
        EXPECT_EQ(w % strip.frames, 0) << strip.member << " is " << w << " wide";
        EXPECT_GT(w / strip.frames, 0) << strip.member;
    }
}

TEST_F(RegistryDataTest, SoundsAreOggVorbis) {
    std::vector<unsigned char> bytes;
    for (int i = 0; i < RESOURCES::SOUND::kCount; ++i) {
        const char* member = g_resources.sound[i];
        ASSERT_TRUE(ReadGameMember(Packs().music_pack, member, bytes)) << member;
        ASSERT_GT(bytes.size(), 64u) << member;
        EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "OggS") << member;
        EXPECT_NE(std::string(bytes.begin(), bytes.begin() + 64).find("vorbis"), std::string::npos)
            << member;
    }
}

}  // namespace
