// WFILE_SYSTEM's pack half: members read whole, by exact name, from zip packs.
#include <minizip/unzip.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <pugixml.hpp>

#include "engine/platform/regular_file.h"
#include "engine/resources/file_system.h"
#include "engine/resources/member_inflater.h"
#include "engine/resources/xml_tables.h"

namespace {

unzFile Archive(void* handle) {
    return static_cast<unzFile>(handle);
}

// The archive library's stdio access with one change: the pack is opened as a regular file
// only, without waiting on a pipe or a device.
voidpf ZCALLBACK OpenRegularPack(voidpf, const void* path, int mode) {
    if ((mode & ZLIB_FILEFUNC_MODE_READWRITEFILTER) != ZLIB_FILEFUNC_MODE_READ) {
        return nullptr;
    }
    size_t size = 0;
    const int fd = platform::OpenRegularFile(static_cast<const char*>(path),
                                             platform::kMaxPackFileBytes, size);
    if (fd < 0) {
        return nullptr;
    }
    std::FILE* file = ::fdopen(fd, "rb");
    if (!file) {
        ::close(fd);
    }
    return file;
}

zlib_filefunc64_def RegularPackAccess() {
    zlib_filefunc64_def access;
    fill_fopen64_filefunc(&access);
    access.zopen64_file = OpenRegularPack;
    return access;
}

}  // namespace

WFILE_SYSTEM::WFILE_SYSTEM() = default;

WFILE_SYSTEM::~WFILE_SYSTEM() {
    FreeMember();
    ClosePack();
}

int WFILE_SYSTEM::OpenPack(const char* pack_path) {
    ClosePack();
    if (!pack_path) {
        return -1;
    }
    zlib_filefunc64_def access = RegularPackAccess();
    archive = unzOpen2_64(pack_path, &access);
    return archive ? 1 : -1;
}

int WFILE_SYSTEM::FindMember(const char* name) {
    if (!archive || !name) {
        return -1;
    }
    int status = unzGoToFirstFile(Archive(archive));
    if (status != UNZ_OK) {
        return -1;
    }
    const size_t wanted = std::strlen(name);
    for (;;) {
        unz_file_info info;
        status = unzGetCurrentFileInfo(Archive(archive), &info, member_name, sizeof(member_name),
                                       nullptr, 0, nullptr, 0);
        if (status != UNZ_OK) {
            return status;
        }
        // A name too long for the buffer is cut without a terminator, and so never matches;
        // shorter names compare by their own length.
        member_name[sizeof(member_name) - 1] = '\0';
        if (info.size_filename == wanted && wanted < sizeof(member_name) &&
            std::memcmp(member_name, name, wanted) == 0) {
            MemberSize = info.uncompressed_size;
            return 1;
        }
        status = unzGoToNextFile(Archive(archive));
        if (status != UNZ_OK) {
            return status;
        }
    }
}

int WFILE_SYSTEM::ReadMember(const char* password) {
    FreeMember();
    if (!archive) {
        return -1;
    }
    unz_file_info info;
    if (unzGetCurrentFileInfo(Archive(archive), &info, nullptr, 0, nullptr, 0, nullptr, 0) !=
        UNZ_OK) {
        return -1;
    }
    MemberSize = info.uncompressed_size;
    MEMBER_INFLATER inflater(info, password ? password : "");
    if (!inflater.Acceptable()) {
        return -1;
    }
    // Raw: the stored bytes, still encrypted and compressed. The system minizip is built without
    // decryption (unzOpenCurrentFilePassword refuses every password), so the inflater undoes both.
    int method = 0;
    int level = 0;
    if (unzOpenCurrentFile2(Archive(archive), &method, &level, 1) != UNZ_OK) {
        return -1;
    }
    unsigned char chunk[kMemberReadChunk];
    bool ok = true;
    for (;;) {
        const int count = unzReadCurrentFile(Archive(archive), chunk, sizeof(chunk));
        if (count < 0 || (count > 0 && !inflater.Feed(chunk, static_cast<size_t>(count)))) {
            ok = false;
            break;
        }
        if (count == 0) {
            break;
        }
    }
    unzCloseCurrentFile(Archive(archive));
    if (!ok || !inflater.Finish()) {
        return -1;
    }
    MemberData = inflater.Release();
    return 1;
}

int WFILE_SYSTEM::FreeMember() {
    delete[] MemberData;
    MemberData = nullptr;
    return 1;
}

int WFILE_SYSTEM::ClosePack() {
    if (archive) {
        unzClose(Archive(archive));
        archive = nullptr;
    }
    return 1;
}

int WFILE_SYSTEM::ReadPackMember(const char* pack_path, const char* name, const char* password) {
    FreeMember();
    if (OpenPack(pack_path) != 1) {
        return -1;
    }
    const int read = FindMember(name) == 1 && ReadMember(password) == 1 ? 1 : -2;
    ClosePack();
    return read;
}

void WFILE_SYSTEM::SelectPack(const char* pack_path) {
    if (UsePacks) {
        SetPack(pack_path);
    } else {
        SetLooseFolder(pack_path);
    }
}

void WFILE_SYSTEM::UnselectPack() {
    if (UsePacks) {
        SetPack(nullptr);
    }
}

pugi::xml_document* WFILE_SYSTEM::LoadXml(const char* name) {
    auto document = std::make_unique<pugi::xml_document>();
    const int read = CurrentPack ? ReadPackMember(CurrentPack, name, PackPassword.c_str()) : -1;
    if (read == -1) {
        // No pack to read from: the loose file stands in.
        ParseXmlFile(*document, name);
        return document.release();
    }
    if (read == 1 && !document->load_buffer(MemberData, MemberSize)) {
        document->reset();
    }
    FreeMember();
    return read == 1 ? document.release() : nullptr;
}
