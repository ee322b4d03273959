// "game.xml": the window configuration in the per-user folder (resolution and full-screen flag),
// and the creation of the window and render device in the configured mode.
#include <pugixml.hpp>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <utility>
#include <vector>

#include "engine/frame/game.h"
#include "engine/resources/file_system.h"
#include "engine/resources/xml_tables.h"

namespace WUN {

namespace {

constexpr int kFallbackWidth = 1024;
constexpr int kFallbackHeight = 768;

}  // namespace

void ST_GAME::WriteDefaultGameXml() {
    std::vector<std::pair<int, int>> modes;
    render.EnumerateModes(modes);
    support1024_ = false;
    for (const auto& mode : modes) {
        support1024_ = support1024_ || (mode.first == 1024 && mode.second == 768);
    }
    const int width = support1024_ ? desktop_width_ : kFallbackWidth;
    const int height = support1024_ ? desktop_height_ : kFallbackHeight;
    SaveGameXml(width, height, true, false);
}

bool ST_GAME::SaveGameXml(int width, int height, bool full_screen, bool log) {
    configured_width_ = width;
    configured_height_ = height;
    full_screen_wanted_ = full_screen;
    pixel_count_ = width * height;

    pugi::xml_document document;
    pugi::xml_node main = document.append_child("Config").append_child("Main");
    main.append_attribute("resX") = width;
    main.append_attribute("resY") = height;
    main.append_attribute("support1024") = support1024_;
    main.append_attribute("FullScreen") = full_screen;
    main.append_attribute("Log") = log;
    std::ostringstream text;
    // An empty indent puts every element on its own line with no indentation.
    document.save(text, "", pugi::format_indent | pugi::format_write_bom, pugi::encoding_utf8);

    // A new account may have no ~/.local/share yet.
    std::error_code error;
    std::filesystem::create_directories(UserFolder(), error);
    const std::string bytes = text.str();
    return WFILE_SYSTEM::WriteStream(UserFolder() + "game.xml", bytes.data(), bytes.size()) == 0;
}

void ST_GAME::ParseGameXml() {
    pugi::xml_document document;
    // A truncated file gives no configuration rather than half of one.
    ParseXmlFile(document, (UserFolder() + "game.xml").c_str());
    const pugi::xml_node main = FirstElement(FirstElement(document));
    configured_width_ = main.attribute("resX").as_int();
    configured_height_ = main.attribute("resY").as_int();
    // A side below one pixel makes no size at all (ReadGameXml then falls back to the smallest
    // mode); the cap then keeps both sides, and so their product, within the desktop's.
    if (configured_width_ <= 0 || configured_height_ <= 0) {
        configured_width_ = 0;
        configured_height_ = 0;
    } else if (configured_width_ > desktop_width_ || configured_height_ > desktop_height_) {
        configured_width_ = desktop_width_;
        configured_height_ = desktop_height_;
    }
    support1024_ = main.attribute("support1024").as_bool();
    full_screen_wanted_ = main.attribute("FullScreen").as_bool();
    pixel_count_ = configured_width_ * configured_height_;
}

void ST_GAME::ReadGameXml() {
    ParseGameXml();
    // A file without a usable size would open a window of no size: use the smallest mode the
    // game supports instead.
    if (configured_width_ <= 0 || configured_height_ <= 0) {
        configured_width_ = kFallbackWidth;
        configured_height_ = kFallbackHeight;
        pixel_count_ = configured_width_ * configured_height_;
    }
    window.Create(name_);
    render.SetMultisample(0);
    if (render.Create(window.handle) != 0) {
        platform::ShowMessageBox("Error", "Error Init Render");
        std::exit(0);
    }
    SetVideoMode(configured_width_, configured_height_, full_screen_wanted_);
}

}  // namespace WUN
