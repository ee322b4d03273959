// pack_builder: the command line that turns a folder or a member list into a pack.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "engine/resources/pack_password.h"
#include "tools/pack_builder/pack_writer.h"

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: pack_builder OUTPUT --dir FOLDER [--no-password]\n"
                 "       pack_builder OUTPUT --list LISTFILE [--no-password]\n"
                 "  --dir   packs every file under FOLDER, named by relative path, sorted\n"
                 "  --list  packs the lines 'member-name<TAB>source-path' in file order;\n"
                 "          relative source paths start from the list file's folder\n"
                 "  --no-password  members are deflated but not encrypted\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        return Usage();
    }
    const std::string output = argv[1];
    const std::string mode = argv[2];
    const std::string source = argv[3];
    std::string password = kPackPassword;
    for (int i = 4; i < argc; ++i) {
        if (std::strcmp(argv[i], "--no-password") != 0) {
            return Usage();
        }
        password.clear();
    }
    std::vector<PACK_MEMBER> members;
    std::string error;
    bool listed = false;
    if (mode == "--dir") {
        listed = MembersOfFolder(source, members, error);
    } else if (mode == "--list") {
        listed = ReadMemberList(source, members, error);
    } else {
        return Usage();
    }
    if (!listed || WritePack(output, members, password, error) != 1) {
        std::fprintf(stderr, "pack_builder: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
