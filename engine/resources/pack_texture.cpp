// Textures read through the pack rules; see pack_texture.h.
#include "engine/resources/pack_texture.h"

#include <string>

#include "engine/render/render_device.h"
#include "engine/resources/file_system.h"

WTEXTURE* LoadTextureFromPack(WRENDER& device, const char* pack, const char* name,
                              const char* password) {
    WTEXTURE* texture = device.GetDefaultTexture();
    if (g_file_system.ReadPackMember(pack, name, password) == 1) {
        texture = device.LoadTextureBytes(g_file_system.MemberData, g_file_system.MemberSize, true);
    }
    g_file_system.FreeMember();
    return texture;
}

WTEXTURE* LoadNamedTexture(WRENDER& device, const char* name, bool full_path) {
    const char* item = name ? name : "";
    if (g_file_system.CurrentPack != nullptr) {
        return LoadTextureFromPack(device, g_file_system.CurrentPack, item,
                                   g_file_system.PackPassword.c_str());
    }
    if (full_path) {
        return device.LoadTextureFile(item);
    }
    return device.LoadTextureFile(g_file_system.LooseFolder + "/" + item);
}
