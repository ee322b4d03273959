// WFONT on recorded draws: glyph placement, spacing, alignment, lines, formatting and metrics.
#include "engine/text/font.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/platform/png_writer.h"
#include "engine/render/render_device.h"
#include "engine/resources/file_system.h"
#include "tests/support/scratch_folder.h"

namespace {

constexpr int kPageWidth = 256;
constexpr int kPageHeight = 128;

// Size 32; A and B are 20 pixels wide at x 0 and 20 with y offsets 2 and 4; no other glyphs.
const char kDescription[] =
    "<?xml version=\"1.0\"?>\n<font>\n"
    "  <info face=\"Test\" size=\"32\" bold=\"0\" italic=\"0\" charset=\"\" unicode=\"1\"/>\n"
    "  <common lineHeight=\"36\" base=\"28\" scaleW=\"256\" scaleH=\"128\" pages=\"1\"/>\n"
    "  <pages><page id=\"0\" file=\"page.png\"/></pages>\n"
    "  <chars count=\"2\">\n"
    "    <char id=\"65\" x=\"0\" y=\"0\" width=\"20\" height=\"30\" xoffset=\"1\" yoffset=\"2\""
    " xadvance=\"21\" page=\"0\" chnl=\"15\"/>\n"
    "    <char id=\"66\" x=\"20\" y=\"64\" width=\"20\" height=\"30\" xoffset=\"0\" yoffset=\"4\""
    " xadvance=\"21\" page=\"0\" chnl=\"15\"/>\n"
    "  </chars>\n  <kernings count=\"0\"/>\n</font>\n";

class FontTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const std::vector<uint32_t> page(kPageWidth * kPageHeight, 0xFFFFFFFF);
        ASSERT_TRUE(
            platform::WritePng(scratch_.Path("page.png"), page.data(), kPageWidth, kPageHeight));
        scratch_.Write("test.fnt", kDescription);
        g_file_system.SetPack(nullptr);
        g_file_system.SetLooseFolder(scratch_.Root().c_str());
        font_ = std::make_unique<WFONT>(device_, scratch_.Path("test.fnt").c_str());
        font_->spacing = -8;
    }
    void TearDown() override {
        font_.reset();
        g_file_system.SetLooseFolder("");
    }

    // Top-left corner of every glyph drawn since the last call.
    std::vector<std::pair<int, int>> Drawn() {
        std::vector<std::pair<int, int>> corners;
        for (const WRECORDED_DRAW& draw : device_.GetRecordedDraws()) {
            corners.emplace_back(static_cast<int>(draw.x), static_cast<int>(draw.y));
        }
        device_.ClearRecordedDraws();
        return corners;
    }

    using CORNERS = std::vector<std::pair<int, int>>;

    SCRATCH_FOLDER scratch_;
    WRENDER device_;  // no GL device: every draw is recorded
    std::unique_ptr<WFONT> font_;
};

TEST_F(FontTest, ReadsTheDescriptionAndPlacesGlyphsOnThePage) {
    EXPECT_EQ(font_->Size(), 32);
    EXPECT_EQ(font_->GlyphCount(), 2);
    EXPECT_EQ(WFONT(device_, scratch_.Path("test.fnt").c_str()).spacing, 8);  // size / 4 until set
    const WFONT_CHAR* b = font_->Glyph('B');
    ASSERT_NE(b, nullptr);
    EXPECT_FLOAT_EQ(b->left, 20.0f / kPageWidth);
    EXPECT_FLOAT_EQ(b->right, 40.0f / kPageWidth);
    EXPECT_FLOAT_EQ(b->top, 64.0f / kPageHeight);
    EXPECT_FLOAT_EQ(b->bottom, 94.0f / kPageHeight);
    EXPECT_EQ(font_->Glyph('C'), nullptr);

    EXPECT_EQ(font_->DrawChar('B', 10, 20), 20);
    EXPECT_EQ(font_->DrawChar('C', 10, 20), 0);
    const std::vector<WRECORDED_DRAW>& draws = device_.GetRecordedDraws();
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(draws[0].texture, font_->PageTexture());
    EXPECT_EQ(draws[0].depth, 100);
    EXPECT_FLOAT_EQ(draws[0].corners[0].x, 10.0f);  // xoffset is not applied
    EXPECT_FLOAT_EQ(draws[0].corners[0].y, 24.0f);  // yoffset is
    EXPECT_FLOAT_EQ(draws[0].corners[2].x, 30.0f);
    EXPECT_FLOAT_EQ(draws[0].corners[2].y, 54.0f);
    EXPECT_FLOAT_EQ(draws[0].corners[0].u, b->left);
    EXPECT_FLOAT_EQ(draws[0].corners[2].v, b->bottom);
}

TEST_F(FontTest, SpacingAdvancesEveryCharacterAndAloneForMissingGlyphs) {
    font_->DrawText(100, 50, "AB");
    EXPECT_EQ(Drawn(), (CORNERS{{100, 52}, {112, 54}}));
    EXPECT_EQ(font_->LineWidth(L"AB"), 24);
    EXPECT_EQ(font_->TextWidth("AB"), 24);

    font_->DrawText(100, 50, "ACB");
    EXPECT_EQ(Drawn(), (CORNERS{{100, 52}, {104, 54}}));
    EXPECT_EQ(font_->TextWidth("A\xC3\xA9"
                               "B"),
              16);                                // é has no glyph
    EXPECT_EQ(font_->TextWidth("AB\nAAAA"), 24);  // first line only
}

TEST_F(FontTest, AlignmentOffsetsComeFromTheFirstLine) {
    // "AB" is 24 wide, the line 32 high; the offsets move the first glyph from (100, 52).
    const struct {
        int align;
        int dx;
        int dy;
    } cases[] = {{0, 12, 16}, {1, 0, 0}, {2, 24, 1}, {3, 0, 0},  {4, 24, 32},
                 {5, 0, 0},   {6, 0, 0}, {7, 0, 16}, {8, 24, 16}};
    for (const auto& c : cases) {
        font_->align = c.align;
        font_->DrawText(100, 50, "AB");
        EXPECT_EQ(Drawn(), (CORNERS{{100 - c.dx, 52 - c.dy}, {112 - c.dx, 54 - c.dy}}))
            << "align " << c.align;
        EXPECT_EQ(font_->align, 1);
    }

    font_->align = 0;
    font_->DrawText(100, 50, "A\nBB");
    // Centred on "A" (12 wide): the second line starts at the first line's x.
    EXPECT_EQ(Drawn(), (CORNERS{{94, 36}, {94, 70}, {106, 70}}));
}

TEST_F(FontTest, ScaleAppliesToAdvancesLinesAndOffsets) {
    font_->SetScale(2.0f);
    EXPECT_FLOAT_EQ(font_->GetScale(), 2.0f);
    font_->align = 2;
    font_->DrawText(100, 50, "AB\nA");
    EXPECT_EQ(Drawn(), (CORNERS{{76, 50}, {100, 52}, {76, 114}}));
    font_->align = 0;
    font_->DrawText(100, 50, "AB");
    EXPECT_EQ(Drawn(), (CORNERS{{76, 20}, {100, 22}}));
    EXPECT_EQ(font_->LineWidth(L"AB"), 24);  // unscaled
}

TEST_F(FontTest, HeightColourAndFormatting) {
    EXPECT_EQ(font_->TextHeight("AB"), 32);
    EXPECT_EQ(font_->TextHeight("A\nB"), 64);
    EXPECT_EQ(font_->TextHeight(""), 32);

    font_->SetColour(0xFF112233);
    EXPECT_EQ(font_->GetColour(), 0xFF112233u);
    font_->Printf(0, 0, "%s%d", "AB", 7);
    ASSERT_EQ(device_.GetRecordedDraws().size(), 2u);
    EXPECT_EQ(device_.GetRecordedDraws()[0].colour, 0xFF112233u);
    device_.ClearRecordedDraws();

    font_->PrintfWide(0, 0, L"%lsA", L"B");
    EXPECT_EQ(Drawn(), (CORNERS{{0, 4}, {12, 2}}));

    const std::string long_text(700, 'A');
    font_->align = 4;
    font_->Printf(0, 0, "%s", long_text.c_str());
    EXPECT_EQ(Drawn().size(), 595u);  // the format result is cut to 595 bytes
    EXPECT_EQ(font_->align, 1);
    const std::wstring long_wide(1000, L'B');
    font_->PrintfWide(0, 0, L"%ls", long_wide.c_str());
    EXPECT_EQ(Drawn().size(), 764u);
}

// Metrics past any page image are cut to the largest one, so that no sum of them overflows.
TEST_F(FontTest, HostileMetricsStayWithinThePage) {
    struct Case {
        const char* size;
        int want_size;
    };
    const Case cases[] = {{"2147483647", WRENDER::kMaxTextureSize},
                          {"-2147483648", WRENDER::kMaxTextureSize},
                          {"-40", 40}};
    for (const Case& c : cases) {
        scratch_.Write("hostile.fnt",
                       std::string("<font><info size=\"") + c.size +
                           "\"/><pages><page file=\"page.png\"/></pages><chars>"
                           "<char id=\"65\" x=\"2147483647\" y=\"2147483647\" width=\"5\" "
                           "height=\"2147483647\" yoffset=\"-2147483648\"/></chars></font>");
        WFONT font(device_, scratch_.Path("hostile.fnt").c_str());
        EXPECT_EQ(font.Size(), c.want_size) << c.size;
        const WFONT_CHAR* glyph = font.Glyph('A');
        ASSERT_NE(glyph, nullptr);
        EXPECT_GE(glyph->right, glyph->left) << c.size;
        EXPECT_GE(glyph->bottom, glyph->top) << c.size;
        EXPECT_EQ(font.TextHeight("A\nA\nA"), 3 * c.want_size) << c.size;
        // A line wider than the int range of pixels stops at its end.
        const std::string long_line(1100000, 'A');
        const int64_t width = int64_t{1100000} * (5 + font.spacing);
        EXPECT_EQ(font.TextWidth(long_line.c_str()), std::min<int64_t>(width, INT_MAX)) << c.size;
        font.align = 2;
        font.DrawText(0, 0, "AA");
        EXPECT_EQ(Drawn().size(), 2u);
    }
}

TEST_F(FontTest, AMissingDescriptionGivesAFontThatDrawsNothing) {
    WFONT missing(device_, scratch_.Path("none.fnt").c_str());
    EXPECT_EQ(missing.Size(), 0);
    EXPECT_EQ(missing.GlyphCount(), 0);
    EXPECT_EQ(missing.spacing, 0);
    missing.DrawText(10, 10, "AB");
    EXPECT_TRUE(Drawn().empty());
    EXPECT_EQ(missing.TextWidth("AB"), 0);
    EXPECT_EQ(missing.TextHeight("A\nB"), 0);

    WFONT null_name(device_, nullptr);
    null_name.DrawText(0, 0, nullptr);
    EXPECT_TRUE(Drawn().empty());
}

}  // namespace
