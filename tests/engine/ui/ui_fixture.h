// A headless fixture for widget tests: test images in a temporary loose folder, synthetic
// input through WINPUT, a fixed frame delta and the render device's recorded draws.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/frame/game.h"
#include "engine/platform/png_writer.h"
#include "engine/render/render_device.h"
#include "engine/resources/file_system.h"
#include "engine/text/font.h"
#include "engine/ui/sprite.h"
#include "tests/support/scratch_folder.h"

class UiTest : public ::testing::Test {
  protected:
    void SetUp() override {
        game = WUN::ST_GAME::GetInstance();
        render = game->GetRender();
        input = game->GetInput();
        UsePacks = false;
        g_file_system.SetPack(nullptr);
        g_file_system.SetLooseFolder(scratch_.Root().c_str());
        game->Centre = {512, 384};
        ReleaseEverything();
        SetDelta(0.0f);
        render->ClearRecordedDraws();
    }

    void TearDown() override { ReleaseEverything(); }

    // A w x h PNG of one colour in the loose folder; returns its item name.
    std::string Image(int w, int h, uint32_t argb = 0xFFFFFFFF, const std::string& name = "") {
        const std::string file =
            name.empty() ? "img_" + std::to_string(w) + "x" + std::to_string(h) + ".png" : name;
        std::vector<uint32_t> texels(static_cast<size_t>(w) * h, argb);
        EXPECT_TRUE(platform::WritePng(scratch_.Path(file), texels.data(), w, h));
        return file;
    }
    std::string FolderPath(const std::string& file) const { return scratch_.Path(file); }

    // A font of size 32 whose glyphs (codes 32..126) are 16 x 32 cells in rows of kGlyphsPerRow
    // on one page, so a recorded glyph draw tells its character by its texture coordinates. The
    // page is narrower than the largest picture the device loads unscaled.
    std::unique_ptr<WFONT> MakeFont() {
        std::string chars;
        for (int code = kFirstGlyph; code <= kLastGlyph; ++code) {
            const int cell = code - kFirstGlyph;
            chars += "<char id=\"" + std::to_string(code) + "\" x=\"" +
                     std::to_string(cell % kGlyphsPerRow * kGlyphWidth) + "\" y=\"" +
                     std::to_string(cell / kGlyphsPerRow * kGlyphHeight) +
                     "\" width=\"16\" height=\"32\" xoffset=\"0\" yoffset=\"0\"/>";
        }
        const std::string fnt =
            "<?xml version=\"1.0\"?><font><info size=\"32\"/>"
            "<pages><page id=\"0\" file=\"font_page.png\"/></pages>"
            "<chars count=\"95\">" +
            chars + "</chars></font>";
        WFILE_SYSTEM::WriteStream(FolderPath("test.fnt"), fnt.data(), fnt.size());
        Image(kPageWidth, kPageHeight, 0xFFFFFFFF, "font_page.png");
        return std::make_unique<WFONT>(*render, FolderPath("test.fnt").c_str());
    }
    // The characters drawn with font, in draw order, from the recorded draws.
    std::string DrawnText(const WFONT& font) const {
        std::string text;
        const WTEXTURE* page = font.PageTexture();
        for (const WRECORDED_DRAW& draw : Draws()) {
            if (draw.kind == WRECORDED_DRAW::kQuad && draw.texture == page) {
                text += GlyphOf(draw);
            }
        }
        return text;
    }
    // The character of one glyph draw with the test font, by its cell on the page.
    static char GlyphOf(const WRECORDED_DRAW& draw) {
        const int column = static_cast<int>(draw.corners[0].u * kPageWidth / kGlyphWidth + 0.5f);
        const int row = static_cast<int>(draw.corners[0].v * kPageHeight / kGlyphHeight + 0.5f);
        return static_cast<char>(kFirstGlyph + row * kGlyphsPerRow + column);
    }
    static constexpr int kFirstGlyph = 32;
    static constexpr int kLastGlyph = 126;
    static constexpr int kGlyphWidth = 16;
    static constexpr int kGlyphHeight = 32;
    static constexpr int kGlyphsPerRow = 64;
    static constexpr int kPageWidth = kGlyphsPerRow * kGlyphWidth;
    static constexpr int kPageHeight =
        (kLastGlyph - kFirstGlyph + kGlyphsPerRow) / kGlyphsPerRow * kGlyphHeight;

    // The frame timer's delta, which every item reads as its time step.
    void SetDelta(float seconds) { game->timer.delta = seconds; }

    // --- Input, one call per event; EndFrame closes the frame as the main loop does.
    void MoveMouse(int x, int y) { input->SetPosition(x, y); }
    void PressLeft() { input->SetButton(WINPUT::kLeft, true); }
    void ReleaseLeft() { input->SetButton(WINPUT::kLeft, false); }
    void EndFrame() { input->EndFrame(); }
    void KeyDown(int vk) { input->KeyDown(vk); }
    void KeyUp(int vk) { input->KeyUp(vk); }
    void Type(const char16_t* text) {
        KeyDown('A');
        input->OnText(text, static_cast<int>(std::char_traits<char16_t>::length(text)));
    }

    const std::vector<WRECORDED_DRAW>& Draws() const { return render->GetRecordedDraws(); }
    std::vector<WRECORDED_DRAW> QuadDraws() const {
        std::vector<WRECORDED_DRAW> quads;
        for (const WRECORDED_DRAW& draw : Draws()) {
            if (draw.kind == WRECORDED_DRAW::kQuad) {
                quads.push_back(draw);
            }
        }
        return quads;
    }

    WUN::ST_GAME* game = nullptr;
    WRENDER* render = nullptr;
    WINPUT* input = nullptr;

  private:
    // Buttons and keys back to up, so tests do not see each other's input.
    void ReleaseEverything() {
        input->ClearButtons();
        for (int vk = 0; vk < 256; ++vk) {
            if (input->GetKey(vk) != 0) {
                input->KeyUp(vk);
            }
        }
        input->EndFrame();
        input->EndFrame();
    }

    SCRATCH_FOLDER scratch_;
};

// The screen rectangle a recorded quad covers.
struct COVERED {
    float left, top, right, bottom;
};
inline COVERED Covered(const WRECORDED_DRAW& draw) {
    COVERED c{draw.corners[0].x, draw.corners[0].y, draw.corners[0].x, draw.corners[0].y};
    for (const WQUAD_CORNER& corner : draw.corners) {
        c.left = std::min(c.left, corner.x);
        c.top = std::min(c.top, corner.y);
        c.right = std::max(c.right, corner.x);
        c.bottom = std::max(c.bottom, corner.y);
    }
    return c;
}
