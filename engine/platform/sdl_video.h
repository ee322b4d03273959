// Internal to engine/platform: starting SDL's video subsystem and the one game window.
#pragma once

struct SDL_Window;

namespace platform {

// True when the video subsystem runs (started on first use).
bool EnsureVideo();
// The game window once CreateGameWindow made it, else null.
SDL_Window* GameWindow();

}  // namespace platform
