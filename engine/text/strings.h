// The localised string table read from strings.xml, and the texts resolved from it at start-up.
#pragma once

#include <deque>
#include <string>
#include <vector>

namespace pugi {
class xml_document;
}

// One row of the sheet. Cells that are missing keep "Value not loaded".
struct WSTRING_ENTRY {
    int row = 0;  // 1-based position among the rows read
    std::string key = "Value not loaded";
    std::string value = "Value not loaded";
};

// Rows of every sheet loaded, in file order. Entries are only ever appended, so pointers to
// their texts stay valid until exit.
class WSTRING_TABLE {
  public:
    // Appends the rows of a spreadsheet document (Workbook/Worksheet/Table/Row, with or without a
    // prefix, in the spreadsheet namespace or in none); key_column and
    // value_column are 1-based cell positions, 0 meaning 1 and 2. Returns the row count.
    int LoadSheet(const pugi::xml_document& document, int key_column = 0, int value_column = 0);
    // The text of the first entry whose key equals key byte for byte; key itself when none does.
    const char* Lookup(const char* key) const;
    std::string LookupString(const char* key) const { return Lookup(key); }
    int RowCount() const { return row_count_; }
    // Forgets every entry (tests; the game never empties the table).
    void Clear();

  private:
    std::deque<WSTRING_ENTRY> entries_;
    int row_count_ = 0;
    int key_column_ = 1;
    int value_column_ = 2;
};

// The process-wide table, made on first use.
WSTRING_TABLE& GetStringTable();

// Every text a screen shows, one field per key. Each field starts as its own key, which is also
// what a key missing from strings.xml resolves to, so the key is displayed.
struct TEXTS {
    const char* menu_btn_hello = "menu_btn_hello";

    const char* options_txt_level_header = "options_txt_level_header";
    const char* options_txt_music = "options_txt_music";
    const char* options_txt_sound = "options_txt_sound";
    const char* options_txt_cursor = "options_txt_cursor";
    const char* options_txt_pieces_fix = "options_txt_pieces_fix";
    const char* options_txt_background = "options_txt_background";

    const char* score_txt_header = "score_txt_header";
    const char* score_txt_score = "score_txt_score";
    const char* score_txt_pieces = "score_txt_pieces";
    const char* score_txt_time = "score_txt_time";

    const char* menu_hnt_options = "menu_hnt_options";
    const char* menu_hnt_score = "menu_hnt_score";
    const char* menu_hnt_play = "menu_hnt_play";
    const char* menu_hnt_change = "menu_hnt_change";
    const char* menu_hnt_exit = "menu_hnt_exit";
    const char* menu_hnt_leaderboard = "menu_hnt_leaderboard";
    const char* menu_hnt_achievements = "menu_hnt_achievements";

    const char* leaderboard_txt_header = "leaderboard_txt_header";

    const char* profiles_txt_default_name = "profiles_txt_default_name";

    const char* achievements_txt_header = "achievements_txt_header";

    const char* profiles_btn_player_add = "profiles_btn_player_add";
    const char* profiles_btn_player_delete = "profiles_btn_player_delete";
    const char* profiles_dlg_enter_header = "profiles_dlg_enter_header";
    const char* profiles_dlg_enter = "profiles_dlg_enter";

    const char* finish_txt_header = "finish_txt_header";
    const char* finish_txt_score = "finish_txt_score";
    const char* finish_txt_time = "finish_txt_time";

    const char* difficulty_txt_ok = "difficulty_txt_ok";
    const char* difficulty_txt_cancel = "difficulty_txt_cancel";
    const char* difficulty_txt_rotation = "difficulty_txt_rotation";

    const char* finish_txt_pieces = "finish_txt_pieces";

    const char* resolution_txt_header = "resolution_txt_header";
    const char* resolution_txt_fullscreen = "resolution_txt_fullscreen";
    const char* resolution_txt_xga = "resolution_txt_xga";
    const char* resolution_txt_wxga = "resolution_txt_wxga";
    const char* resolution_txt_fullhd = "resolution_txt_fullhd";
    const char* resolution_txt_system = "resolution_txt_system";
    const char* resolution_dlg_select = "resolution_dlg_select";

    const char* options_txt_game_header = "options_txt_game_header";
    const char* options_btn_resolution = "options_btn_resolution";
    const char* options_btn_credits = "options_btn_credits";

    const char* difficulty_txt_pieces = "difficulty_txt_pieces";
    const char* difficulty_txt_deformation = "difficulty_txt_deformation";

    const char* game_hnt_exit = "game_hnt_exit";
    const char* game_hnt_border = "game_hnt_border";
    const char* game_hnt_ghost = "game_hnt_ghost";
    const char* game_hnt_hint = "game_hnt_hint";
    const char* game_hnt_image = "game_hnt_image";
    const char* game_hnt_sort = "game_hnt_sort";
    const char* game_hnt_loupe = "game_hnt_loupe";
    const char* game_hnt_options = "game_hnt_options";

    const char* credits_txt_header = "credits_txt_header";
    const char* credits_txt_company_publisher = "credits_txt_company_publisher";
    const char* credits_txt_company_developer = "credits_txt_company_developer";

    // Resolved after the credits groups.
    const char* menu_dlg_exit_confirm = "menu_dlg_exit_confirm";
    const char* game_dlg_save = "game_dlg_save";
    const char* profiles_txt_header = "profiles_txt_header";

    const char* achievements_hnt_pieces_total_description =
        "achievements_hnt_pieces_total_description";
    const char* achievements_hnt_score_total_description =
        "achievements_hnt_score_total_description";
    const char* achievements_hnt_puzzle_pieces_description =
        "achievements_hnt_puzzle_pieces_description";
    const char* achievements_hnt_time_total_description = "achievements_hnt_time_total_description";
    const char* achievements_hnt_puzzles_description = "achievements_hnt_puzzles_description";
    const char* achievements_hnt_pieces_joining_description =
        "achievements_hnt_pieces_joining_description";
    const char* achievements_hnt_puzzle_hardmode_description =
        "achievements_hnt_puzzle_hardmode_description";

    const char* finish_hnt_achievements_pieces_total_name =
        "finish_hnt_achievements_pieces_total_name";
    const char* finish_hnt_achievements_score_total_name =
        "finish_hnt_achievements_score_total_name";
    const char* finish_hnt_achievements_puzzle_pieces_name =
        "finish_hnt_achievements_puzzle_pieces_name";
    const char* finish_hnt_achievements_time_total_name = "finish_hnt_achievements_time_total_name";
    const char* finish_hnt_achievements_puzzles_name = "finish_hnt_achievements_puzzles_name";
    const char* finish_hnt_achievements_pieces_joining_name =
        "finish_hnt_achievements_pieces_joining_name";
    const char* finish_hnt_achievements_puzzle_hardmode_name =
        "finish_hnt_achievements_puzzle_hardmode_name";

    const char* game_txt_score = "game_txt_score";

    const char* tutorial_txt_header = "tutorial_txt_header";
    const char* tutorial_txt_step01_windows = "tutorial_txt_step01_windows";
    const char* tutorial_txt_step02_windows = "tutorial_txt_step02_windows";
    const char* tutorial_txt_step03 = "tutorial_txt_step03";

    // Resolved after the catalogue pack captions.
    const char* menu_btn_saves_name = "menu_btn_saves_name";
    const char* game_dlg_resolution_error = "game_dlg_resolution_error";
    const char* menu_txt_profile_select = "menu_txt_profile_select";
    const char* menu_btn_mypictures_name = "menu_btn_mypictures_name";
    const char* menu_txt_picture_changed = "menu_txt_picture_changed";

    // The start-up failure messages: null when strings.xml lacks the key.
    const char* error_play_url = nullptr;
    const char* system_txt_resolution = "";
};

extern TEXTS g_texts;

// A credits heading and its names: the keys in order, and the texts of the keys that exist.
struct CREDITS_GROUP {
    std::vector<std::string> keys;
    std::vector<std::string> texts;
};

constexpr int kCreditsGroupCount = 10;
constexpr int kPackNameCount = 21;

extern CREDITS_GROUP g_credits[kCreditsGroupCount];
// The catalogue pack captions menu_btn_pack00_name .. menu_btn_pack20_name.
extern std::vector<std::string> g_pack_names;

// Clears the two start-up failure messages (null and empty) before the tables are read.
void ClearOptionalMessages();
// Resolves g_texts, the credits groups and the pack captions from the table, in the order
// screens rely on. Keys missing from the table resolve to themselves.
void ResolveTexts(const WSTRING_TABLE& table);
// Parses strings.xml (or another sheet) from disk into the table; false when the file is
// missing. A file that does not parse adds no rows.
bool LoadStringsFile(const char* path, WSTRING_TABLE& table);
