// g_config: product names, interface colours, menu and book constants, trophy thresholds.
#pragma once

#include <cstdint>

// Read once from config.xml by LoadTables. Until then every field holds the built-in value
// (product and company empty, color_splash 0xFF000000), so code that runs without the tables
// still sees the shipped look. Colours are ARGB 0xAARRGGBB stored in an int.
struct CONFIG {
    const char* product = "";            // window title; names the per-user data folder
    const char* company = "";            // the publisher's name; it names no folder
    uint32_t color_splash = 0xFF000000;  // background of the splash logos
    bool trofei_enable = true;
    int white_splain_extra = 70;            // pixels added to both sides of the board's white plain
    int font_main_color = -13744777;        // 0xFF2E4577
    int button_hint_color_border = -13312;  // 0xFFFFCC00
    int button_hint_color_back = -1996488705;  // 0x88FFFFFF
    int black_transluvent = -1728053232;       // 0x99000010
    float button_sokand_cancel_identy = 0.45f;
    int max_save = 150;  // save-file names tried when looking for a free one
    int delete_saves = 0;
    float time_for_reset_video_mode = 15.0f;  // seconds before a new resolution is rolled back
    float time_for_show_hint_frame_choise = 0.3f;
    int color_background_0 = -10795;    // 0xFFFFD5D5
    int color_background_1 = -2818109;  // 0xFFD4FFC3
    int color_background_2 = -6968323;  // 0xFF95ABFD
    int color_background_3 = -1;        // 0xFFFFFFFF

    // The catalogue book screen; pixels unless noted.
    struct BOOK {
        float max_frame_rotation = 0.0f;  // radians
        int offset_from_page = 65;
        float size_of_frames_in_percent = 0.6f;
        int count_pixel_for_frame = 20;
        int count_pixel_for_frames_offset = -20;
        float frames_extra_boundbox = 1.3f;
        float opt_size_ULX = 0.1f;
        float opt_size_ULY = 0.15f;
        float opt_size_DRX = 0.9f;
        float opt_size_DRY = 0.85f;
    } book;

    // Trophy thresholds: a level is reached when the player's statistic reaches its value.
    struct TROFY {
        int collector_1 = 10;
        int collector_2 = 100;
        int collector_3 = 1000;
        int collector_4 = 10000;
        int collector_5 = 1000000;
        int jigsaw_master_1 = 10000;
        int jigsaw_master_2 = 100000;
        int jigsaw_master_3 = 1000000;
        int endurence_1 = 10;
        int endurence_2 = 100;
        int endurence_3 = 500;
        int endurence_4 = 1000;
        int meditation_1 = 3600;
        int meditation_2 = 18000;
        int meditation_3 = 36000;
        int meditation_4 = 180000;
        int inconstancy_1 = 1;
        int inconstancy_2 = 5;
        int inconstancy_3 = 10;
        int inconstancy_4 = 20;
        int sage_1 = 5;
        int sage_2 = 10;
        int sage_3 = 15;
        int sage_4 = 30;
        int sage_5 = 50;
        int sage_6 = 100;
    } trofy;
};

extern CONFIG g_config;

// Writes the built-in config.xml into the working folder: indented, no byte-order mark.
void WriteDefaultConfig();
// Reads config.xml from the working folder into g_config, writing the built-in file first when
// it is missing. Missing elements read as empty, 0, 0.0 or false.
void LoadConfig();
