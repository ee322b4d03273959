// The file and folder utilities of WFILE_SYSTEM on a scratch folder.
#include "engine/frame/file_system.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

class FileSystemTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/pd_files_XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        root_ = pattern;
    }
    void TearDown() override {
        std::system(("chmod -R u+rwx '" + root_ + "'; rm -rf '" + root_ + "'").c_str());
    }

    std::string Path(const std::string& name) const { return root_ + "/" + name; }
    void Write(const std::string& name, const std::string& content) const {
        std::ofstream(Path(name), std::ios::binary) << content;
    }
    std::string Read(const std::string& name) const {
        std::ifstream in(Path(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    std::string root_;
};

TEST_F(FileSystemTest, FileExistsTellsFilesFromFolders) {
    Write("file", "x");
    ::mkdir(Path("folder").c_str(), 0755);
    EXPECT_EQ(WFILE_SYSTEM::FileExists(Path("file")), 1);
    EXPECT_EQ(WFILE_SYSTEM::FileExists(Path("folder")), 2);
    EXPECT_EQ(WFILE_SYSTEM::FileExists(Path("missing")), 0);
    EXPECT_EQ(WFILE_SYSTEM::FileExists(""), 0);
}

TEST_F(FileSystemTest, CreateFolderMakesOneLevelOnly) {
    WFILE_SYSTEM::CreateFolder(Path("a/b"));
    EXPECT_EQ(WFILE_SYSTEM::FileExists(Path("a")), 0);
    WFILE_SYSTEM::CreateFolder(Path("a"));
    WFILE_SYSTEM::CreateFolder(Path("a/b"));
    EXPECT_EQ(WFILE_SYSTEM::FileExists(Path("a/b")), 2);
}

TEST_F(FileSystemTest, PrependTextPutsNewLinesFirst) {
    struct Case {
        const char* old_content;  // null: no file
        const char* text;
        const char* result;
    };
    const Case cases[] = {
        {nullptr, "b", "b"},
        {"", "b", "b"},
        {"a", "b", "b\na"},
        {"line 1\nline 2\n", "line 0", "line 0\nline 1\nline 2\n"},
    };
    for (const Case& c : cases) {
        WFILE_SYSTEM::RemoveFile(Path("log"));
        if (c.old_content) {
            Write("log", c.old_content);
        }
        EXPECT_EQ(WFILE_SYSTEM::PrependText(Path("log"), c.text), 0);
        EXPECT_EQ(Read("log"), c.result);
    }
    EXPECT_EQ(WFILE_SYSTEM::PrependText(Path("no/such/folder/log"), "b"), 1);
    EXPECT_EQ(WFILE_SYSTEM::FileExists(Path("log.tmp")), 0);
}

TEST_F(FileSystemTest, ReadTextFileCreatesAMissingFile) {
    std::string contents = "stale";
    EXPECT_TRUE(WFILE_SYSTEM::ReadTextFile(Path("new.txt"), contents));
    EXPECT_EQ(contents, "");
    EXPECT_EQ(WFILE_SYSTEM::FileExists(Path("new.txt")), 1);

    Write("old.txt", std::string("with\0zero", 9));
    EXPECT_TRUE(WFILE_SYSTEM::ReadTextFile(Path("old.txt"), contents));
    EXPECT_EQ(contents, std::string("with\0zero", 9));

    EXPECT_FALSE(WFILE_SYSTEM::ReadTextFile(root_, contents));
    EXPECT_FALSE(WFILE_SYSTEM::ReadTextFile(Path("no/such/file"), contents));
}

TEST_F(FileSystemTest, EmptyFileTruncatesOnlyExistingFiles) {
    Write("full", "content");
    WFILE_SYSTEM::EmptyFile(Path("full"));
    WFILE_SYSTEM::EmptyFile(Path("missing"));
    EXPECT_EQ(Read("full"), "");
    EXPECT_EQ(WFILE_SYSTEM::FileExists(Path("missing")), 0);
}

TEST_F(FileSystemTest, StreamsRoundTripBytesUnchanged) {
    const std::string data("a\nb\r\n\x1A\0c", 8);
    EXPECT_EQ(WFILE_SYSTEM::WriteStream(Path("set.bin"), data.data(), data.size()), 0);
    std::string back(8, '?');
    EXPECT_EQ(WFILE_SYSTEM::ReadStream(Path("set.bin"), back.data(), back.size()), 0);
    EXPECT_EQ(back, data);

    // A shorter file fills its own length and leaves the rest of the buffer alone.
    Write("short.bin", "xy");
    std::string buffer(4, '\0');
    EXPECT_EQ(WFILE_SYSTEM::ReadStream(Path("short.bin"), buffer.data(), buffer.size()), 0);
    EXPECT_EQ(buffer, std::string("xy\0\0", 4));

    EXPECT_EQ(WFILE_SYSTEM::ReadStream(Path("missing"), buffer.data(), buffer.size()), 1);
    EXPECT_EQ(WFILE_SYSTEM::WriteStream(Path("no/folder/x"), "x", 1), 1);
}

TEST_F(FileSystemTest, WriteStreamKeepsTheOldFileWhenItCannotWrite) {
    Write("set.bin", "old");
    // A folder in the way of the temporary file makes the write fail before the rename.
    ::mkdir(Path("set.bin.tmp").c_str(), 0755);
    EXPECT_EQ(WFILE_SYSTEM::WriteStream(Path("set.bin"), "new", 3), 1);
    EXPECT_EQ(Read("set.bin"), "old");
}

TEST_F(FileSystemTest, FindFilesListsEntriesByPatternAndMode) {
    Write("b.pzl", "");
    Write("a.pzl", "");
    Write("notes.txt", "");
    ::mkdir(Path("Anna").c_str(), 0755);
    ::mkdir(Path("Bob.pzl").c_str(), 0755);
    using Names = std::vector<std::string>;
    EXPECT_EQ(WFILE_SYSTEM::FindFiles(root_, "*", 0),
              (Names{"Anna", "Bob.pzl", "a.pzl", "b.pzl", "notes.txt"}));
    EXPECT_EQ(WFILE_SYSTEM::FindFiles(root_ + "/", "*.pzl", 0),
              (Names{"Bob.pzl", "a.pzl", "b.pzl"}));
    EXPECT_EQ(WFILE_SYSTEM::FindFiles(root_, "*", 1), (Names{"Anna", "Bob.pzl"}));
    EXPECT_EQ(WFILE_SYSTEM::FindFiles(root_, "*.sav", 0), Names{});
    EXPECT_EQ(WFILE_SYSTEM::FindFiles(Path("missing"), "*", 0), Names{});
}

TEST_F(FileSystemTest, RemoveFolderDeletesReadOnlyTrees) {
    ::mkdir(Path("player").c_str(), 0755);
    ::mkdir(Path("player/saves").c_str(), 0755);
    Write("player/set.bin", "x");
    Write("player/saves/1.pzl", "x");
    Write("outside", "keep");
    ::symlink(Path("outside").c_str(), Path("player/link").c_str());
    ::chmod(Path("player/set.bin").c_str(), 0444);
    ::chmod(Path("player/saves/1.pzl").c_str(), 0444);
    ::chmod(Path("player/saves").c_str(), 0555);
    WFILE_SYSTEM::RemoveFolder(Path("player"));
    EXPECT_EQ(WFILE_SYSTEM::FileExists(Path("player")), 0);
    EXPECT_EQ(Read("outside"), "keep");
}

}  // namespace
