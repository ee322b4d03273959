// g_editions: what differs between editions of the game, read from DATA/editions/editions.xml.
#pragma once

#include <string>

struct EDITIONS {
    std::string url_file;  // link file opened at exit, relative to the working folder
    bool run_if_url_lost = true;
    std::string exe_file;  // program opened at exit, relative to the working folder
    bool run_if_exe_lost = true;
    std::string splash1;  // the two splash logo images
    std::string splash2;
    const char* notice_text = nullptr;  // the credits screen's edition notice (copyright1)
    int notice_x = 0;
    int notice_y = 0;
    const char* title_text = nullptr;  // the loading screen's title (copyright_title)
    int title_x = 0;
    int title_y = 0;
};

extern EDITIONS g_editions;

// Reads editions.xml from the pack "DATA/editions". A missing file, or any of its six required
// elements missing, leaves the defaults (both flags true, everything else empty, null or 0).
void LoadEditions();
