// Textures read through the pack rules: from a member of a pack, or by item name from the
// current pack or the loose folder.
#pragma once

class WRENDER;
struct WTEXTURE;

// The member name of the pack at path pack. The device's last image size follows the image
// header even when the texels cannot be decoded; any failure gives the default texture.
WTEXTURE* LoadTextureFromPack(WRENDER& device, const char* pack, const char* name,
                              const char* password);

// From the current pack with the pack password when one is selected; otherwise from the loose
// file LooseFolder + "/" + name, or from name unchanged when full_path is set. A failed load
// gives the device's default texture. A null name reads as empty.
WTEXTURE* LoadNamedTexture(WRENDER& device, const char* name, bool full_path);
