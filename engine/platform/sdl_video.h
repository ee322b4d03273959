// Internal to engine/platform: starting SDL's video subsystem and the one game window.
#pragma once

struct SDL_Window;

namespace platform {

// True when the video subsystem runs (started on first use).
bool EnsureVideo();
// The drivers SDL falls back to when it finds no display: they show nothing.
bool IsHeadlessDriver(const char* driver);
// The game window once CreateGameWindow made it, else null.
SDL_Window* GameWindow();

}  // namespace platform
