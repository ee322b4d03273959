// What the shell's modal windows share: the keys that answer them, their sounds and fonts, the
// darkened screen under them and the OK and Cancel pair on their bottom edge.
#pragma once

#include <memory>
#include <utility>

#include "engine/resources/file_system.h"
#include "engine/resources/registry.h"

class WFONT;
class WSPRITE;

namespace GAME {

// Indices into g_sounds (the registry's sound section).
enum SHELL_SOUND {
    kSoundButtonDisabled = 0,
    kSoundButtonPress = 3,
    kSoundPuzzleSelection = 19,
};

// Alignment modes of WFONT::align.
enum TEXT_ALIGN {
    kAlignCentre = 0,
    kAlignTopLeft = 1,
    kAlignMiddleLeft = 7,
    kAlignMiddleRight = 8,
};

// A key that went down since the last iteration. Holding a key is no answer: the key that opened
// a window would otherwise answer it in the next frame.
bool KeyPressed(int vk);
void PlayShellSound(SHELL_SOUND sound);

// Null until the fonts are loaded.
WFONT* BigFont();
WFONT* MainFont();
// The text in the interface's text colour with the given alignment; nothing without a font.
void PrintText(WFONT* font, int align, int x, int y, const char* text);

// The shared black overlay over the whole screen, which every modal window draws first.
void DrawScreenOverlay();
// OK and Cancel side by side on a window's bottom edge (logical pixels): each an eighth of its
// four-frame image left and right of centre_x, so they meet in the middle.
void PlaceOkCancel(WSPRITE& ok, WSPRITE& cancel, int centre_x, int bottom_edge);

// A window made with its images read from gui_pack; no pack is selected afterwards.
template <class WINDOW, class... ARGS>
std::unique_ptr<WINDOW> MakeFromGuiPack(ARGS&&... args) {
    g_file_system.SelectPack(g_resources.packs.gui_pack);
    auto window = std::make_unique<WINDOW>(std::forward<ARGS>(args)...);
    g_file_system.UnselectPack();
    return window;
}

}  // namespace GAME
