// Reading and writing config.xml into g_config.
#include "engine/resources/config.h"

#include <pugixml.hpp>
#include <string>

#include "engine/resources/file_system.h"
#include "engine/resources/xml_tables.h"

CONFIG g_config;

namespace {

constexpr char kConfigFile[] = "config.xml";

// Calls visit(group, key, field) for every key after color_splash in file order; group is null
// for keys directly under the root.
template <class VISIT>
void ForEachKey(CONFIG& c, VISIT&& visit) {
    visit(nullptr, "trofei_enable", c.trofei_enable);
    visit(nullptr, "white_splain_extra", c.white_splain_extra);
    visit(nullptr, "font_main_color", c.font_main_color);
    visit(nullptr, "button_hint_color_border", c.button_hint_color_border);
    visit(nullptr, "button_hint_color_back", c.button_hint_color_back);
    visit(nullptr, "black_transluvent", c.black_transluvent);
    visit(nullptr, "button_sokand_cancel_identy", c.button_sokand_cancel_identy);
    visit(nullptr, "max_save", c.max_save);
    visit(nullptr, "delete_saves", c.delete_saves);
    visit(nullptr, "time_for_reset_video_mode", c.time_for_reset_video_mode);
    visit(nullptr, "time_for_show_hint_frame_choise", c.time_for_show_hint_frame_choise);
    visit(nullptr, "color_background_0", c.color_background_0);
    visit(nullptr, "color_background_1", c.color_background_1);
    visit(nullptr, "color_background_2", c.color_background_2);
    visit(nullptr, "color_background_3", c.color_background_3);

    CONFIG::BOOK& b = c.book;
    visit("book", "max_frame_rotation", b.max_frame_rotation);
    visit("book", "offset_from_page", b.offset_from_page);
    visit("book", "size_of_frames_in_percent", b.size_of_frames_in_percent);
    visit("book", "count_pixel_for_frame", b.count_pixel_for_frame);
    visit("book", "count_pixel_for_frames_offset", b.count_pixel_for_frames_offset);
    visit("book", "frames_extra_boundbox", b.frames_extra_boundbox);
    visit("book", "opt_size_ULX", b.opt_size_ULX);
    visit("book", "opt_size_ULY", b.opt_size_ULY);
    visit("book", "opt_size_DRX", b.opt_size_DRX);
    visit("book", "opt_size_DRY", b.opt_size_DRY);

    CONFIG::TROFY& t = c.trofy;
    visit("trofy", "collector_1", t.collector_1);
    visit("trofy", "collector_2", t.collector_2);
    visit("trofy", "collector_3", t.collector_3);
    visit("trofy", "collector_4", t.collector_4);
    visit("trofy", "collector_5", t.collector_5);
    visit("trofy", "jigsaw_master_1", t.jigsaw_master_1);
    visit("trofy", "jigsaw_master_2", t.jigsaw_master_2);
    visit("trofy", "jigsaw_master_3", t.jigsaw_master_3);
    visit("trofy", "endurence_1", t.endurence_1);
    visit("trofy", "endurence_2", t.endurence_2);
    visit("trofy", "endurence_3", t.endurence_3);
    visit("trofy", "endurence_4", t.endurence_4);
    visit("trofy", "meditation_1", t.meditation_1);
    visit("trofy", "meditation_2", t.meditation_2);
    visit("trofy", "meditation_3", t.meditation_3);
    visit("trofy", "meditation_4", t.meditation_4);
    visit("trofy", "inconstancy_1", t.inconstancy_1);
    visit("trofy", "inconstancy_2", t.inconstancy_2);
    visit("trofy", "inconstancy_3", t.inconstancy_3);
    visit("trofy", "inconstancy_4", t.inconstancy_4);
    visit("trofy", "sage_1", t.sage_1);
    visit("trofy", "sage_2", t.sage_2);
    visit("trofy", "sage_3", t.sage_3);
    visit("trofy", "sage_4", t.sage_4);
    visit("trofy", "sage_5", t.sage_5);
    visit("trofy", "sage_6", t.sage_6);
}

// Writes each value in the XML library's text forms, floats in their shortest form.
struct KEY_WRITER {
    pugi::xml_node root;

    pugi::xml_attribute Var(const char* group, const char* key) {
        pugi::xml_node parent = root;
        if (group) {
            parent = root.child(group) ? root.child(group) : root.append_child(group);
        }
        return parent.append_child(key).append_attribute("var");
    }
    void operator()(const char* group, const char* key, bool value) { Var(group, key) = value; }
    void operator()(const char* group, const char* key, int value) { Var(group, key) = value; }
    void operator()(const char* group, const char* key, float value) {
        Var(group, key) = ShortFloat(value).c_str();
    }
};

// Reads each value with its type's conversion; a missing element or attribute gives 0. Booleans
// are true when the text begins with 1, t, T, y or Y.
struct KEY_READER {
    pugi::xml_node root;

    pugi::xml_attribute Var(const char* group, const char* key) const {
        return (group ? root.child(group) : root).child(key).attribute("var");
    }
    void operator()(const char* group, const char* key, bool& value) const {
        value = Var(group, key).as_bool();
    }
    void operator()(const char* group, const char* key, int& value) const {
        value = DecimalInt(Var(group, key).value());
    }
    void operator()(const char* group, const char* key, float& value) const {
        value = Var(group, key).as_float();
    }
};

}  // namespace

void WriteDefaultConfig() {
    pugi::xml_document document;
    KEY_WRITER writer{document.append_child("config")};
    CONFIG builtin;
    ForEachKey(builtin, [&writer](const char* group, const char* key, auto& value) {
        writer(group, key, value);
    });
    SaveXml(document, kConfigFile, pugi::format_indent);
}

void LoadConfig() {
    if (WFILE_SYSTEM::FileExists(kConfigFile) == 0) {
        WriteDefaultConfig();
    }
    pugi::xml_document document;
    ParseXmlFile(document, kConfigFile);
    const KEY_READER reader{document.document_element()};
    g_config.product = KeepText(reader.Var(nullptr, "product").value());
    g_config.company = KeepText(reader.Var(nullptr, "company").value());
    const pugi::xml_node splash = reader.root.child("color_splash");
    g_config.color_splash =
        splash ? HexColour(splash.attribute("var").value()) : CONFIG().color_splash;
    ForEachKey(g_config, [&reader](const char* group, const char* key, auto& value) {
        reader(group, key, value);
    });
}
