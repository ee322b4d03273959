// The widget gallery's test images: strips of frames, slider parts, frame pieces and dots.
#include "tools/widget_gallery/gallery_images.h"

#include <cmath>
#include <vector>

#include "engine/platform/png_writer.h"
#include "engine/resources/file_system.h"

namespace gallery {

namespace {

// ARGB pixels, row 0 at the top.
struct CANVAS {
    CANVAS(int w, int h, uint32_t fill = 0) : width(w), height(h), texels(size_t(w) * h, fill) {}

    void Fill(int x0, int y0, int x1, int y1, uint32_t argb) {
        for (int y = std::max(y0, 0); y < std::min(y1, height); ++y) {
            for (int x = std::max(x0, 0); x < std::min(x1, width); ++x) {
                texels[size_t(y) * width + x] = argb;
            }
        }
    }
    // A filled rectangle with a darker border of the given thickness.
    void Panel(int x0, int y0, int x1, int y1, uint32_t fill, uint32_t border, int thickness) {
        Fill(x0, y0, x1, y1, border);
        Fill(x0 + thickness, y0 + thickness, x1 - thickness, y1 - thickness, fill);
    }
    void Disc(float cx, float cy, float r, uint32_t argb) {
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                if (std::hypot(x + 0.5f - cx, y + 0.5f - cy) < r) {
                    texels[size_t(y) * width + x] = argb;
                }
            }
        }
    }
    bool Save(const std::string& folder, const char* name) const {
        return platform::WritePng(folder + "/" + name, texels.data(), width, height);
    }

    int width;
    int height;
    std::vector<uint32_t> texels;
};

constexpr uint32_t kInk = 0xFF2E4577;

// Four frames (normal, hover, pressed, disabled) of a rounded-looking button.
bool ButtonStrip(const std::string& folder, const char* name, uint32_t base, int frame_w,
                 int frame_h) {
    const uint32_t fills[4] = {base, base | 0x00303030, base & 0xFFB0B0B0, 0xFFA0A0A0};
    CANVAS strip(frame_w * 4, frame_h);
    for (int i = 0; i < 4; ++i) {
        const int inset = i == 2 ? 3 : 1;
        strip.Panel(i * frame_w + inset, inset, (i + 1) * frame_w - inset, frame_h - inset,
                    fills[i], kInk, 3);
    }
    return strip.Save(folder, name);
}

bool SliderStrip(const std::string& folder) {
    CANVAS strip(128, 32);
    strip.Disc(16, 16, 13, kInk);            // left cap
    strip.Fill(32, 12, 64, 20, 0xFF8090B0);  // track
    strip.Disc(80, 16, 13, kInk);            // right cap
    strip.Disc(112, 16, 12, 0xFFFFCC00);     // knob
    strip.Disc(112, 16, 6, 0xFFFFF0B0);
    return strip.Save(folder, "slider.png");
}

bool CheckBox(const std::string& folder) {
    CANVAS strip(64, 32);
    strip.Panel(3, 3, 29, 29, 0xFFFFFFFF, kInk, 3);
    for (int i = 0; i < 14; ++i) {  // the tick: a short and a long stroke
        const int x = 38 + i;
        const int y = i < 5 ? 16 + i : 21 - (i - 5) * 2;
        strip.Fill(x, y, x + 3, y + 4, 0xFF20A040);
    }
    return strip.Save(folder, "check_box.png");
}

bool FramePieces(const std::string& folder) {
    const char* names[9] = {"frame11.png", "frame12.png", "frame13.png",
                            "frame21.png", "frame22.png", "frame23.png",
                            "frame31.png", "frame32.png", "frame33.png"};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            CANVAS piece(24, 24, 0xFFF4E8C8);
            const bool edge_or_corner = row != 1 || column != 1;
            if (edge_or_corner) {
                // A wooden border on the outer sides, stripes across the edges so that the
                // repetition shows.
                if (row == 0)
                    piece.Fill(0, 0, 24, 10, 0xFF8B5A2B);
                if (row == 2)
                    piece.Fill(0, 14, 24, 24, 0xFF8B5A2B);
                if (column == 0)
                    piece.Fill(0, 0, 10, 24, 0xFF8B5A2B);
                if (column == 2)
                    piece.Fill(14, 0, 24, 24, 0xFF8B5A2B);
                if (row == 1 || column == 1)
                    piece.Fill(11, 11, 13, 13, 0xFFB07840);
            } else {
                piece.Disc(12, 12, 3, 0xFFE0D0A8);
            }
            if (!piece.Save(folder, names[row * 3 + column])) {
                return false;
            }
        }
    }
    return true;
}

bool SoftDot(const std::string& folder) {
    CANVAS dot(32, 32);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const float d = std::hypot(x + 0.5f - 16.0f, y + 0.5f - 16.0f) / 16.0f;
            const uint32_t alpha = d >= 1.0f ? 0 : uint32_t((1.0f - d) * (1.0f - d) * 255.0f);
            dot.texels[size_t(y) * 32 + x] = alpha << 24 | 0x00FFFFFF;
        }
    }
    return dot.Save(folder, "dot.png");
}

bool Trophy(const std::string& folder) {
    CANVAS cup(64, 64);
    cup.Disc(32, 24, 20, 0xFFE0B030);
    cup.Fill(28, 40, 36, 52, 0xFFC09020);
    cup.Fill(18, 52, 46, 60, 0xFF8B5A2B);
    return cup.Save(folder, "trophy.png");
}

bool Cursor(const std::string& folder) {
    CANVAS arrow(24, 24);
    for (int y = 0; y < 20; ++y) {
        arrow.Fill(0, y, y * 2 / 3 + 1, y + 1, 0xFF000000);
        arrow.Fill(1, y, y * 2 / 3 - 1, y + 1, 0xFFFFFFFF);
    }
    return arrow.Save(folder, "cursor.png");
}

bool Plain(const std::string& folder, const char* name, int w, int h, uint32_t fill,
           uint32_t border) {
    CANVAS canvas(w, h);
    canvas.Panel(0, 0, w, h, fill, border, 2);
    return canvas.Save(folder, name);
}

}  // namespace

bool PaintImages(const std::string& folder) {
    return ButtonStrip(folder, "button.png", 0xFF4F86C6, 96, 40) &&
           ButtonStrip(folder, "small_button.png", 0xFF6FA84F, 32, 32) &&
           ButtonStrip(folder, "ok.png", 0xFF50A050, 80, 36) &&
           ButtonStrip(folder, "cancel.png", 0xFFC05050, 80, 36) && SliderStrip(folder) &&
           CheckBox(folder) && FramePieces(folder) && SoftDot(folder) && Trophy(folder) &&
           Cursor(folder) && Plain(folder, "picture.png", 100, 50, 0xFF9FC5E8, kInk) &&
           Plain(folder, "plain_button.png", 80, 40, 0xFFE8A33D, kInk) &&
           // The list's row offsets are fixed; these are the proportions of the game's art.
           Plain(folder, "list_back.png", 400, 400, 0xFFFFF8E8, 0xFF8B5A2B) &&
           Plain(folder, "list_item.png", 380, 40, 0x663366CC, 0x663366CC) &&
           Plain(folder, "edit_box.png", 64, 32, 0xFFFFFFFF, kInk) &&
           Plain(folder, "window_mini.png", 480, 360, 0xFFF4E8C8, 0xFF8B5A2B);
}

std::string PaintFallbackFont(const std::string& folder) {
    constexpr int kFirst = 32;
    constexpr int kLast = 126;
    constexpr int kCell = 16;
    CANVAS page(kCell * (kLast - kFirst + 1), 24);
    std::string chars;
    for (int code = kFirst; code <= kLast; ++code) {
        const int x = (code - kFirst) * kCell;
        if (code != ' ') {
            page.Panel(x + 2, 4, x + kCell - 2, 22, 0x00FFFFFF, 0xFFFFFFFF, 2);
        }
        chars += "<char id=\"" + std::to_string(code) + "\" x=\"" + std::to_string(x) +
                 "\" y=\"0\" width=\"16\" height=\"24\" xoffset=\"0\" yoffset=\"0\"/>";
    }
    page.Save(folder, "fallback_font.png");
    const std::string description =
        "<?xml version=\"1.0\"?><font><info size=\"24\"/><pages><page id=\"0\" "
        "file=\"fallback_font.png\"/></pages><chars count=\"95\">" +
        chars + "</chars></font>";
    const std::string path = folder + "/fallback_font.fnt";
    WFILE_SYSTEM::WriteStream(path, description.data(), description.size());
    return path;
}

}  // namespace gallery
