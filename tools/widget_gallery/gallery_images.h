// The painted test images of the widget gallery, written as PNG files into a folder.
#pragma once

#include <cstdint>
#include <string>

namespace gallery {

// Writes every image the gallery's widgets load (by the names below) into folder.
bool PaintImages(const std::string& folder);

// A font of generated glyph boxes for when the game's fonts are not there: the description's
// path (the page image lies next to it in folder).
std::string PaintFallbackFont(const std::string& folder);

}  // namespace gallery
