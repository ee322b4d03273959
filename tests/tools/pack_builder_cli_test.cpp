// The pack_builder program: folder and list modes, member order, encryption, failures.
#include <gtest/gtest.h>
#include <minizip/unzip.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/resources/file_system.h"
#include "engine/resources/member_inflater.h"
#include "engine/resources/pack_password.h"
#include "tests/support/scratch_folder.h"

namespace {

std::string Quoted(const std::string& text) {
    return "'" + text + "'";
}

// The build tree's program: the test runs from <build>/tests/test_tools.
std::string Program() {
    const std::filesystem::path build =
        std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path();
    return (build / "tools/pack_builder/pack_builder").string();
}

int RunBuilder(const std::string& arguments) {
    const int status = std::system((Quoted(Program()) + " " + arguments + " 2>/dev/null").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Member names in archive order.
std::vector<std::string> Names(const std::string& pack) {
    std::vector<std::string> names;
    unzFile zip = unzOpen(pack.c_str());
    for (int status = zip ? unzGoToFirstFile(zip) : UNZ_END_OF_LIST_OF_FILE; status == UNZ_OK;
         status = unzGoToNextFile(zip)) {
        char name[260] = {};
        unz_file_info info;
        unzGetCurrentFileInfo(zip, &info, name, sizeof(name) - 1, nullptr, 0, nullptr, 0);
        names.push_back(name);
    }
    if (zip) {
        unzClose(zip);
    }
    return names;
}

std::string Member(const std::string& pack, const char* name, const char* password) {
    WFILE_SYSTEM files;
    if (files.ReadPackMember(pack.c_str(), name, password) != 1) {
        return "<fail>";
    }
    return std::string(reinterpret_cast<char*>(files.MemberData), files.MemberSize);
}

class PackBuilderCliTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(WFILE_SYSTEM::FileExists(Program()), 1) << "build the pack_builder target";
        scratch_.Write("src/z.txt", "zed");
        scratch_.Write("src/B.txt", "capital");
        scratch_.Write("src/a.txt", "ay");
        scratch_.Write("src/b/d.txt", "dee");
        scratch_.Write("src/b/c.txt", "see");
    }
    SCRATCH_FOLDER scratch_;
};

TEST_F(PackBuilderCliTest, FolderModeNamesMembersByRelativePathInBytewiseOrder) {
    const std::string pack = scratch_.Path("out/DATA/menu");
    ASSERT_EQ(RunBuilder(Quoted(pack) + " --dir " + Quoted(scratch_.Path("src"))), 0);
    EXPECT_EQ(Member(pack, "b/c.txt", kPackPassword), "see");
    EXPECT_EQ(Member(pack, "b/c.txt", "wrong"), "<fail>");
    EXPECT_EQ(Names(pack),
              (std::vector<std::string>{"B.txt", "a.txt", "b/c.txt", "b/d.txt", "z.txt"}));
    EXPECT_EQ(WFILE_SYSTEM::FileExists(pack + ".tmp"), 0);

    if (std::system("command -v unzip >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "no unzip command";
    }
    const std::string test = "unzip -qq -t -P " + std::string(kPackPassword) + " " + Quoted(pack);
    EXPECT_EQ(std::system((test + " >/dev/null 2>&1").c_str()), 0);
    const std::string wrong = "unzip -qq -t -P wrong " + Quoted(pack) + " >/dev/null 2>&1";
    EXPECT_NE(std::system(wrong.c_str()), 0);
}

TEST_F(PackBuilderCliTest, ListModeKeepsFileOrderDuplicatesAndPlainMembers) {
    scratch_.Write("list", "z.txt\tsrc/z.txt\r\n\nsame\tsrc/a.txt\nsame\tsrc/b/d.txt\n");
    const std::string pack = scratch_.Path("plain");
    ASSERT_EQ(
        RunBuilder(Quoted(pack) + " --list " + Quoted(scratch_.Path("list")) + " --no-password"),
        0);
    EXPECT_EQ(Member(pack, "same", ""), "ay");
    EXPECT_EQ(Member(pack, "z.txt", "anything"), "zed");
    EXPECT_EQ(Names(pack), (std::vector<std::string>{"z.txt", "same", "same"}));
}

TEST_F(PackBuilderCliTest, FailuresLeaveTheOldPackInPlace) {
    const std::string pack = scratch_.Write("kept", "old pack");
    scratch_.Write("no_tab", "a.txt src/a.txt\n");
    scratch_.Write("missing_source", "a.txt\tsrc/nothing_here\n");
    // Sparse: one byte more than the game reads from a pack, without writing it out.
    std::filesystem::resize_file(scratch_.Write("src/huge", ""), kMaxMemberSize + 1);
    scratch_.Write("huge_source", "huge\tsrc/huge\n");
    const std::string list_of = " --list ";
    const struct {
        const char* label;
        std::string arguments;
        int code;
    } cases[] = {
        {"no arguments", "", 2},
        {"unknown mode", Quoted(pack) + " --zip " + Quoted(scratch_.Path("src")), 2},
        {"unknown option", Quoted(pack) + " --dir " + Quoted(scratch_.Path("src")) + " -x", 2},
        {"missing folder", Quoted(pack) + " --dir " + Quoted(scratch_.Path("none")), 1},
        {"line without tab", Quoted(pack) + list_of + Quoted(scratch_.Path("no_tab")), 1},
        {"missing source", Quoted(pack) + list_of + Quoted(scratch_.Path("missing_source")), 1},
        {"source too large", Quoted(pack) + list_of + Quoted(scratch_.Path("huge_source")), 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RunBuilder(c.arguments), c.code) << c.label;
        EXPECT_EQ(scratch_.Read("kept"), "old pack") << c.label;
        EXPECT_EQ(WFILE_SYSTEM::FileExists(pack + ".tmp"), 0) << c.label;
    }
}

}  // namespace
