// WRENDER::LoadTextureFromPack: a texture from an image stored in a resource pack.
#include "engine/frame/file_system.h"
#include "engine/render/render_device.h"

WTEXTURE* WRENDER::LoadTextureFromPack(const char* pack, const char* name, const char* password) {
    if (g_file_system.OpenPack(pack) == -1) {
        return &default_texture_;
    }
    WTEXTURE* t = &default_texture_;
    if (g_file_system.FindMember(name) == 1 && g_file_system.ReadMember(password) == 1) {
        t = LoadTextureBytes(g_file_system.MemberData, g_file_system.MemberSize, true);
    }
    g_file_system.FreeMember();
    g_file_system.ClosePack();
    return t;
}
