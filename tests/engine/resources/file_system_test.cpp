// The file and folder utilities of WFILE_SYSTEM on a scratch folder.
#include "engine/resources/file_system.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "tests/support/scratch_folder.h"

namespace {

class FileSystemTest : public ::testing::Test {
  protected:
    SCRATCH_FOLDER scratch_;
};

TEST_F(FileSystemTest, FileExistsTellsFilesFromFolders) {
    scratch_.Write("file", "x");
    ::mkdir(scratch_.Path("folder").c_str(), 0755);
    EXPECT_EQ(WFILE_SYSTEM::FileExists(scratch_.Path("file")), 1);
    EXPECT_EQ(WFILE_SYSTEM::FileExists(scratch_.Path("folder")), 2);
    EXPECT_EQ(WFILE_SYSTEM::FileExists(scratch_.Path("missing")), 0);
    EXPECT_EQ(WFILE_SYSTEM::FileExists(""), 0);
}

TEST_F(FileSystemTest, CreateFolderMakesOneLevelOnly) {
    WFILE_SYSTEM::CreateFolder(scratch_.Path("a/b"));
    EXPECT_EQ(WFILE_SYSTEM::FileExists(scratch_.Path("a")), 0);
    WFILE_SYSTEM::CreateFolder(scratch_.Path("a"));
    WFILE_SYSTEM::CreateFolder(scratch_.Path("a/b"));
    EXPECT_EQ(WFILE_SYSTEM::FileExists(scratch_.Path("a/b")), 2);
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
        WFILE_SYSTEM::RemoveFile(scratch_.Path("log"));
        if (c.old_content) {
            scratch_.Write("log", c.old_content);
        }
        EXPECT_EQ(WFILE_SYSTEM::PrependText(scratch_.Path("log"), c.text), 0);
        EXPECT_EQ(scratch_.Read("log"), c.result);
    }
    EXPECT_EQ(WFILE_SYSTEM::PrependText(scratch_.Path("no/such/folder/log"), "b"), 1);
    EXPECT_EQ(WFILE_SYSTEM::FileExists(scratch_.Path("log.tmp")), 0);
}

TEST_F(FileSystemTest, ReadTextFileCreatesAMissingFile) {
    std::string contents = "stale";
    EXPECT_TRUE(WFILE_SYSTEM::ReadTextFile(scratch_.Path("new.txt"), contents));
    EXPECT_EQ(contents, "");
    EXPECT_EQ(WFILE_SYSTEM::FileExists(scratch_.Path("new.txt")), 1);

    scratch_.Write("old.txt", std::string("with\0zero", 9));
    EXPECT_TRUE(WFILE_SYSTEM::ReadTextFile(scratch_.Path("old.txt"), contents));
    EXPECT_EQ(contents, std::string("with\0zero", 9));

    EXPECT_FALSE(WFILE_SYSTEM::ReadTextFile(scratch_.Root(), contents));
    EXPECT_FALSE(WFILE_SYSTEM::ReadTextFile(scratch_.Path("no/such/file"), contents));
}

TEST_F(FileSystemTest, EmptyFileTruncatesOnlyExistingFiles) {
    scratch_.Write("full", "content");
    WFILE_SYSTEM::EmptyFile(scratch_.Path("full"));
    WFILE_SYSTEM::EmptyFile(scratch_.Path("missing"));
    EXPECT_EQ(scratch_.Read("full"), "");
    EXPECT_EQ(WFILE_SYSTEM::FileExists(scratch_.Path("missing")), 0);
}

TEST_F(FileSystemTest, StreamsRoundTripBytesUnchanged) {
    const std::string data("a\nb\r\n\x1A\0c", 8);
    EXPECT_EQ(WFILE_SYSTEM::WriteStream(scratch_.Path("set.bin"), data.data(), data.size()), 0);
    std::string back(8, '?');
    EXPECT_EQ(WFILE_SYSTEM::ReadStream(scratch_.Path("set.bin"), back.data(), back.size()), 0);
    EXPECT_EQ(back, data);

    // A shorter file fills its own length and leaves the rest of the buffer alone.
    scratch_.Write("short.bin", "xy");
    std::string buffer(4, '\0');
    EXPECT_EQ(WFILE_SYSTEM::ReadStream(scratch_.Path("short.bin"), buffer.data(), buffer.size()),
              0);
    EXPECT_EQ(buffer, std::string("xy\0\0", 4));

    EXPECT_EQ(WFILE_SYSTEM::ReadStream(scratch_.Path("missing"), buffer.data(), buffer.size()), 1);
    EXPECT_EQ(WFILE_SYSTEM::WriteStream(scratch_.Path("no/folder/x"), "x", 1), 1);
}

TEST_F(FileSystemTest, WriteStreamKeepsTheOldFileWhenItCannotWrite) {
    scratch_.Write("set.bin", "old");
    // A folder in the way of the temporary file makes the write fail before the rename.
    ::mkdir(scratch_.Path("set.bin.tmp").c_str(), 0755);
    EXPECT_EQ(WFILE_SYSTEM::WriteStream(scratch_.Path("set.bin"), "new", 3), 1);
    EXPECT_EQ(scratch_.Read("set.bin"), "old");
}

TEST_F(FileSystemTest, WriteStreamNeverWritesThroughALinkAtItsTemporaryName) {
    scratch_.Write("outside.txt", "keep me");
    ASSERT_EQ(::symlink(scratch_.Path("outside.txt").c_str(), scratch_.Path("LC.pzl.tmp").c_str()),
              0);
    EXPECT_EQ(WFILE_SYSTEM::WriteStream(scratch_.Path("LC.pzl"), "Ada", 3), 0);
    EXPECT_EQ(scratch_.Read("outside.txt"), "keep me");
    EXPECT_EQ(scratch_.Read("LC.pzl"), "Ada");
}

TEST_F(FileSystemTest, FindFilesListsEntriesByPatternAndMode) {
    scratch_.Write("b.pzl", "");
    scratch_.Write("a.pzl", "");
    scratch_.Write("notes.txt", "");
    ::mkdir(scratch_.Path("Anna").c_str(), 0755);
    ::mkdir(scratch_.Path("Bob.pzl").c_str(), 0755);
    using Names = std::vector<std::string>;
    EXPECT_EQ(WFILE_SYSTEM::FindFiles(scratch_.Root(), "*", 0),
              (Names{"Anna", "Bob.pzl", "a.pzl", "b.pzl", "notes.txt"}));
    EXPECT_EQ(WFILE_SYSTEM::FindFiles(scratch_.Root() + "/", "*.pzl", 0),
              (Names{"Bob.pzl", "a.pzl", "b.pzl"}));
    EXPECT_EQ(WFILE_SYSTEM::FindFiles(scratch_.Root(), "*", 1), (Names{"Anna", "Bob.pzl"}));
    EXPECT_EQ(WFILE_SYSTEM::FindFiles(scratch_.Root(), "*.sav", 0), Names{});
    EXPECT_EQ(WFILE_SYSTEM::FindFiles(scratch_.Path("missing"), "*", 0), Names{});
}

TEST_F(FileSystemTest, RemoveFolderDeletesReadOnlyTrees) {
    ::mkdir(scratch_.Path("player").c_str(), 0755);
    ::mkdir(scratch_.Path("player/saves").c_str(), 0755);
    scratch_.Write("player/set.bin", "x");
    scratch_.Write("player/saves/1.pzl", "x");
    scratch_.Write("outside", "keep");
    ::symlink(scratch_.Path("outside").c_str(), scratch_.Path("player/link").c_str());
    ::chmod(scratch_.Path("player/set.bin").c_str(), 0444);
    ::chmod(scratch_.Path("player/saves/1.pzl").c_str(), 0444);
    ::chmod(scratch_.Path("player/saves").c_str(), 0555);
    WFILE_SYSTEM::RemoveFolder(scratch_.Path("player"));
    EXPECT_EQ(WFILE_SYSTEM::FileExists(scratch_.Path("player")), 0);
    EXPECT_EQ(scratch_.Read("outside"), "keep");
}

}  // namespace
