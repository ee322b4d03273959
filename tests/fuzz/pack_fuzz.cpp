// Fuzz target: a pack (zip archive) read member by member with the game's password.
#include <minizip/unzip.h>

#include <cstdint>

#include "engine/resources/file_system.h"
#include "engine/resources/pack_password.h"
#include "tests/fuzz/fuzz_folder.h"

namespace {

// Enough to reach every member of a real pack; a hostile directory may list millions.
constexpr int kMaxMembers = 64;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = FUZZ_FOLDER::Get().Write("pack", data, size);
    WFILE_SYSTEM files;
    if (files.OpenPack(path.c_str()) != 1) {
        return 0;
    }
    files.FindMember("editions.xml");
    auto* archive = static_cast<unzFile>(files.archive);
    int status = unzGoToFirstFile(archive);
    for (int member = 0; status == UNZ_OK && member < kMaxMembers; ++member) {
        files.ReadMember(kPackPassword);
        files.FreeMember();
        status = unzGoToNextFile(archive);
    }
    files.ClosePack();
    return 0;
}
