// The string table, strings.xml, and the resolving of g_texts, credits and pack captions.
#include "engine/text/strings.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <pugixml.hpp>

#include "engine/resources/file_system.h"
#include "engine/resources/xml_tables.h"

TEXTS g_texts;
CREDITS_GROUP g_credits[kCreditsGroupCount];
std::vector<std::string> g_pack_names;

namespace {

// In the order screens expect them; the credits groups and pack captions come between.
const char* TEXTS::*const kTextsBeforeCredits[] = {
    &TEXTS::menu_btn_hello,
    &TEXTS::options_txt_level_header,
    &TEXTS::options_txt_music,
    &TEXTS::options_txt_sound,
    &TEXTS::options_txt_cursor,
    &TEXTS::options_txt_pieces_fix,
    &TEXTS::options_txt_background,
    &TEXTS::score_txt_header,
    &TEXTS::score_txt_score,
    &TEXTS::score_txt_pieces,
    &TEXTS::score_txt_time,
    &TEXTS::menu_hnt_options,
    &TEXTS::menu_hnt_score,
    &TEXTS::menu_hnt_play,
    &TEXTS::menu_hnt_change,
    &TEXTS::menu_hnt_exit,
    &TEXTS::menu_hnt_leaderboard,
    &TEXTS::menu_hnt_achievements,
    &TEXTS::leaderboard_txt_header,
    &TEXTS::profiles_txt_default_name,
    &TEXTS::achievements_txt_header,
    &TEXTS::profiles_btn_player_add,
    &TEXTS::profiles_btn_player_delete,
    &TEXTS::profiles_dlg_enter_header,
    &TEXTS::profiles_dlg_enter,
    &TEXTS::finish_txt_header,
    &TEXTS::finish_txt_score,
    &TEXTS::finish_txt_time,
    &TEXTS::difficulty_txt_ok,
    &TEXTS::difficulty_txt_cancel,
    &TEXTS::difficulty_txt_rotation,
    &TEXTS::finish_txt_pieces,
    &TEXTS::resolution_txt_header,
    &TEXTS::resolution_txt_fullscreen,
    &TEXTS::resolution_txt_xga,
    &TEXTS::resolution_txt_wxga,
    &TEXTS::resolution_txt_fullhd,
    &TEXTS::resolution_txt_system,
    &TEXTS::resolution_dlg_select,
    &TEXTS::options_txt_game_header,
    &TEXTS::options_btn_resolution,
    &TEXTS::options_btn_credits,
    &TEXTS::difficulty_txt_pieces,
    &TEXTS::difficulty_txt_deformation,
    &TEXTS::game_hnt_exit,
    &TEXTS::game_hnt_border,
    &TEXTS::game_hnt_ghost,
    &TEXTS::game_hnt_hint,
    &TEXTS::game_hnt_image,
    &TEXTS::game_hnt_sort,
    &TEXTS::game_hnt_loupe,
    &TEXTS::game_hnt_options,
    &TEXTS::credits_txt_header,
    &TEXTS::credits_txt_company_publisher,
    &TEXTS::credits_txt_company_developer,
};
const char* TEXTS::*const kTextsAfterCredits[] = {
    &TEXTS::menu_dlg_exit_confirm,
    &TEXTS::game_dlg_save,
    &TEXTS::profiles_txt_header,
    &TEXTS::achievements_hnt_pieces_total_description,
    &TEXTS::achievements_hnt_score_total_description,
    &TEXTS::achievements_hnt_puzzle_pieces_description,
    &TEXTS::achievements_hnt_time_total_description,
    &TEXTS::achievements_hnt_puzzles_description,
    &TEXTS::achievements_hnt_pieces_joining_description,
    &TEXTS::achievements_hnt_puzzle_hardmode_description,
    &TEXTS::finish_hnt_achievements_pieces_total_name,
    &TEXTS::finish_hnt_achievements_score_total_name,
    &TEXTS::finish_hnt_achievements_puzzle_pieces_name,
    &TEXTS::finish_hnt_achievements_time_total_name,
    &TEXTS::finish_hnt_achievements_puzzles_name,
    &TEXTS::finish_hnt_achievements_pieces_joining_name,
    &TEXTS::finish_hnt_achievements_puzzle_hardmode_name,
    &TEXTS::game_txt_score,
    &TEXTS::tutorial_txt_header,
    &TEXTS::tutorial_txt_step01_windows,
    &TEXTS::tutorial_txt_step02_windows,
    &TEXTS::tutorial_txt_step03,
};
const char* TEXTS::*const kTextsAfterCaptions[] = {
    &TEXTS::menu_btn_saves_name,      &TEXTS::game_dlg_resolution_error,
    &TEXTS::menu_txt_profile_select,  &TEXTS::menu_btn_mypictures_name,
    &TEXTS::menu_txt_picture_changed,
};

// Each credits heading and how many "_nameNN" keys follow it; 0 means the single "_name".
const struct {
    const char* heading;
    int names;
} kCreditsGroups[kCreditsGroupCount] = {
    {"credits_txt_generalproducer", 3}, {"credits_txt_technology", 0},
    {"credits_txt_manager", 3},         {"credits_txt_gamedesigner", 3},
    {"credits_txt_leveldesigner", 3},   {"credits_txt_programmer", 3},
    {"credits_txt_2dartist", 3},        {"credits_txt_music", 3},
    {"credits_txt_sound", 3},           {"credits_txt_screenwriter", 3}};

// All the text under node, as a spreadsheet cell's Data element may hold formatted runs. A walk
// along the tree rather than recursion: a hostile file may nest elements without end.
std::string TextContent(pugi::xml_node node) {
    std::string text;
    pugi::xml_node at = node.first_child();
    while (at) {
        if (at.type() == pugi::node_pcdata || at.type() == pugi::node_cdata) {
            text += at.value();
        }
        if (at.type() == pugi::node_element && at.first_child()) {
            at = at.first_child();
            continue;
        }
        while (at != node && !at.next_sibling()) {
            at = at.parent();
        }
        at = at == node ? pugi::xml_node() : at.next_sibling();
    }
    return text;
}

// The first child element's text.
std::string CellText(pugi::xml_node cell) {
    for (pugi::xml_node child = cell.first_child(); child; child = child.next_sibling()) {
        if (child.type() == pugi::node_element) {
            return TextContent(child);
        }
    }
    return {};
}

// Office suites write the spreadsheet's names with a prefix of their choice (ss:Row) or in the
// default namespace (Row); hand-made files leave the namespace out altogether.
constexpr char kSheetNamespace[] = "urn:schemas-microsoft-com:office:spreadsheet";

bool IsSheetNamespace(const char* uri) {
    return *uri == '\0' || std::strcmp(uri, kSheetNamespace) == 0;
}

bool IsSheetElement(pugi::xml_node node, const char* local_name) {
    return node.type() == pugi::node_element &&
           std::strcmp(LocalName(node.name()), local_name) == 0 &&
           IsSheetNamespace(NamespaceOf(node, node.name(), false));
}

pugi::xml_node SheetChild(pugi::xml_node parent, const char* local_name) {
    for (pugi::xml_node child = FirstElement(parent); child; child = NextElement(child)) {
        if (IsSheetElement(child, local_name)) {
            return child;
        }
    }
    return {};
}

// A spreadsheet attribute such as ss:Index.
pugi::xml_attribute SheetAttribute(pugi::xml_node node, const char* local_name) {
    for (pugi::xml_attribute attribute : node.attributes()) {
        if (std::strcmp(LocalName(attribute.name()), local_name) == 0 &&
            IsSheetNamespace(NamespaceOf(node, attribute.name(), true))) {
            return attribute;
        }
    }
    return {};
}

void Resolve(const WSTRING_TABLE& table, const char* TEXTS::*const* fields, size_t count) {
    const TEXTS keys;
    for (size_t i = 0; i < count; ++i) {
        g_texts.*fields[i] = table.Lookup(keys.*fields[i]);
    }
}

// The table's text, or null when the key is missing.
const char* Optional(const WSTRING_TABLE& table, const char* key) {
    const char* text = table.Lookup(key);
    return text == key ? nullptr : text;
}

void ResolveCredits(const WSTRING_TABLE& table) {
    for (int g = 0; g < kCreditsGroupCount; ++g) {
        CREDITS_GROUP& group = g_credits[g];
        group = {};
        const std::string heading = kCreditsGroups[g].heading;
        group.keys.push_back(heading);
        if (kCreditsGroups[g].names == 0) {
            group.keys.push_back(heading + "_name");
        }
        for (int n = 1; n <= kCreditsGroups[g].names; ++n) {
            char suffix[16];
            std::snprintf(suffix, sizeof(suffix), "_name%02d", n);
            group.keys.push_back(heading + suffix);
        }
        for (const std::string& key : group.keys) {
            std::string text = table.LookupString(key.c_str());
            if (text != key) {
                group.texts.push_back(std::move(text));
            }
        }
    }
}

void ResolvePackNames(const WSTRING_TABLE& table) {
    g_pack_names.clear();
    for (int i = 0; i < kPackNameCount; ++i) {
        char key[32];
        std::snprintf(key, sizeof(key), "menu_btn_pack%02d_name", i);
        g_pack_names.push_back(table.LookupString(key));
    }
}

}  // namespace

int WSTRING_TABLE::LoadSheet(const pugi::xml_document& document, int key_column, int value_column) {
    key_column_ = key_column ? key_column : 1;
    value_column_ = value_column ? value_column : 2;
    const pugi::xml_node workbook = document.document_element();
    pugi::xml_node row;
    if (IsSheetElement(workbook, "Workbook")) {
        row = SheetChild(SheetChild(SheetChild(workbook, "Worksheet"), "Table"), "Row");
    }
    for (int number = 1; row; row = NextElement(row), ++number) {
        WSTRING_ENTRY& entry = entries_.emplace_back();
        entry.row = number;
        // Cells count by position; an office suite that leaves cells out marks the next one
        // with ss:Index, and a merged cell takes ss:MergeAcross further columns. Wide enough
        // that no index or merge in a hostile file can wrap it; columns only move right.
        long long column = 0;
        for (pugi::xml_node cell = FirstElement(row); cell; cell = NextElement(cell)) {
            const long long index = SheetAttribute(cell, "Index").as_int();
            column = index > column ? index : column + 1;
            if (column == key_column_) {
                entry.key = CellText(cell);
            }
            if (column == value_column_) {
                entry.value = CellText(cell);
            }
            column += std::max(0, SheetAttribute(cell, "MergeAcross").as_int());
        }
    }
    row_count_ = static_cast<int>(entries_.size());
    return row_count_;
}

const char* WSTRING_TABLE::Lookup(const char* key) const {
    for (const WSTRING_ENTRY& entry : entries_) {
        if (entry.key == key) {
            return entry.value.c_str();
        }
    }
    return key;
}

void WSTRING_TABLE::Clear() {
    entries_.clear();
    row_count_ = 0;
}

WSTRING_TABLE& GetStringTable() {
    static WSTRING_TABLE table;
    return table;
}

void ClearOptionalMessages() {
    g_texts.error_play_url = nullptr;
    g_texts.system_txt_resolution = "";
}

void ResolveTexts(const WSTRING_TABLE& table) {
    Resolve(table, kTextsBeforeCredits, std::size(kTextsBeforeCredits));
    ResolveCredits(table);
    Resolve(table, kTextsAfterCredits, std::size(kTextsAfterCredits));
    ResolvePackNames(table);
    Resolve(table, kTextsAfterCaptions, std::size(kTextsAfterCaptions));
    g_texts.error_play_url = Optional(table, "error_play_url");
    g_texts.system_txt_resolution = Optional(table, "system_txt_resolution");
}

bool LoadStringsFile(const char* path, WSTRING_TABLE& table) {
    if (WFILE_SYSTEM::FileExists(path) != 1) {
        return false;
    }
    pugi::xml_document document;
    ParseXmlFile(document, path);
    table.LoadSheet(document);
    return true;
}
