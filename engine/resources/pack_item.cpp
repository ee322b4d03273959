// Reading one item through the current pack or the loose folder; see pack_item.h.
#include "engine/resources/pack_item.h"

#include <fstream>
#include <iterator>
#include <vector>

#include "engine/frame/file_system.h"

std::string LooseItemPath(const WFILE_SYSTEM& files, const char* name) {
    return files.LooseFolder + "/" + (name ? name : "");
}

bool UseItem(WFILE_SYSTEM& files, const char* name,
             const std::function<void(const unsigned char* data, size_t size)>& use) {
    if (!files.CurrentPack) {
        const std::string path = LooseItemPath(files, name);
        std::ifstream in(path, std::ios::binary);
        if (WFILE_SYSTEM::FileExists(path) != 1 || !in) {
            return false;
        }
        const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)),
                                               std::istreambuf_iterator<char>());
        use(bytes.data(), bytes.size());
        return true;
    }
    const bool read = files.OpenPack(files.CurrentPack) == 1 && files.FindMember(name) == 1 &&
                      files.ReadMember(files.PackPassword.c_str()) == 1;
    if (read) {
        use(files.MemberData, files.MemberSize);
    }
    files.FreeMember();
    files.ClosePack();
    return read;
}
