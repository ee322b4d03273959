// How much of the desktop a game window may take: the area left by panels and docks, and the
// frame the window manager puts around the window's picture.
#pragma once

namespace platform {

// The primary display's area that windows may cover, in pixels; 0 x 0 when there is no display.
// Starts the video subsystem when needed.
void UsableDesktopSize(int& width, int& height);
// What the window manager adds around the game window's picture, in pixels: across (left and
// right edges) and down (title bar and bottom edge). 0 when there is no window yet or the system
// does not tell.
void WindowFrameSize(int& width, int& height);

}  // namespace platform
