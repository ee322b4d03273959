// The pack reader against fixture packs made with the pack writer, honest and hostile.
#include <gtest/gtest.h>
#include <minizip/zip.h>
#include <sys/stat.h>

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <pugixml.hpp>
#include <string>
#include <vector>

#include "engine/resources/file_system.h"
#include "engine/resources/member_inflater.h"
#include "engine/resources/pack_password.h"
#include "tests/support/scratch_folder.h"
#include "tools/pack_builder/pack_writer.h"

// The largest single allocation since the last reset: hostile members must not make the reader
// allocate what they claim. The replacement pair allocates with malloc and frees with free, which
// GCC cannot see through once they are inlined.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
namespace {
std::atomic<size_t> g_largest_allocation{0};
}

void* operator new(size_t size) {
    size_t seen = g_largest_allocation.load();
    while (size > seen && !g_largest_allocation.compare_exchange_weak(seen, size)) {
    }
    if (void* block = std::malloc(size ? size : 1)) {
        return block;
    }
    throw std::bad_alloc();
}
void operator delete(void* block) noexcept {
    std::free(block);
}
void operator delete(void* block, size_t) noexcept {
    std::free(block);
}

namespace {

constexpr size_t kMiB = size_t{1} << 20;

std::string Pattern(size_t size) {
    std::string bytes(size, '\0');
    uint32_t state = 12345;
    for (char& c : bytes) {
        state = state * 1103515245u + 12345u;
        c = static_cast<char>(state >> 24);
    }
    return bytes;
}

void PutLe32(std::string& bytes, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

uint16_t Le16(const std::string& bytes, size_t at) {
    return static_cast<uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                 static_cast<unsigned char>(bytes[at + 1]) << 8);
}

// Rewrites the uncompressed size of a member in both its local and its central header, the way
// a hostile archive lies about it.
void DeclareSize(const std::string& path, const std::string& member, uint32_t size) {
    std::ifstream in(path, std::ios::binary);
    std::string zip((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    in.close();
    for (size_t at = 0; at + 46 < zip.size(); ++at) {
        if (zip.compare(at, 4, "PK\x03\x04") == 0 &&
            zip.compare(at + 30, member.size(), member) == 0 &&
            Le16(zip, at + 26) == member.size()) {
            PutLe32(zip, at + 22, size);
        }
        if (zip.compare(at, 4, "PK\x01\x02") == 0 &&
            zip.compare(at + 46, member.size(), member) == 0 &&
            Le16(zip, at + 28) == member.size()) {
            PutLe32(zip, at + 24, size);
        }
    }
    std::ofstream(path, std::ios::binary) << zip;
}

class PackReaderTest : public ::testing::Test {
  protected:
    // Members in this order: two dup.txt, a 0-byte member, a multi-chunk member, the panel.
    void SetUp() override {
        const std::vector<PACK_MEMBER> members = {
            {"dup.txt", scratch_.Write("src/dup1", "first")},
            {"dup.txt", scratch_.Write("src/dup2", "second")},
            {"empty.bin", scratch_.Write("src/empty", "")},
            {"big.bin", scratch_.Write("src/big", Pattern(300 * 1024))},
            {"up_panel.png", scratch_.Write("src/panel", "panel bytes")},
        };
        pack_ = Build("DATA/menu", members, kPackPassword);
        files_.PackPassword = kPackPassword;
    }

    std::string Build(const std::string& name, const std::vector<PACK_MEMBER>& members,
                      const std::string& password) {
        std::string error;
        const std::string path = scratch_.Path(name);
        EXPECT_EQ(WritePack(path, members, password, error), 1) << error;
        return path;
    }

    // One member's text, or "<fail>" when any step of reading it fails.
    std::string ReadText(const std::string& pack, const char* name, const char* password) {
        if (files_.ReadPackMember(pack.c_str(), name, password) != 1) {
            return "<fail>";
        }
        std::string text(reinterpret_cast<char*>(files_.MemberData), files_.MemberSize);
        files_.FreeMember();
        return text;
    }

    SCRATCH_FOLDER scratch_;
    WFILE_SYSTEM files_;
    std::string pack_;
};

TEST_F(PackReaderTest, NamesMatchExactlyAndTheFirstOfTwoWins) {
    EXPECT_EQ(ReadText(pack_, "up_panel.png", kPackPassword), "panel bytes");
    EXPECT_EQ(ReadText(pack_, "Up_panel.png", kPackPassword), "<fail>");
    EXPECT_EQ(ReadText(pack_, "up_panel.pn", kPackPassword), "<fail>");
    EXPECT_EQ(ReadText(pack_, "up_panel.png ", kPackPassword), "<fail>");
    EXPECT_EQ(ReadText(pack_, "dup.txt", kPackPassword), "first");
    EXPECT_EQ(ReadText(pack_, "big.bin", kPackPassword), Pattern(300 * 1024));
}

TEST_F(PackReaderTest, FindMemberReportsTheMissingAndTheUnopened) {
    EXPECT_EQ(files_.FindMember("up_panel.png"), -1);  // no archive open
    ASSERT_EQ(files_.OpenPack(pack_.c_str()), 1);
    EXPECT_NE(files_.FindMember("missing.png"), 1);
    EXPECT_EQ(files_.FindMember("up_panel.png"), 1);
    EXPECT_STREQ(files_.member_name, "up_panel.png");
    EXPECT_EQ(files_.MemberSize, 11u);
    files_.ClosePack();

    const std::string empty = Build("empty_pack", {}, kPackPassword);
    EXPECT_EQ(ReadText(empty, "up_panel.png", kPackPassword), "<fail>");
}

TEST_F(PackReaderTest, NamesTooLongForTheNameBufferNeverMatch) {
    // The pack writer refuses such names, so this archive is written with the zip library itself.
    const std::string longest(sizeof(files_.member_name) - 1, 'n');
    const std::string too_long(300, 'n');
    const std::string path = scratch_.Path("long_names");
    zipFile zip = zipOpen(path.c_str(), APPEND_STATUS_CREATE);
    ASSERT_NE(zip, nullptr);
    for (const std::string& name : {too_long, longest}) {
        ASSERT_EQ(
            zipOpenNewFileInZip(zip, name.c_str(), nullptr, nullptr, 0, nullptr, 0, nullptr, 0, 0),
            ZIP_OK);
        ASSERT_EQ(zipWriteInFileInZip(zip, name.data(), 3), ZIP_OK);
        ASSERT_EQ(zipCloseFileInZip(zip), ZIP_OK);
    }
    ASSERT_EQ(zipClose(zip, nullptr), ZIP_OK);

    EXPECT_EQ(ReadText(path, longest.c_str(), ""), "nnn");
    EXPECT_EQ(ReadText(path, too_long.c_str(), ""), "<fail>");
    EXPECT_EQ(ReadText(path, too_long.substr(0, 259).c_str(), ""), "nnn");  // the second member
}

// Stored members with the encryption header made here, fed to the inflater in chunks of a
// given size; the text, or "<fail>" when a chunk or the end is refused.
std::string InflateStored(const std::string& text, uLong flag, uint8_t check_byte,
                          const char* password, size_t chunk) {
    unz_file_info info = {};
    info.flag = flag;
    info.compression_method = 0;
    info.uncompressed_size = text.size();
    info.crc =
        crc32(0L, reinterpret_cast<const Bytef*>(text.data()), static_cast<uInt>(text.size()));
    info.dosDate = 0x5A21B3C4;  // time 0xB3C4: its high byte checks members with a descriptor
    std::string stored = text;
    if (flag & 1) {
        stored = "0123456789\xA5" + std::string(1, static_cast<char>(check_byte)) + text;
        ZIP_CRYPTO cipher(kPackPassword);
        for (char& c : stored) {
            c = static_cast<char>(cipher.Encrypt(static_cast<uint8_t>(c)));
        }
    }
    MEMBER_INFLATER inflater(info, password);
    for (size_t at = 0; at < stored.size(); at += chunk) {
        std::string part = stored.substr(at, chunk);
        if (!inflater.Feed(reinterpret_cast<unsigned char*>(part.data()), part.size())) {
            return "<fail>";
        }
    }
    if (!inflater.Finish()) {
        return "<fail>";
    }
    std::unique_ptr<unsigned char[]> data(inflater.Release());
    EXPECT_EQ(data[text.size()], 0);  // the spare byte
    return std::string(reinterpret_cast<char*>(data.get()), text.size());
}

TEST(MemberInflater, StoredMembersAndTheCheckByteOfTheEncryptionHeader) {
    const std::string text = "stored, not deflated";
    const uint8_t crc_high = static_cast<uint8_t>(
        crc32(0L, reinterpret_cast<const Bytef*>(text.data()), static_cast<uInt>(text.size())) >>
        24);
    const uint8_t empty_crc_high = 0;
    const uint8_t time_high = 0xB3;
    const struct {
        const char* label;
        std::string text;
        uLong flag;
        uint8_t check;
        const char* password;
        size_t chunk;
        std::string expected;
    } cases[] = {
        {"plain", text, 0, 0, "any", 7, text},
        {"encrypted", text, 1, crc_high, kPackPassword, 64, text},
        {"header split over chunks", text, 1, crc_high, kPackPassword, 1, text},
        {"encrypted and empty", "", 1, empty_crc_high, kPackPassword, 5, ""},
        {"wrong password", text, 1, crc_high, "MosaicKeyQuartZ", 64, "<fail>"},
        {"wrong check byte", text, 1, static_cast<uint8_t>(crc_high ^ 1), kPackPassword, 64,
         "<fail>"},
        {"descriptor: checked by the time", text, 1 | 8, time_high, kPackPassword, 64, text},
        {"descriptor: not by the crc", text, 1 | 8, crc_high, kPackPassword, 64, "<fail>"},
    };
    ASSERT_NE(crc_high, time_high);
    for (const auto& c : cases) {
        EXPECT_EQ(InflateStored(c.text, c.flag, c.check, c.password, c.chunk), c.expected)
            << c.label;
    }
}

TEST_F(PackReaderTest, AZeroByteMemberReadsAsAnEmptyBufferWithItsSpareByte) {
    ASSERT_EQ(files_.OpenPack(pack_.c_str()), 1);
    ASSERT_EQ(files_.FindMember("empty.bin"), 1);
    ASSERT_EQ(files_.ReadMember(kPackPassword), 1);
    EXPECT_EQ(files_.MemberSize, 0u);
    ASSERT_NE(files_.MemberData, nullptr);
    EXPECT_EQ(files_.MemberData[0], 0);
    EXPECT_EQ(files_.FreeMember(), 1);
    EXPECT_EQ(files_.MemberData, nullptr);
}

TEST_F(PackReaderTest, PasswordsMatterOnlyForEncryptedMembers) {
    const std::string plain =
        Build("plain", {{"a.txt", scratch_.Write("src/a", "plain text")}}, "");
    for (const char* password : {kPackPassword, "", "anything", "mosaickeyquartz"}) {
        EXPECT_EQ(ReadText(plain, "a.txt", password), "plain text") << password;
    }
    for (const char* password : {"", "mosaickeyquartz", "MosaicKeyQuart", "MosaicKeyQuartz "}) {
        EXPECT_EQ(ReadText(pack_, "up_panel.png", password), "<fail>") << password;
        EXPECT_EQ(files_.MemberData, nullptr);
    }
}

TEST_F(PackReaderTest, UnreadableArchivesFailCleanly) {
    std::ifstream in(pack_, std::ios::binary);
    const std::string whole((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const struct {
        const char* label;
        std::string bytes;
    } cases[] = {
        {"empty file", ""},
        {"half", whole.substr(0, whole.size() / 2)},
        {"without its last bytes", whole.substr(0, whole.size() - 10)},
        {"not a zip", std::string(4096, 'x')},
    };
    for (const auto& c : cases) {
        const std::string path = scratch_.Write("bad", c.bytes);
        EXPECT_EQ(ReadText(path, "up_panel.png", kPackPassword), "<fail>") << c.label;
    }
    EXPECT_EQ(files_.OpenPack(scratch_.Path("no_such_pack").c_str()), -1);
    EXPECT_EQ(files_.OpenPack(scratch_.Root().c_str()), -1);
    // A named pipe with no writer: opening it must not wait for one.
    ASSERT_EQ(::mkfifo(scratch_.Path("pipe").c_str(), 0600), 0);
    EXPECT_EQ(files_.OpenPack(scratch_.Path("pipe").c_str()), -1);
}

TEST_F(PackReaderTest, CorruptMemberDataFails) {
    std::ifstream in(pack_, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    in.close();
    // big.bin's stored bytes take up most of the archive; flip some in the middle of them.
    for (size_t i = bytes.size() / 2; i < bytes.size() / 2 + 16; ++i) {
        bytes[i] = static_cast<char>(~bytes[i]);
    }
    const std::string path = scratch_.Write("corrupt", bytes);
    EXPECT_EQ(ReadText(path, "big.bin", kPackPassword), "<fail>");
    EXPECT_EQ(ReadText(path, "up_panel.png", kPackPassword), "panel bytes");
}

TEST_F(PackReaderTest, LyingSizesFailWithoutAllocatingTheClaim) {
    const std::string zeros = scratch_.Write("src/zeros", std::string(4 * kMiB, '\0'));
    const struct {
        const char* label;
        uint32_t declared;
    } cases[] = {
        {"more than 256 MiB (a bomb)", 300 * kMiB},
        {"just over the limit", static_cast<uint32_t>(kMaxMemberSize + 1)},
        {"far less than it inflates to", 1000},
        {"one byte less", static_cast<uint32_t>(4 * kMiB - 1)},
        {"more than it holds", 200 * kMiB},
        {"one byte more", static_cast<uint32_t>(4 * kMiB + 1)},
    };
    for (const auto& c : cases) {
        const std::string path = Build("lying", {{"zeros.bin", zeros}}, kPackPassword);
        DeclareSize(path, "zeros.bin", c.declared);
        ASSERT_EQ(files_.OpenPack(path.c_str()), 1) << c.label;
        ASSERT_EQ(files_.FindMember("zeros.bin"), 1) << c.label;
        EXPECT_EQ(files_.MemberSize, c.declared) << c.label;
        g_largest_allocation = 0;
        EXPECT_EQ(files_.ReadMember(kPackPassword), -1) << c.label;
        EXPECT_LE(g_largest_allocation.load(), 8 * kMiB + 1) << c.label;
        if (c.declared > 8 * kMiB) {
            EXPECT_LT(g_largest_allocation.load(), c.declared / 2) << c.label;
        }
        EXPECT_EQ(files_.MemberData, nullptr) << c.label;
        files_.ClosePack();
    }
}

TEST(PackSelection, SelectingFollowsThePacksSwitch) {
    WFILE_SYSTEM files;
    const bool saved = UsePacks;
    UsePacks = true;
    files.SelectPack("DATA/menu");
    EXPECT_STREQ(files.CurrentPack, "DATA/menu");
    EXPECT_EQ(files.LooseFolder, "");
    files.UnselectPack();
    EXPECT_EQ(files.CurrentPack, nullptr);

    UsePacks = false;
    files.SelectPack("DATA/menu");
    EXPECT_EQ(files.CurrentPack, nullptr);
    EXPECT_EQ(files.LooseFolder, "DATA/menu");
    files.UnselectPack();
    EXPECT_EQ(files.LooseFolder, "DATA/menu");  // kept: nothing resets the loose folder
    UsePacks = saved;
}

TEST_F(PackReaderTest, LoadXmlReadsThePackAndFallsBackOnlyWhenThePackIsMissing) {
    const std::string xml_pack =
        Build("DATA/editions",
              {{"editions.xml", scratch_.Write("src/e.xml", "<root><from var=\"pack\"/></root>")}},
              kPackPassword);
    scratch_.Write("editions.xml", "<root><from var=\"disk\"/></root>");
    WORKING_FOLDER working(scratch_.Root());
    auto from = [](pugi::xml_document* document) {
        std::unique_ptr<pugi::xml_document> owned(document);
        return owned ? std::string(owned->first_child().child("from").attribute("var").value())
                     : std::string("<null>");
    };
    files_.SetPack(xml_pack.c_str());
    EXPECT_EQ(from(files_.LoadXml("editions.xml")), "pack");
    EXPECT_EQ(from(files_.LoadXml("missing.xml")), "<null>");
    EXPECT_EQ(files_.archive, nullptr);
    files_.SetPack("no_such_pack");
    EXPECT_EQ(from(files_.LoadXml("editions.xml")), "disk");
    files_.SetPack(nullptr);
    EXPECT_EQ(from(files_.LoadXml("editions.xml")), "disk");
    EXPECT_EQ(from(files_.LoadXml("missing.xml")), "");  // an empty document, not null
}

}  // namespace
