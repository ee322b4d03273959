// WWINDOW: the one game window, switched between a centred fixed-size window and a borderless
// window covering the desktop.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class WWINDOW {
  public:
    // Reads the desktop size; opens no window.
    WWINDOW();

    // Creates the window (titled with the UTF-8 title) in the current mode. Always 1: without a
    // window the handle stays null and the render device refuses it.
    int Create(const std::string& title);
    // Stores the mode and places the window: full screen covers the desktop whatever w x h is.
    void SetMode(int w, int h, bool full_screen, bool scaling);
    // Asks for the window to be minimised; minimised stays true until SetMode or Restored.
    void Minimise();
    void Restored() { minimised = false; }
    // The window icon from the working folder: icons/window_64.png, else icons/window_32.png.
    // False when neither is a picture of at most kMaxIconSize pixels a side.
    static bool LoadIcon(std::vector<uint32_t>& argb, int& width, int& height);
    static constexpr int kMaxIconSize = 256;

    void* handle = nullptr;  // the platform's window, null until created
    int width = 1024;        // client size of the current mode, pixels
    int height = 768;
    bool full_screen = false;
    bool minimised = false;
    int desktop_width = 0;
    int desktop_height = 0;
    // Style switches of the windowed mode. The platform's window has a caption and a minimise
    // box and can be neither resized nor maximised, which is what these defaults ask for.
    bool caption = true;
    bool resizable = false;
    bool minimise_box = true;
    bool maximise_box = false;
    // True for windowed modes, false in full screen (the picture is scaled by the device then).
    bool scaling = false;
};
