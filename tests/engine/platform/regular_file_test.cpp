// Reading files that must be plain files: pipes, devices and folders are refused without waiting,
// and so is anything longer than its kind allows.
#include "engine/platform/regular_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "tests/support/scratch_folder.h"

namespace {

TEST(RegularFile, ReadsPlainFilesWithinTheirLimit) {
    SCRATCH_FOLDER scratch;
    const std::string path = scratch.Write("table.xml", "<table/>");
    std::string bytes;
    EXPECT_TRUE(platform::ReadRegularFile(path, 8, bytes));
    EXPECT_EQ(bytes, "<table/>");
    EXPECT_TRUE(platform::ReadRegularFile(scratch.Write("empty", ""), 8, bytes));
    EXPECT_EQ(bytes, "");
    // Through a link the file it names is read.
    ASSERT_EQ(::symlink(path.c_str(), scratch.Path("link").c_str()), 0);
    EXPECT_TRUE(platform::ReadRegularFile(scratch.Path("link"), 8, bytes));
    EXPECT_EQ(bytes, "<table/>");
}

TEST(RegularFile, RefusesEverythingElseWithoutWaiting) {
    SCRATCH_FOLDER scratch;
    ASSERT_EQ(::mkfifo(scratch.Path("pipe").c_str(), 0600), 0);
    scratch.Write("long", "<table/>");
    struct Case {
        const char* name;
        std::string path;
    };
    const Case cases[] = {
        {"a named pipe with no writer", scratch.Path("pipe")},
        {"a device that never ends", "/dev/zero"},
        {"a folder", scratch.Root()},
        {"missing", scratch.Path("missing")},
        {"longer than its kind allows", scratch.Path("long")},
    };
    for (const Case& c : cases) {
        std::string bytes = "old";
        EXPECT_FALSE(platform::ReadRegularFile(c.path, 7, bytes)) << c.name;
        EXPECT_EQ(bytes, "") << c.name;
        size_t size = 1;
        EXPECT_EQ(platform::OpenRegularFile(c.path, 7, size), -1) << c.name;
    }
}

}  // namespace
