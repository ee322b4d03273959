// The loader idiom's read: one item by member name from the current pack, or the loose file.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

class WFILE_SYSTEM;

// LooseFolder + "/" + name; the "/" is there even when the folder is empty.
std::string LooseItemPath(const WFILE_SYSTEM& files, const char* name);

// Hands the item's bytes to use: with a pack selected, the member read with PackPassword (the
// pack is closed again afterwards); without, the loose file. False, without calling use, when
// the pack, the member, the password or the file fails.
bool UseItem(WFILE_SYSTEM& files, const char* name,
             const std::function<void(const unsigned char* data, size_t size)>& use);
