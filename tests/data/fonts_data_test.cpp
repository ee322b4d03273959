// The shipped fonts: each description parses, its page loads from the fonts pack, and the text
// fonts have a glyph for every character of strings.xml.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <pugixml.hpp>
#include <set>
#include <string>

#include "engine/frame/game.h"
#include "engine/render/render_device.h"
#include "engine/resources/registry.h"
#include "engine/text/font.h"
#include "engine/ui/sprite.h"
#include "game/board/board_effects.h"
#include "tests/data/game_folder.h"

namespace {

class FontsDataTest : public RegistryFolderTest {
  protected:
    void SetUp() override {
        RegistryFolderTest::SetUp();
        render_ = WUN::ST_GAME::GetInstance()->GetRender();
    }
    void TearDown() override {
        g_file_system.UnselectPack();
        RegistryFolderTest::TearDown();
    }
    std::unique_ptr<WFONT> Load(const RESOURCE_FONT& item) {
        g_file_system.SelectPack(g_resources.packs.fonts_pack);
        auto font = std::make_unique<WFONT>(*render_, item.var);
        g_file_system.UnselectPack();
        return font;
    }
    // Every code point of every text in strings.xml.
    static std::set<int> StringCharacters() {
        pugi::xml_document sheet;
        EXPECT_TRUE(sheet.load_file("strings.xml"));
        std::set<int> codes;
        for (pugi::xpath_node cell : sheet.select_nodes("//Row/*[2]/*[1]")) {
            for (wchar_t c : pugi::as_wide(cell.node().child_value())) {
                if (c != L'\n')
                    codes.insert(static_cast<int>(c));
            }
        }
        return codes;
    }
    WRENDER* render_ = nullptr;
};

TEST_F(FontsDataTest, EveryFontParsesAndItsPageLoads) {
    for (int i = 0; i < RESOURCES::FONTS::kCount; ++i) {
        const RESOURCE_FONT& item = g_resources.fonts[i];
        SCOPED_TRACE(item.var);
        std::unique_ptr<WFONT> font = Load(item);
        EXPECT_GT(font->Size(), 0);
        EXPECT_GE(font->GlyphCount(), 95);
        EXPECT_NE(font->PageTexture(), render_->GetDefaultTexture())
            << "the page is missing from the fonts pack";
        // A page larger than the device loads unscaled would come out squeezed, and every
        // glyph's place on it wrong.
        pugi::xml_document description;
        ASSERT_TRUE(description.load_file(item.var));
        const pugi::xml_node common = description.document_element().child("common");
        EXPECT_EQ(font->PageTexture()->width, common.attribute("scaleW").as_int());
        EXPECT_EQ(font->PageTexture()->height, common.attribute("scaleH").as_int());
        // Every digit draws, and a cell is wide enough that the registry's negative spacing still
        // moves the pen forward.
        for (int code = '0'; code <= '9'; ++code) {
            ASSERT_NE(font->Glyph(code), nullptr) << static_cast<char>(code);
            EXPECT_GT(font->GlyphWidth(code) + item.space, 0);
        }
        const WFONT_CHAR* zero = font->Glyph('0');
        EXPECT_LT(zero->right, 1.0f);
        EXPECT_LT(zero->bottom, 1.0f);
    }
}

TEST_F(FontsDataTest, CellsAdvanceByTheFaceAdvanceUnderTheRegistrySpacing) {
    // The game advances by cell width + spacing; the cells carry half the (negative) spacing as
    // padding on each side, so that sum is the face's own advance, kept as xadvance.
    for (int i = 0; i < RESOURCES::FONTS::kCount; ++i) {
        const RESOURCE_FONT& item = g_resources.fonts[i];
        pugi::xml_document description;
        ASSERT_TRUE(description.load_file(item.var)) << item.var;
        int checked = 0;
        for (pugi::xml_node c : description.document_element().child("chars").children("char")) {
            EXPECT_EQ(c.attribute("width").as_int() + item.space, c.attribute("xadvance").as_int())
                << item.var << " char " << c.attribute("id").as_int();
            ++checked;
        }
        EXPECT_GE(checked, 95) << item.var;
    }
}

TEST_F(FontsDataTest, TextFontsCoverEveryCharacterOfTheStrings) {
    const std::set<int> codes = StringCharacters();
    ASSERT_GT(codes.size(), 40u);
    for (const RESOURCE_FONT* item : {&g_resources.fonts.big_font, &g_resources.fonts.font}) {
        std::unique_ptr<WFONT> font = Load(*item);
        for (int code : codes) {
            EXPECT_NE(font->Glyph(code), nullptr) << item->var << " lacks U+" << std::hex << code;
        }
        for (int code : {0x0416, 0x044F, 0x0141, 0x00E9, 0x2014}) {  // Cyrillic, Latin, dash
            EXPECT_NE(font->Glyph(code), nullptr) << item->var << " lacks U+" << std::hex << code;
        }
    }
}

// A flying score starts at the size of a 34-pixel face and swells to three times that; the numbers
// are baked at the largest size, so at the peak they show one texel per pixel and are never
// blown up on the way.
TEST_F(FontsDataTest, AFlyingScoreStartsAtItsSizeAndPeaksAtOneTexelPerPixel) {
    std::unique_ptr<WFONT> font = Load(g_resources.fonts.font_expense);
    GAME::PUZZLE_EXPENSE score(font.get(), 500.0f, 400.0f, "+150");
    const bool recording = render_->IsRecording();
    render_->SetRecording(true);
    const auto drawn_scale = [&] {
        render_->ClearRecordedDraws();
        score.Draw();
        EXPECT_EQ(render_->GetRecordedDraws().size(), 4u);
        return render_->GetRecordedDraws().empty() ? 0.0f : render_->GetRecordedDraws()[0].sy;
    };
    const float start = drawn_scale();
    EXPECT_GE(font->Size() * start, 34.0f);
    EXPECT_LE(font->Size() * start, 42.0f);
    score.Advance(1.0f);  // a second: the top of the swell
    EXPECT_FLOAT_EQ(score.angle, static_cast<float>(M_PI / 2));
    EXPECT_FLOAT_EQ(drawn_scale(), 1.0f);
    render_->SetRecording(recording);
}

}  // namespace
