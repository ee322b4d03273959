// Loading a texture by item name through the pack rules (current pack, else the loose folder).
#pragma once

class WRENDER;
struct WTEXTURE;

// From the current pack with the pack password when one is selected; otherwise from the loose
// file LooseFolder + "/" + name, or from name unchanged when full_path is set. A failed load
// gives the device's default texture. A null name reads as empty.
WTEXTURE* LoadNamedTexture(WRENDER& device, const char* name, bool full_path);
