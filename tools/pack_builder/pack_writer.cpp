// Pack writing on minizip's zip calls; see pack_writer.h.
#include "tools/pack_builder/pack_writer.h"

#include <minizip/zip.h>
#include <zlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <system_error>

#include "engine/resources/member_inflater.h"
#include "engine/resources/zip_crypto.h"

namespace fs = std::filesystem;

namespace {

bool ReadWholeFile(const std::string& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

// Raw deflate (no zlib header), as zip members store it.
bool Deflate(const std::string& bytes, std::string& compressed) {
    z_stream stream = {};
    if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 9, Z_DEFAULT_STRATEGY) !=
        Z_OK) {
        return false;
    }
    compressed.resize(deflateBound(&stream, bytes.size()));
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
    stream.avail_in = static_cast<uInt>(bytes.size());
    stream.next_out = reinterpret_cast<Bytef*>(compressed.data());
    stream.avail_out = static_cast<uInt>(compressed.size());
    const int status = deflate(&stream, Z_FINISH);
    compressed.resize(stream.total_out);
    deflateEnd(&stream);
    return status == Z_STREAM_END;
}

// The random header whose last two bytes are the crc's high word, then the data, encrypted.
std::string Encrypt(const std::string& data, const std::string& password, uLong crc) {
    std::random_device random;
    std::string out(kZipCryptoHeaderSize, '\0');
    for (size_t i = 0; i < kZipCryptoHeaderSize - 2; ++i) {
        out[i] = static_cast<char>(random() & 0xFF);
    }
    out[kZipCryptoHeaderSize - 2] = static_cast<char>((crc >> 16) & 0xFF);
    out[kZipCryptoHeaderSize - 1] = static_cast<char>((crc >> 24) & 0xFF);
    out += data;
    ZIP_CRYPTO cipher(password);
    for (char& c : out) {
        c = static_cast<char>(cipher.Encrypt(static_cast<uint8_t>(c)));
    }
    return out;
}

// One member, deflated and, with a password, encrypted here; minizip stores the bytes raw.
bool AddMember(zipFile zip, const PACK_MEMBER& member, const std::string& password,
               std::string& error) {
    // Checked before reading: the game would refuse the member, and zlib takes 32-bit sizes.
    std::error_code ec;
    const uintmax_t size = fs::file_size(member.source_path, ec);
    if (!ec && size > kMaxMemberSize) {
        error = member.source_path + " is larger than a pack member may be (" +
                std::to_string(kMaxMemberSize >> 20) + " MiB)";
        return false;
    }
    std::string bytes;
    if (!ReadWholeFile(member.source_path, bytes)) {
        error = "cannot read " + member.source_path;
        return false;
    }
    std::string stored;
    if (!Deflate(bytes, stored)) {
        error = "cannot deflate " + member.source_path;
        return false;
    }
    const uLong crc =
        crc32(0L, reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uInt>(bytes.size()));
    const bool encrypted = !password.empty();
    if (encrypted) {
        stored = Encrypt(stored, password, crc);
    }
    // A fixed date keeps the member headers the same from one build to the next.
    zip_fileinfo info = {};
    info.tmz_date.tm_year = 1980;
    info.tmz_date.tm_mday = 1;
    const uLong encrypted_flag = encrypted ? 1 : 0;
    if (zipOpenNewFileInZip4(zip, member.name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr,
                             Z_DEFLATED, Z_BEST_COMPRESSION, 1, -MAX_WBITS, DEF_MEM_LEVEL,
                             Z_DEFAULT_STRATEGY, nullptr, 0, 0, encrypted_flag) != ZIP_OK) {
        error = "cannot add member " + member.name;
        return false;
    }
    const bool written =
        zipWriteInFileInZip(zip, stored.data(), static_cast<unsigned>(stored.size())) == ZIP_OK;
    if (zipCloseFileInZipRaw(zip, bytes.size(), crc) != ZIP_OK || !written) {
        error = "cannot write member " + member.name;
        return false;
    }
    return true;
}

bool CheckName(const std::string& name, std::string& error) {
    if (name.empty() || name.size() > kMaxMemberNameLength) {
        error = "member name must have 1 to " + std::to_string(kMaxMemberNameLength) +
                " bytes: \"" + name + "\"";
        return false;
    }
    return true;
}

}  // namespace

bool MembersOfFolder(const std::string& folder, std::vector<PACK_MEMBER>& members,
                     std::string& error) {
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) {
        error = "not a folder: " + folder;
        return false;
    }
    std::vector<PACK_MEMBER> found;
    for (fs::recursive_directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (!it->is_regular_file(ec)) {
            continue;
        }
        const std::string name = it->path().lexically_relative(folder).generic_string();
        if (!CheckName(name, error)) {
            return false;
        }
        found.push_back({name, it->path().string()});
    }
    if (ec) {
        error = "cannot walk " + folder + ": " + ec.message();
        return false;
    }
    std::sort(found.begin(), found.end(),
              [](const PACK_MEMBER& a, const PACK_MEMBER& b) { return a.name < b.name; });
    members.insert(members.end(), found.begin(), found.end());
    return true;
}

bool ReadMemberList(const std::string& list_path, std::vector<PACK_MEMBER>& members,
                    std::string& error) {
    std::ifstream in(list_path, std::ios::binary);
    if (!in) {
        error = "cannot read " + list_path;
        return false;
    }
    const fs::path base = fs::path(list_path).parent_path();
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty()) {
            continue;
        }
        const size_t tab = line.find('\t');
        if (tab == std::string::npos) {
            error = list_path + ":" + std::to_string(number) + ": no tab between name and path";
            return false;
        }
        const std::string name = line.substr(0, tab);
        if (!CheckName(name, error)) {
            error = list_path + ":" + std::to_string(number) + ": " + error;
            return false;
        }
        const fs::path source = line.substr(tab + 1);
        members.push_back({name, (source.is_absolute() ? source : base / source).string()});
    }
    return true;
}

int WritePack(const std::string& output, const std::vector<PACK_MEMBER>& members,
              const std::string& password, std::string& error) {
    std::error_code ec;
    const fs::path parent = fs::path(output).parent_path();
    if (!parent.empty()) {
        fs::create_directories(parent, ec);
    }
    const std::string temporary = output + ".tmp";
    zipFile zip = zipOpen(temporary.c_str(), APPEND_STATUS_CREATE);
    if (!zip) {
        error = "cannot create " + temporary;
        return -1;
    }
    bool ok = true;
    for (const PACK_MEMBER& member : members) {
        if (!AddMember(zip, member, password, error)) {
            ok = false;
            break;
        }
    }
    if (zipClose(zip, nullptr) != ZIP_OK && ok) {
        error = "cannot finish " + temporary;
        ok = false;
    }
    if (ok) {
        fs::rename(temporary, output, ec);
        if (ec) {
            error = "cannot rename " + temporary + " to " + output + ": " + ec.message();
            ok = false;
        }
    }
    if (!ok) {
        fs::remove(temporary, ec);
        return -1;
    }
    return 1;
}
