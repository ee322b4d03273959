// Loading a texture by item name through the pack rules.
#include "engine/ui/named_texture.h"

#include <string>

#include "engine/frame/file_system.h"
#include "engine/render/render_device.h"

WTEXTURE* LoadNamedTexture(WRENDER& device, const char* name, bool full_path) {
    const char* item = name ? name : "";
    if (g_file_system.CurrentPack != nullptr) {
        return device.LoadTextureFromPack(g_file_system.CurrentPack, item,
                                          g_file_system.PackPassword.c_str());
    }
    if (full_path) {
        return device.LoadTextureFile(item);
    }
    return device.LoadTextureFile(g_file_system.LooseFolder + "/" + item);
}
