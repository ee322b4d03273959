// OpenWithShell hands the path to xdg-open as one argument, untouched by any shell.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

#include "engine/platform/platform.h"
#include "tests/support/scratch_folder.h"

namespace {

namespace fs = std::filesystem;

TEST(OpenWithShellTest, PassesTheWholePathAsOneArgument) {
    SCRATCH_FOLDER bin;
    const std::string record = bin.Path("opened.txt");
    // Writes its argument count and arguments, then renames the file into place so the test
    // never reads a half-written record.
    bin.Write("xdg-open", "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" > '" + record + ".part'\nmv '" +
                              record + ".part' '" + record + "'\n");
    fs::permissions(bin.Path("xdg-open"), fs::perms::owner_all);
    std::string old_path = std::getenv("PATH") ? std::getenv("PATH") : "";
    setenv("PATH", (bin.Root() + ":" + old_path).c_str(), 1);

    const std::string hostile = "/tmp/my pictures/$(touch pwned); 'quoted'.url";
    platform::OpenWithShell(hostile);
    setenv("PATH", old_path.c_str(), 1);

    // The opener runs detached; its record appears shortly.
    for (int i = 0; i < 500 && !fs::exists(record); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_EQ(bin.Read("opened.txt"), "1\n" + hostile + "\n");
    EXPECT_FALSE(fs::exists("pwned"));
}

}  // namespace
