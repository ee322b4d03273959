// LoadFramesList: reads the picture catalogue "pzls.xml" into its categories.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "game/shell/puzzle_category.h"

// The catalogue file, a loose file in the working folder.
constexpr const char* kCatalogueFile = "pzls.xml";

// The categories of the catalogue at path, in file order, each laid out for a screen of
// screen_width x screen_height. The root element's child elements are the categories and
// theirs the entries (attributes adrFm, adrSm, amount, rot); element names do not matter.
//
// An entry whose picture is missing from the pack low_pack or whose thumbnail does not load
// from the pack pre_pack is left out, and so is a category left without entries; a category's
// name_index still counts every category of the file. A missing or unparsable file gives no
// categories. Leaves no pack selected.
std::vector<std::unique_ptr<PUZZLE_CATEGORY>> LoadFramesList(const std::string& path,
                                                             int screen_width, int screen_height);
