// g_resources: every file name and pack path the game loads, read once from resource.xml.
#pragma once

// One bitmap font of the fonts section.
struct RESOURCE_FONT {
    const char* var = nullptr;  // the font's description file
    int space = 0;              // letter spacing in pixels
};

// Sections and items are named after the elements of resource.xml; items are taken by their
// position inside a section, so the names only document their meaning. Every text is a heap copy
// made when the file is read; all are null before that.
struct RESOURCES {
    const char* progress_file = nullptr;
    struct FONTS {
        RESOURCE_FONT big_font;
        RESOURCE_FONT font;
        RESOURCE_FONT font_loading;
        RESOURCE_FONT font_expense;
        static constexpr int kCount = 4;
        // Item i in file order (0 .. kCount - 1).
        const RESOURCE_FONT& operator[](int i) const;
    } fonts;
    struct PACKS {
        const char* loading_pack = nullptr;
        const char* menu_pack = nullptr;
        const char* book_pack = nullptr;
        const char* level_pack = nullptr;
        const char* pocket_pack = nullptr;
        const char* gui_pack = nullptr;
        const char* trofei_pack = nullptr;
        const char* effects_pack = nullptr;
        const char* fonts_pack = nullptr;
        const char* music_pack = nullptr;
        const char* pre_pack = nullptr;
        const char* low_pack = nullptr;
        const char* hi_pack = nullptr;
        const char* mid_pack = nullptr;
    } packs;
    struct MAIN_SCREEN {
        const char* up_panel = nullptr;
        const char* menu_panel = nullptr;
        const char* button_top = nullptr;
        const char* button_trophy = nullptr;
        const char* button_compleat = nullptr;
        const char* button_play = nullptr;
        const char* button_cut = nullptr;
        const char* button_exit = nullptr;
        const char* button_settings = nullptr;
        const char* border = nullptr;
        const char* pencils = nullptr;
        const char* USB_flash_drive = nullptr;
        const char* white_plain = nullptr;
        const char* shadow = nullptr;
        const char* save_delete = nullptr;
        const char* next_page = nullptr;
        const char* prev_page = nullptr;
        const char* linoleum = nullptr;
    } main_screen;
    struct BOOK {
        const char* b1_1 = nullptr;
        const char* b1_2 = nullptr;
        const char* b1_3 = nullptr;
        const char* b2_1 = nullptr;
        const char* b2_2 = nullptr;
        const char* b2_3 = nullptr;
        const char* b3_1 = nullptr;
        const char* b3_2 = nullptr;
        const char* b3_3 = nullptr;
        const char* b4_1 = nullptr;
        const char* b4_2 = nullptr;
        const char* b4_3 = nullptr;
        const char* b5_1 = nullptr;
        const char* b5_2 = nullptr;
        const char* b5_3 = nullptr;
    } book;
    struct PARTICLE {
        const char* snow = nullptr;
        const char* blow = nullptr;
        const char* bonus = nullptr;
        const char* ice = nullptr;
    } particle;
    const char* cursor = nullptr;
    const char* gallery_button = nullptr;
    struct GUI {
        const char* ok_button = nullptr;
        const char* cancel_button = nullptr;
        const char* flat = nullptr;
        const char* slider_plus = nullptr;
        const char* slider_minus = nullptr;
        const char* slider = nullptr;
        const char* check_box = nullptr;
        const char* window_mini = nullptr;
        const char* window = nullptr;
    } gui;
    struct WINDOW_TROPHY {
        const char* back = nullptr;
        const char* magnifer = nullptr;
        const char* file_extemsion = nullptr;
        const char* collector = nullptr;
        const char* jigsaw_master = nullptr;
        const char* endurence = nullptr;
        const char* meditation = nullptr;
        const char* inconstancy = nullptr;
        const char* sage = nullptr;
        const char* lord = nullptr;
    } window_trophy;
    struct WINDOW_LIDERS {
        const char* back = nullptr;
        const char* table = nullptr;
        const char* under_table = nullptr;
    } window_liders;
    struct WINDOW_CHANGE_PLAYER {
        const char* back = nullptr;
        const char* item = nullptr;
        const char* list_back = nullptr;
        const char* edit_box = nullptr;
    } window_change_player;
    struct WINDOW_SETTINGS {
        const char* violin = nullptr;
        const char* gear = nullptr;
        const char* fortepiano = nullptr;
    } window_settings;
    const char* window_scores = nullptr;
    const char* window_change_resolution = nullptr;
    const char* change_puzzle_screen = nullptr;
    const char* exit_question = nullptr;
    const char* save_question = nullptr;
    const char* choice_color_back = nullptr;
    const char* up_score_punel = nullptr;
    const char* change_player = nullptr;
    const char* rotation_text = nullptr;
    struct PLAY_PANEL {
        const char* panel = nullptr;
        const char* exit = nullptr;
        const char* frame = nullptr;
        const char* hint = nullptr;
        const char* image = nullptr;
        const char* sort = nullptr;
        const char* magnifer = nullptr;
        const char* border = nullptr;
        const char* settings = nullptr;
    } play_panel;
    struct FLY_FRAME {
        const char* x1 = nullptr;
        const char* x2 = nullptr;
        const char* x3 = nullptr;
        const char* close = nullptr;
    } fly_frame;
    struct POCKET {
        const char* button = nullptr;
        const char* p2_1 = nullptr;
        const char* p1_2 = nullptr;
        const char* p1_1 = nullptr;
        const char* p2_2 = nullptr;
    } pocket;
    struct LEVEL_WIN {
        const char* complit = nullptr;
        const char* replay = nullptr;
        const char* rot_yes = nullptr;
        const char* rot_no = nullptr;
    } level_win;
    struct LOADING_SCREEN {
        const char* background = nullptr;
        const char* gear = nullptr;
    } loading_screen;
    struct AUTHOR_SCREEN {
        const char* blue_pic = nullptr;
    } author_screen;
    struct FAQ_SCREEN {
        const char* mouse = nullptr;
        const char* pocket = nullptr;
        const char* mouse_2 = nullptr;
    } faq_screen;
    struct SOUND {
        const char* button_disabled = nullptr;
        const char* button_over = nullptr;
        const char* button_play_press = nullptr;
        const char* button_press = nullptr;
        const char* close_pocket = nullptr;
        const char* element_arrive = nullptr;
        const char* element_connection_high = nullptr;
        const char* element_connection_med = nullptr;
        const char* element_connection_low = nullptr;
        const char* element_pickup = nullptr;
        const char* element_put = nullptr;
        const char* element_rotation = nullptr;
        const char* element_rotation_wrong = nullptr;
        const char* game_01 = nullptr;
        const char* game_02 = nullptr;
        const char* groups_arrive = nullptr;
        const char* gui_click = nullptr;
        const char* level_win = nullptr;
        const char* puzzle_over = nullptr;
        const char* puzzle_selection = nullptr;
        const char* tools_hint = nullptr;
        const char* tools_sort = nullptr;
        const char* use_pocket = nullptr;
        const char* window_close = nullptr;
        const char* window_open = nullptr;
        const char* tools_on = nullptr;
        const char* tools_off = nullptr;
        static constexpr int kCount = 27;
        // Item i in file order (0 .. kCount - 1).
        const char* operator[](int i) const;
    } sound;
};

extern RESOURCES g_resources;

// Writes the built-in resource.xml into the working folder.
void WriteDefaultResources();
// Reads resource.xml from the working folder into g_resources.
void LoadResources();
// Fills g_resources with the built-in values without touching any file (tools and tests).
void UseBuiltInResources();
